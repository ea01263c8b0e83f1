#include "ChannelFixture.h"

#include "editors/ChannelTableModel.h"

namespace {

using K = rv::ChannelFieldKind;
using M = rv::editors::ChannelTableModel;
using rv::test::ChannelFixture;

class ChannelClipboardTest : public ChannelFixture {
protected:
    void SetUp() override {
        ChannelFixture::SetUp();
        addChannel(1, "146.5", "146.6");
        set(1, K::RxCode, "D023N");
        set(1, K::TxCode, "100.0");
        set(1, K::TxPower, "Low");
        set(1, K::OptSignal, "DTMF");
        set(1, K::BusyLockout, "Option Signalling");
        set(1, K::SpUnmute, "QT/DQT or Opt.Sig");
        set(1, K::AutodialMem, "5");
        set(1, K::BeatShift, "1");
        addChannel(2, "150");
        set(2, K::ScanAdd, "No");
        set(2, K::WideNarrow, "Narrow");
        addChannel(3, "160.00625", "165");
        set(3, K::RxCode, "67.0");
        set(3, K::BusyLockout, "QT/DQ");
        set(3, K::PttId, "On");
        set(3, K::Compander, "1");
        session().SavedCopy = doc();
        ctx->markSaved();
    }
    void set(int n, K kind, const char* text) { rv::SetChannelField(session(), n, kind, text); }
    static void key(rv::editors::frmCommChInfo* g, Qt::Key k) {
        // Keys go to the open cell editor, or to the grid when none is open.
        QWidget* target = g->openEditor();
        if (!target) target = child<QTableView>(g, "MSFlexGrid1");
        QTest::keyClick(target, k, Qt::ControlModifier);
    }
    static void selectRows(rv::editors::frmCommChInfo* g, int first, int last) {
        auto* view = child<QTableView>(g, "MSFlexGrid1");
        const auto* m = view->model();
        view->selectionModel()->select(
            QItemSelection(m->index(first - 1, M::RxFreq), m->index(last - 1, M::WideNarrow)),
            QItemSelectionModel::ClearAndSelect);
    }
    // Every setting of a channel but its number.
    static rv::ChannelInfo settingsOf(const rv::ChannelInfo* ch) {
        rv::ChannelInfo c = ch ? *ch : rv::ChannelInfo{};
        c.ChNo = 0;
        return c;
    }
};

TEST_F(ChannelClipboardTest, CopiedRowsPasteAsTheSameChannelsAndUndoExactly) {
    auto* g = openGrid();
    selectRows(g, 1, 3);
    key(g, Qt::Key_C);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.startsWith("1\t146.50000\t146.60000\tD023N\t100.0\tLow\tYes\tDTMF\tOff\tWide\t"
                          "QT/DQT or Opt.Sig\tOption Signalling\t5\t1\t0\n"))
        << copied.toStdString();

    const rv::RadioData beforePaste = doc();
    g->setCurrentCell(9, M::RxFreq);
    key(g, Qt::Key_V);
    ASSERT_EQ(doc().ChannelCount, 6);
    for (int n = 1; n <= 3; ++n) {
        ASSERT_NE(channel(8 + n), nullptr);
        EXPECT_EQ(settingsOf(channel(8 + n)), settingsOf(channel(n))) << "channel " << n;
    }
    EXPECT_EQ(cell(g, 11, M::Dec), "67.0");
    EXPECT_TRUE(prompt->asked.isEmpty());

    key(g, Qt::Key_Z);
    EXPECT_EQ(doc(), beforePaste) << "the whole paste is one step";
    EXPECT_EQ(cell(g, 9, M::RxFreq), "");
    key(g, Qt::Key_Y);
    EXPECT_EQ(settingsOf(channel(10)), settingsOf(channel(2)));
}

TEST_F(ChannelClipboardTest, PastingOverExistingRowsReplacesThemAndEmptyRxEmptiesTheSlot) {
    auto* g = openGrid();
    QApplication::clipboard()->setText("7\t150\t\tNone\t\tHigh\tYes\tNone\tOff\tWide\n"
                                       "8\t\t\t\t\t\t\t\t\t\n");
    g->setCurrentCell(2, M::RxFreq);
    key(g, Qt::Key_V);
    EXPECT_EQ(settingsOf(channel(2)).WideNarrow, 1) << "row 7's settings land on channel 2";
    EXPECT_EQ(channel(2)->ScanAdd, 1);
    EXPECT_EQ(channel(3), nullptr);
    EXPECT_EQ(channel(1)->TxPower, 0) << "rows above the cursor are left alone";
}

TEST_F(ChannelClipboardTest, DialogEditsUndoFromTheDialog) {
    auto* d = openDialog();
    choose(child<QComboBox>(d, "Combo1"), "2");
    choose(child<QComboBox>(d, "Combo2_4"), "Low");
    EXPECT_EQ(channel(2)->TxPower, 0);
    QTest::keyClick(child<QComboBox>(d, "Combo2_4"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(channel(2)->TxPower, 1);
    EXPECT_EQ(child<QComboBox>(d, "Combo2_4")->currentText(), "High");
    QTest::keyClick(child<QLineEdit>(d, "Text1"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(channel(2)->TxPower, 0);
}

} // namespace

namespace {

class ChannelClipboardLanguageTest : public rv::test::ChannelFixture {};

TEST_F(ChannelClipboardLanguageTest, RowsCopiedInEnglishPasteTheSameInChinese) {
    addChannel(1, "146", "146.5");
    rv::SetChannelField(session(), 1, rv::ChannelFieldKind::TxPower, "Low");
    rv::SetChannelField(session(), 1, rv::ChannelFieldKind::ScanAdd, "No");
    rv::SetChannelField(session(), 1, rv::ChannelFieldKind::WideNarrow, "Narrow");
    auto* g = openGrid();
    QTest::keyClick(g->openEditor(), Qt::Key_C, Qt::ControlModifier);
    session().CurLanguage = rv::Chinese;
    g->changeShowByLanguage();
    g->setCurrentCell(2, rv::editors::ChannelTableModel::RxFreq);
    QTest::keyClick(g->openEditor(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_NE(channel(2), nullptr);
    rv::ChannelInfo copy = *channel(2);
    copy.ChNo = 1;
    EXPECT_EQ(copy, *channel(1));
}

} // namespace
