#include "editors/FrmDTMF.h"
#include "editors/FrmEmbMsg.h"

#include "SettingsTestUtil.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>

using namespace rv::test;
using rv::editors::FrmDTMF;
using rv::editors::FrmEmbMsg;

namespace {

class SettingsEmbMsgTest : public SettingsFixture {};

TEST_F(SettingsEmbMsgTest, LinesStoreUpTo32CharactersWithTheNulRule) {
    auto w = open<FrmEmbMsg>();
    auto* line1 = Child<QLineEdit>(w.get(), "Text1_0");
    auto* line2 = Child<QLineEdit>(w.get(), "Text1_1");
    const QString forty = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
    TypeInto(line1, forty);
    EXPECT_EQ(ctx.doc().EmbMsg1.full(), forty.left(32).toStdString());
    TypeInto(line2, "Hi there");
    EXPECT_EQ(ctx.doc().EmbMsg2.full(), std::string("Hi there\0", 9) + std::string(23, ' '));
    TypeInto(line2, "");
    EXPECT_EQ(ctx.doc().EmbMsg2.full(), std::string(1, '\0') + std::string(31, ' '));
}

TEST_F(SettingsEmbMsgTest, NonAsciiAndClipboardKeysHaveNoEffect) {
    auto w = open<FrmEmbMsg>();
    auto* line = Child<QLineEdit>(w.get(), "Text1_0");
    line->setFocus();
    QTest::keyClicks(line, "ab");
    for (const char* wide : {"中", "é"}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(wide));
        QApplication::sendEvent(line, &key);
    }
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(line->text(), "ab");
    EXPECT_EQ(line->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(SettingsEmbMsgTest, CharactersBeyondAsciiAreRefusedHoweverTheyArrive) {
    ctx.doc().EmbMsg1.set("hello");
    auto w = open<FrmEmbMsg>();
    auto* line = Child<QLineEdit>(w.get(), "Text1_0");
    line->setFocus();
    CommitByInputMethod(line, QString::fromUtf8("你好"));
    EXPECT_EQ(line->text(), "hello");
    SlipIn(line, QString::fromUtf8("café"));
    QTest::keyClick(line, Qt::Key_Tab);
    EXPECT_EQ(prompt->asked, QStringList({"Invalid Data"}));
    EXPECT_EQ(ctx.doc().EmbMsg1.get(), "hello");
    EXPECT_EQ(line->text(), "hello");
}

TEST_F(SettingsEmbMsgTest, EnterMovesToTheNextLineAndStores) {
    ctx.doc().EmbMsg2.set("second");
    auto w = open<FrmEmbMsg>();
    auto* line1 = Child<QLineEdit>(w.get(), "Text1_0");
    EXPECT_EQ(Child<QLineEdit>(w.get(), "Text1_1")->text(), "second");
    line1->setFocus();
    QTest::keyClicks(line1, "first");
    QTest::keyClick(line1, Qt::Key_Return);
    EXPECT_TRUE(Child(w.get(), "Text1_1")->hasFocus());
    EXPECT_EQ(ctx.doc().EmbMsg1.get(), "first");
}

class SettingsDtmfTest : public SettingsFixture {
protected:
    /// Clicks a code cell of the autodial grid, types the keys and leaves with Enter.
    void typeAutodial(QWidget* w, int row, const QString& keys) {
        auto* grid = Child<QTableWidget>(w, "MSFlexGrid1");
        Child<QTabWidget>(w, "SSTab1")->setCurrentIndex(2);
        const QRect r = grid->visualItemRect(grid->item(row - 1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        auto* editor = Child<QLineEdit>(w, "Text3");
        ASSERT_TRUE(editor->isVisible());
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    std::vector<std::pair<int, std::string>> autodial() const {
        std::vector<std::pair<int, std::string>> v;
        const auto& d = ctx.session.Doc;
        for (int i = 0; i < d.DtmfCodeCount; ++i)
            v.emplace_back(d.DtmfCodes[i].No, d.DtmfCodes[i].Code.get());
        return v;
    }
};

TEST_F(SettingsDtmfTest, ShortIdCodeIsRefusedAndTheKeptCodeShown) {
    ctx.doc().DtmfInfo.IdCode.assign("4711");
    auto w = open<FrmDTMF>();
    Child<QTabWidget>(w.get(), "SSTab1")->setCurrentIndex(1);
    auto* id = Child<QLineEdit>(w.get(), "Text1");
    EXPECT_EQ(id->text(), "4711");
    TypeInto(id, "12");
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_EQ(prompt->asked[0], "Invalid Data");
    EXPECT_EQ(id->text(), "4711");
    EXPECT_EQ(ctx.doc().DtmfInfo.IdCode.get(), "4711");

    TypeInto(id, "9x8a7654321");
    EXPECT_EQ(id->text(), "987654321");
    EXPECT_EQ(ctx.doc().DtmfInfo.IdCode.full(), "987654321 ");
}

TEST_F(SettingsDtmfTest, StunCodeTakesDtmfDigitsWithNul) {
    auto w = open<FrmDTMF>();
    Child<QTabWidget>(w.get(), "SSTab1")->setCurrentIndex(1);
    TypeInto(Child<QLineEdit>(w.get(), "Text2"), "aE#1");
    EXPECT_EQ(Child<QLineEdit>(w.get(), "Text2")->text(), "A#1");
    EXPECT_EQ(ctx.doc().DtmfInfo.StunCode.full(), std::string("A#1\0", 4) + "      ");
}

TEST_F(SettingsDtmfTest, CodesArrivingWithoutKeysAreRefused) {
    ctx.doc().DtmfInfo.IdCode.assign("4711");
    ctx.doc().DtmfInfo.StunCode.set("12");
    auto w = open<FrmDTMF>();
    Child<QTabWidget>(w.get(), "SSTab1")->setCurrentIndex(1);
    auto* id = Child<QLineEdit>(w.get(), "Text1");
    auto* stun = Child<QLineEdit>(w.get(), "Text2");
    for (QLineEdit* box : {id, stun}) {
        box->setFocus();
        CommitByInputMethod(box, "9");
        EXPECT_EQ(box->text(), box == id ? "4711" : "12") << "input method";
        SlipIn(box, box == id ? "000ABCDEF" : "ABCDEF");
        QTest::keyClick(box, Qt::Key_Tab);
    }
    EXPECT_EQ(prompt->asked, QStringList({"Invalid Data", "Invalid Data"}));
    EXPECT_EQ(ctx.doc().DtmfInfo.IdCode.get(), "4711");
    EXPECT_EQ(ctx.doc().DtmfInfo.StunCode.get(), "12");
    EXPECT_EQ(stun->text(), "12");
}

TEST_F(SettingsDtmfTest, ClearingAnAutodialRowMovesLaterEntriesUp) {
    auto w = open<FrmDTMF>();
    typeAutodial(w.get(), 3, "123");
    typeAutodial(w.get(), 1, "a*");
    typeAutodial(w.get(), 5, "555");
    using V = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(autodial(), (V{{3, "123"}, {1, "A*"}, {5, "555"}}));

    typeAutodial(w.get(), 3, "");
    EXPECT_EQ(autodial(), (V{{1, "A*"}, {5, "555"}}));
    EXPECT_EQ(Child<QTableWidget>(w.get(), "MSFlexGrid1")->item(2, 1)->text(), "");

    typeAutodial(w.get(), 5, "12345678901234567890");
    EXPECT_EQ(autodial(), (V{{1, "A*"}, {5, "1234567890123456"}}));
}

TEST_F(SettingsDtmfTest, EmptyAutodialRowMakesNoEntry) {
    auto w = open<FrmDTMF>();
    typeAutodial(w.get(), 2, "5\b");
    typeAutodial(w.get(), 4, "#\b");
    EXPECT_EQ(ctx.doc().DtmfCodeCount, 0);
}

TEST_F(SettingsDtmfTest, StoredEntriesShowInTheirRows) {
    auto& d = ctx.doc();
    d.DtmfCodeCount = 2;
    d.DtmfCodes[0].No = 7;
    d.DtmfCodes[0].Code.set("77");
    d.DtmfCodes[1].No = 2;
    d.DtmfCodes[1].Code.set("2#");
    auto w = open<FrmDTMF>();
    auto* grid = Child<QTableWidget>(w.get(), "MSFlexGrid1");
    EXPECT_EQ(grid->item(6, 1)->text(), "77");
    EXPECT_EQ(grid->item(1, 1)->text(), "2#");
    EXPECT_EQ(grid->item(0, 1)->text(), "");
    EXPECT_FALSE(Child(w.get(), "Text3")->isVisible());
}

} // namespace
