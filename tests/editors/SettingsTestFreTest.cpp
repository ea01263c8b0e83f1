#include "editors/FrmTestFre.h"

#include "SettingsTestUtil.h"

#include <QPushButton>
#include <QTableWidget>

using namespace rv::test;
using rv::editors::FrmTestFre;

namespace {

class SettingsTestFreTest : public SettingsFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(ctx.session.CurBand, "400 - 470 MHz");
        w = open<FrmTestFre>();
        grid = Child<QTableWidget>(w.get(), "MSFlexGrid1");
        editor = Child<QLineEdit>(w.get(), "Text1");
    }

    /// Clicks a cell (row 1..16, column 1 receive / 2 transmit) and types into its editor.
    void typeCell(int row, int col, const QString& keys) {
        const QRect r = grid->visualItemRect(grid->item(row - 1, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        ASSERT_TRUE(editor->isVisible());
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, keys);
    }
    /// Leaves the editor by clicking the channel-number column of row 16.
    void leave() {
        const QRect r = grid->visualItemRect(grid->item(15, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }
    QString cell(int row, int col) const { return grid->item(row - 1, col)->text(); }
    const rv::TestFre* entry(int no) const {
        const auto& d = ctx.session.Doc;
        for (int i = 0; i < d.TestFreCount; ++i)
            if (d.TestFres[i].No == no) return &d.TestFres[i];
        return nullptr;
    }

    std::unique_ptr<FrmTestFre> w;
    QTableWidget* grid = nullptr;
    QLineEdit* editor = nullptr;
};

TEST_F(SettingsTestFreTest, NewDocumentShowsTheSixBandDefaults) {
    const char* expected[6][2] = {{"435.05000", "435.10000"}, {"400.05000", "400.10000"},
                                  {"469.95000", "469.90000"}, {"435.00000", "435.00000"},
                                  {"435.20000", "435.20000"}, {"435.40000", "435.40000"}};
    for (int r = 1; r <= 16; ++r) {
        EXPECT_EQ(cell(r, 0), QString::number(r));
        EXPECT_EQ(cell(r, 1), r <= 6 ? expected[r - 1][0] : "") << r;
        EXPECT_EQ(cell(r, 2), r <= 6 ? expected[r - 1][1] : "") << r;
    }
    typeCell(1, 1, "435.05");
    leave();
    EXPECT_EQ(cell(1, 1), "435.05000");
    EXPECT_EQ(entry(1)->RxSig, 15);
    EXPECT_EQ(entry(1)->TxSig, 15);
    EXPECT_TRUE(prompt->asked.isEmpty());
}

TEST_F(SettingsTestFreTest, TypingIntoAnEmptyRowCreatesItsEntry) {
    typeCell(8, 1, "450.1");
    leave();
    EXPECT_EQ(cell(8, 1), "450.10000");
    EXPECT_EQ(cell(8, 2), "450.10000");
    ASSERT_NE(entry(8), nullptr);
    EXPECT_EQ(ctx.doc().TestFreCount, 7);
    EXPECT_EQ(ctx.doc().TestFres[6].No, 8);
    EXPECT_EQ(entry(8)->RxFreq.get(), "45010000");
    EXPECT_EQ(entry(8)->TxFreq.get(), "45010000");
    EXPECT_EQ(entry(8)->RxSig, 2);
    EXPECT_EQ(entry(8)->TxSig, 2);
}

TEST_F(SettingsTestFreTest, ChangingADefaultMarksOnlyThatSide) {
    typeCell(4, 2, "440");
    leave();
    EXPECT_EQ(entry(4)->RxSig, 15);
    EXPECT_EQ(entry(4)->TxSig, 2);
    EXPECT_EQ(entry(4)->TxFreq.get(), "44000000");
}

TEST_F(SettingsTestFreTest, ClearingTheReceiveCellDeletesTheEntry) {
    typeCell(2, 1, "");
    leave();
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_EQ(entry(2), nullptr);
    EXPECT_EQ(ctx.doc().TestFreCount, 5);
    EXPECT_EQ(ctx.doc().TestFres[1].No, 3); // later entries moved up
}

TEST_F(SettingsTestFreTest, FrequenciesOutsideTheBandOrOffTheRasterAreRefused) {
    const rv::TestFre kept = *entry(4);
    for (const char* typed : {"380", "50", "4.5.6", "446.0037"}) {
        prompt->asked.clear();
        typeCell(9, 1, typed);
        leave();
        typeCell(4, 2, typed);
        leave();
        EXPECT_EQ(cell(9, 1), "") << typed;
        EXPECT_EQ(cell(4, 2), "435.00000") << typed;
        EXPECT_EQ(prompt->asked, QStringList(2, "Frequency is out of range.")) << typed;
    }
    EXPECT_EQ(entry(9), nullptr);
    EXPECT_EQ(*entry(4), kept);
    // Regression: a command that had the window commit its typing went on past the refusal.
    typeCell(4, 2, "380");
    EXPECT_FALSE(w->commitEdit());
}

TEST_F(SettingsTestFreTest, KeysAndEnterFollowTheGrid) {
    typeCell(10, 1, "4a5x0.-5");
    EXPECT_EQ(editor->text(), "450.5");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(cell(10, 1), "450.50000");
    EXPECT_EQ(grid->currentRow(), 9);
    EXPECT_EQ(grid->currentColumn(), 2);
    QTest::keyClick(editor, Qt::Key_Return); // transmit column goes on to the next row
    EXPECT_EQ(grid->currentRow(), 10);
    EXPECT_EQ(grid->currentColumn(), 1);
    QTest::keyClick(editor, Qt::Key_Return); // empty receive cell: straight to the next row
    EXPECT_EQ(grid->currentRow(), 11);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(ctx.doc().TestFreCount, 7);
}

TEST_F(SettingsTestFreTest, ChineseHeaders) {
    ctx.session.CurLanguage = rv::Chinese;
    w->changeShowByLanguage();
    EXPECT_EQ(w->windowTitle(), "测试频率");
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "信道");
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "发射[MHz]");
}

} // namespace

namespace {

TEST_F(SettingsTestFreTest, ClosingTheWindowKeepsTheCellBeingTyped) {
    typeCell(12, 1, "451");
    QTest::mouseClick(Child<QPushButton>(w.get(), "CommandClose"), Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    ASSERT_NE(entry(12), nullptr);
    EXPECT_EQ(entry(12)->RxFreq.get(), "45100000");
}

} // namespace
