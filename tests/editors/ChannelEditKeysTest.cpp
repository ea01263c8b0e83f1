// Key sequences that once changed values nobody typed or chose.
#include "ChannelFixture.h"

#include "editors/ChannelTableModel.h"

namespace {

using M = rv::ui::ChannelTableModel;

class ChannelEditKeysTest : public rv::test::ChannelFixture {
protected:
    QComboBox* combo(rv::ui::frmCommChInfo* g) { return qobject_cast<QComboBox*>(g->openEditor()); }
    std::string toneText(const std::string& code) { return rv::ToneToText(session(), code); }
    /// Types into the open list of a drop-down box and presses Enter there.
    static void typeIntoOpenList(QComboBox* box, const char* keys) {
        box->showPopup();
        QTest::keyClicks(box->view(), keys);
        QTest::keyClick(box->view(), Qt::Key_Return);
    }
};

TEST_F(ChannelEditKeysTest, ToneTypedIntoTheOpenListIsAnEntryOrRefusedNeverItsNeighbour) {
    // typed, what the channel holds after Enter, whether the refusal was told
    const struct {
        const char* keys;
        const char* stored;
        bool refused;
    } cases[] = {{"D024N", "None", true}, {"250.4", "None", true}, {"d023n", "D023N", false}};
    for (const bool inDialog : {false, true}) {
        for (const auto& c : cases) {
            addChannel(5, "146", "146");
            rv::SetChannelField(session(), 5, rv::ChannelFieldKind::RxCode, "None");
            prompt->asked.clear();
            QComboBox* box = nullptr;
            if (inDialog) {
                auto* d = openDialog();
                choose(child<QComboBox>(d, "Combo1"), "5");
                box = child<QComboBox>(d, "Combo2_0");
            } else {
                auto* g = openGrid();
                g->setCurrentCell(5, M::Dec);
                box = combo(g);
            }
            ASSERT_NE(box, nullptr);
            typeIntoOpenList(box, c.keys);
            const std::string where = std::string(inDialog ? "dialog " : "grid ") + c.keys;
            EXPECT_EQ(toneText(channel(5)->RxCode.get()), c.stored) << where;
            EXPECT_EQ(prompt->asked.size(), c.refused ? 1 : 0) << where;
            if (c.refused && !prompt->asked.isEmpty()) {
                EXPECT_TRUE(prompt->asked.first().contains(QString::fromLatin1(c.keys))) << where;
            }
            TearDown();
            SetUp();
        }
    }
}

TEST_F(ChannelEditKeysTest, DialogToneBoxStartsEveryEntryAnew) {
    addChannel(5, "146", "146");
    auto* d = openDialog();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    choose(child<QComboBox>(d, "Combo1"), "5");
    auto* decode = child<QComboBox>(d, "Combo2_0");
    auto* encode = child<QComboBox>(d, "Combo2_1");
    const auto enter = [&](const char* keys) {
        decode->setFocus();
        QTest::keyClicks(decode, keys);
        encode->setFocus();
    };
    enter("d023n");
    EXPECT_EQ(toneText(channel(5)->RxCode.get()), "D023N");
    enter("250.4");
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_TRUE(prompt->asked.first().contains("\"250.4\"")) << prompt->asked.first().toStdString();
    enter("88.5");
    EXPECT_EQ(prompt->asked.size(), 1);
    EXPECT_EQ(toneText(channel(5)->RxCode.get()), "88.5");
}

TEST_F(ChannelEditKeysTest, ShiftDownFromADropDownCellSelectsRowsAndChangesNoValue) {
    for (int n = 7; n <= 10; ++n)
        addChannel(n, "146", "146");
    const rv::RadioData before = doc();
    auto* g = openGrid();
    g->setCurrentCell(7, M::Power);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(combo(g), nullptr) << i;
        QTest::keyClick(combo(g), Qt::Key_Down, Qt::ShiftModifier);
    }
    EXPECT_EQ(current(g), std::make_pair(10, int(M::Power)));
    EXPECT_EQ(g->selectedChannels(), (std::vector<int>{7, 8, 9, 10}));
    g->commitEdit();
    for (int n = 7; n <= 10; ++n)
        EXPECT_EQ(channel(n)->TxPower, before.Channels[static_cast<std::size_t>(n - 7)].TxPower)
            << "channel " << n;
}

TEST_F(ChannelEditKeysTest, PastedRowsThatRunPastChannel16AreRefusedWhole) {
    for (int n = 1; n <= 4; ++n)
        addChannel(n, "146", "146");
    auto* g = openGrid();
    g->selectRows(1, 4);
    g->copyChannels();
    g->setCurrentCell(14, M::RxFreq);
    g->pasteChannels();
    EXPECT_EQ(channel(14), nullptr);
    EXPECT_EQ(doc().ChannelCount, 4);
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_EQ(prompt->asked.first(),
              "Nothing was pasted: 4 rows from channel 14 need channels up to 17, and the last "
              "is 16.");
    g->setCurrentCell(13, M::RxFreq);
    g->pasteChannels();
    ASSERT_NE(channel(16), nullptr);
    EXPECT_EQ(doc().ChannelCount, 8);
}

TEST_F(ChannelEditKeysTest, RefusedTypingStopsTheCommandThatAskedForIt) {
    addChannel(5, "146", "146");
    auto* d = openDialog();
    choose(child<QComboBox>(d, "Combo1"), "5");
    auto* decode = child<QComboBox>(d, "Combo2_0");
    decode->setFocus();
    QTest::keyClicks(decode, "250.4");
    EXPECT_FALSE(d->commitEdit());
    EXPECT_EQ(prompt->asked.size(), 1);
    EXPECT_EQ(toneText(channel(5)->RxCode.get()), "None");

    auto* g = openGrid();
    g->setCurrentCell(5, M::Dec);
    QTest::keyClicks(combo(g), "d023n");
    EXPECT_TRUE(g->commitEdit());
    EXPECT_EQ(toneText(channel(5)->RxCode.get()), "D023N");
}

} // namespace
