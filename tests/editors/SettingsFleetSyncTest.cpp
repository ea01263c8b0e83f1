#include "editors/FrmFleetSync.h"

#include "SettingsTestUtil.h"

#include <QTabWidget>
#include <QTableWidget>

using namespace rv::test;
using rv::editors::FrmFleetSync;

namespace {

class SettingsFleetSyncTest : public SettingsFixture {
protected:
    /// Clicks a cell of the fleet list (row 1..8, column 1 fleet / 2 ID), types, leaves.
    void typeCell(QWidget* w, int row, int col, const QString& keys) {
        Child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
        auto* grid = Child<QTableWidget>(w, "MSFlexGrid1");
        const QRect r = grid->visualItemRect(grid->item(row - 1, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        auto* editor = Child<QLineEdit>(w, "Text1");
        ASSERT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->selectedText(), editor->text());
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    static QString cell(QWidget* w, int row, int col) {
        return Child<QTableWidget>(w, "MSFlexGrid1")->item(row - 1, col)->text();
    }
    std::vector<std::array<int, 3>> fleets() const {
        std::vector<std::array<int, 3>> v;
        const auto& d = ctx.session.Doc;
        for (int i = 0; i < d.FleetCount; ++i)
            v.push_back({d.Fleets[i].Slot, d.Fleets[i].Fleet, d.Fleets[i].IdValue});
        return v;
    }
    using Fleets = std::vector<std::array<int, 3>>;
};

TEST_F(SettingsFleetSyncTest, ChoosingAFleetGivesTheFirstId) {
    auto w = open<FrmFleetSync>();
    auto* fleet = Box(w.get(), "Combo1_0");
    auto* id = Box(w.get(), "Combo1_1");
    EXPECT_EQ(Shown(fleet), " ");
    EXPECT_EQ(Shown(id), " ");
    Choose(fleet, "100");
    EXPECT_EQ(Shown(id), "1000");
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnFleet, 1);
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnId, 1);
    EXPECT_EQ(fleet->findText(" "), -1);
    EXPECT_EQ(id->findText(" "), -1);
    Choose(id, "4999");
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnId, 4000);
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnFleet, 1);
}

TEST_F(SettingsFleetSyncTest, ChoosingAnIdWithoutFleetGivesTheFirstFleet) {
    auto w = open<FrmFleetSync>();
    Choose(Box(w.get(), "Combo1_1"), "1500");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_0")), "100");
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnFleet, 1);
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnId, 501);
}

TEST_F(SettingsFleetSyncTest, BlankIdLeavesNoFleetAndBlankFleetClearsId) {
    auto w = open<FrmFleetSync>();
    Choose(Box(w.get(), "Combo1_1"), " ");
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnFleet, 255);
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnId, 0);
    Choose(Box(w.get(), "Combo1_0"), " ");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_1")), " ");
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnFleet, 255);
    EXPECT_EQ(ctx.doc().FleetSyncInfo.OwnId, 0);
}

TEST_F(SettingsFleetSyncTest, StoredOwnFleetShowsWithoutBlanks) {
    ctx.doc().FleetSyncInfo.OwnFleet = 250;
    ctx.doc().FleetSyncInfo.OwnId = 4000;
    auto w = open<FrmFleetSync>();
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_0")), "349");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_1")), "4999");
    EXPECT_EQ(Box(w.get(), "Combo1_0")->count(), 250);
}

TEST_F(SettingsFleetSyncTest, ListNumbersOutsideTheRangeAreRefusedOthersPairedWithAll) {
    auto w = open<FrmFleetSync>();
    typeCell(w.get(), 3, 1, "50");
    EXPECT_EQ(prompt->asked, QStringList({"Invalid Data"}));
    EXPECT_EQ(cell(w.get(), 3, 1), "");
    EXPECT_TRUE(fleets().empty());
    typeCell(w.get(), 3, 1, "100");
    EXPECT_EQ(cell(w.get(), 3, 2), "All");
    typeCell(w.get(), 3, 2, "5000");
    EXPECT_EQ(cell(w.get(), 3, 2), "All");
    typeCell(w.get(), 3, 2, "4999");
    typeCell(w.get(), 1, 1, "150");
    EXPECT_EQ(fleets(), (Fleets{{3, 1, 4000}, {1, 51, 0}}));
    typeCell(w.get(), 5, 2, "a");
    EXPECT_EQ(cell(w.get(), 5, 1), "All");
    EXPECT_EQ(cell(w.get(), 5, 2), "All");
    EXPECT_EQ(fleets(), (Fleets{{3, 1, 4000}, {1, 51, 0}, {5, 0, 0}}));
}

TEST_F(SettingsFleetSyncTest, ClearingACellClearsTheRowAndItsEntry) {
    auto& d = ctx.doc();
    d.FleetCount = 3;
    d.Fleets[0] = {2, 51, 0};
    d.Fleets[1] = {4, 1, 1};
    d.Fleets[2] = {6, 0, 4000};
    auto w = open<FrmFleetSync>();
    EXPECT_EQ(cell(w.get(), 2, 1), "150");
    EXPECT_EQ(cell(w.get(), 2, 2), "All");
    EXPECT_EQ(cell(w.get(), 6, 1), "All");
    EXPECT_EQ(cell(w.get(), 6, 2), "4999");
    typeCell(w.get(), 4, 2, "\b");
    EXPECT_EQ(cell(w.get(), 4, 1), "");
    EXPECT_EQ(fleets(), (Fleets{{2, 51, 0}, {6, 0, 4000}}));
}

TEST_F(SettingsFleetSyncTest, CellKeysKeepNumbersShortAndAllWhole) {
    auto w = open<FrmFleetSync>();
    Child<QTabWidget>(w.get(), "SSTab1")->setCurrentIndex(1);
    auto* grid = Child<QTableWidget>(w.get(), "MSFlexGrid1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(0, 1)).center());
    auto* editor = Child<QLineEdit>(w.get(), "Text1");
    QTest::keyClicks(editor, "1x2*345");
    EXPECT_EQ(editor->text(), "123");
    QTest::keyClicks(editor, "a");
    EXPECT_EQ(editor->text(), "123");
    editor->selectAll();
    QTest::keyClicks(editor, "a");
    EXPECT_EQ(editor->text(), "A");
    QTest::keyClicks(editor, "7");
    EXPECT_EQ(editor->text(), "A");
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid->item(0, 1)->text(), "All");
}

TEST_F(SettingsFleetSyncTest, PastedLettersNeverReachTheList) {
    auto w = open<FrmFleetSync>();
    typeCell(w.get(), 2, 1, "a");
    ASSERT_EQ(fleets(), (Fleets{{2, 0, 0}}));
    Child<QTableWidget>(w.get(), "MSFlexGrid1")->setCurrentCell(1, 2);
    auto* editor = Child<QLineEdit>(w.get(), "Text1");
    CommitByInputMethod(editor, "12");
    EXPECT_EQ(editor->text(), "All");
    SlipIn(editor, "ABCDEF");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(prompt->asked, QStringList({"Invalid Data"}));
    EXPECT_EQ(fleets(), (Fleets{{2, 0, 0}}));
    EXPECT_EQ(cell(w.get(), 2, 2), "All");
}

} // namespace
