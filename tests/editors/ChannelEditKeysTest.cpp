// Key sequences that once changed values nobody typed or chose.
#include "ChannelFixture.h"

#include "editors/ChannelTableModel.h"

namespace {

using M = rv::editors::ChannelTableModel;
using ChannelEditKeysTest = rv::test::ChannelFixture;

// Typed into the open list, a tone is an entry or refused, never its neighbour; each entry
// starts anew, in the grid and in the dialog.
TEST_F(ChannelEditKeysTest, ToneTypedIntoTheOpenListIsAnEntryOrRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"D024N", "None"}, {"250.4", "None"}, {"d023n", "D023N"}};
    addChannel(5, "146", "146");
    auto* g = openGrid();
    auto* d = openDialog();
    choose(child<QComboBox>(d, "Combo1"), "5");
    for (const bool inDialog : {false, true}) {
        for (const auto& [keys, stored] : cases) {
            rv::SetChannelField(session(), 5, rv::ChannelFieldKind::RxCode, "None");
            d->reShow();
            g->setCurrentCell(5, M::Dec);
            g->EnterGridEdit();
            auto* box = inDialog ? child<QComboBox>(d, "Combo2_0")
                                 : qobject_cast<QComboBox*>(g->openEditor());
            prompt->asked.clear();
            // A message box takes the focus from the box it speaks of.
            prompt->whenAsked = [box] {
                QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(box, &out);
            };
            box->showPopup();
            QTest::keyClicks(box->view(), keys);
            QTest::keyClick(box->view(), Qt::Key_Return);
            EXPECT_EQ(rv::ToneToText(session(), channel(5)->RxCode.get()), stored) << keys;
            // A refusal quotes exactly what was typed this time.
            const QString told = QString("\"%1\"").arg(keys);
            EXPECT_EQ(prompt->asked.filter(told).size(), prompt->asked.size()) << keys;
            EXPECT_EQ(prompt->asked.size(), std::string(stored) == "None" ? 1 : 0) << keys;
        }
    }
}

TEST_F(ChannelEditKeysTest, ShiftDownFromADropDownCellSelectsRowsAndChangesNoValue) {
    for (int n = 7; n <= 10; ++n)
        addChannel(n, "146", "146");
    const rv::RadioData before = doc();
    auto* g = openGrid();
    g->setCurrentCell(7, M::Power);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(g->openEditor(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(g->selectedChannels(), (std::vector<int>{7, 8, 9, 10}));
    g->commitEdit();
    EXPECT_EQ(doc(), before);
}

TEST_F(ChannelEditKeysTest, PastedRowsThatRunPastChannel16AreRefusedWhole) {
    for (int n = 1; n <= 4; ++n)
        addChannel(n, "146", "146");
    auto* g = openGrid();
    g->selectRows(1, 4);
    g->copyChannels();
    g->setCurrentCell(14, M::RxFreq);
    g->pasteChannels();
    EXPECT_EQ(doc().ChannelCount, 4);
    EXPECT_EQ(prompt->asked, QStringList{"Nothing was pasted: 4 rows from channel 14 need "
                                         "channels up to 17, and the last is 16."});
}

} // namespace
