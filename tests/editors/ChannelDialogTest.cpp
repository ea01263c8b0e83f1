#include "ChannelFixture.h"

#include "editors/ChannelTableModel.h"

namespace {

using M = rv::editors::ChannelTableModel;
using rv::test::ChannelFixture;

class ChannelDialogTest : public ChannelFixture {
protected:
    QComboBox* box(rv::editors::FrmCHInfoEdit* d, int i) {
        return child<QComboBox>(d, QStringLiteral("Combo2_%1").arg(i).toLatin1().constData());
    }
    QCheckBox* check(rv::editors::FrmCHInfoEdit* d, int i) {
        return child<QCheckBox>(d, QStringLiteral("Check1_%1").arg(i).toLatin1().constData());
    }
    void select(rv::editors::FrmCHInfoEdit* d, int chNo) {
        choose(child<QComboBox>(d, "Combo1"), QString::number(chNo));
        ASSERT_EQ(d->channel(), chNo);
    }
};

TEST_F(ChannelDialogTest, EmptySlotShowsBlankDisabledControls) {
    addChannel(1, "146");
    auto* d = openDialog();
    EXPECT_EQ(d->windowTitle(), "Channel");
    select(d, 9);
    EXPECT_EQ(child<QLineEdit>(d, "Text1")->text(), "");
    EXPECT_TRUE(child<QLineEdit>(d, "Text1")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(d, "Text2")->text(), "");
    EXPECT_FALSE(child<QLineEdit>(d, "Text2")->isEnabled());
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(box(d, i)->currentText(), " ") << i;
        EXPECT_FALSE(box(d, i)->isEnabled()) << i;
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(check(d, i)->isChecked()) << i;
        EXPECT_FALSE(check(d, i)->isEnabled()) << i;
    }
    EXPECT_TRUE(check(d, 2)->isHidden()) << "the compander is not offered";
}

TEST_F(ChannelDialogTest, TypingReceiveFrequencyCreatesTheChannelWithDefaults) {
    auto* d = openDialog();
    select(d, 4);
    auto* rx = child<QLineEdit>(d, "Text1");
    QTest::keyClicks(rx, "146.00625");
    // Regression: the dialog's boxes took eight characters and cut 6.25 kHz channels.
    QTest::keyClicks(rx, "5");
    EXPECT_EQ(rx->text(), "146.00625");
    QTest::keyClick(rx, Qt::Key_Return);
    ASSERT_NE(channel(4), nullptr);
    EXPECT_EQ(channel(4)->RxFreq.get(), "14600625");
    EXPECT_EQ(rx->text(), "146.00625");
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(box(d, i)->isEnabled()) << i;
    EXPECT_EQ(box(d, 0)->currentText(), "None");
    EXPECT_EQ(box(d, 1)->currentText(), "None") << "no TX yet, yet encode stays enabled";
    EXPECT_EQ(box(d, 4)->currentText(), "High");
    EXPECT_EQ(box(d, 5)->currentText(), "Wide");
    EXPECT_EQ(box(d, 8)->currentText(), "1");
    EXPECT_TRUE(check(d, 1)->isChecked());
    EXPECT_FALSE(check(d, 0)->isChecked());
}

struct ListCase {
    const char* decode;
    const char* opt;
    QStringList unmute;
    QStringList lockout;
};

TEST_F(ChannelDialogTest, UnmuteAndLockoutListsFollowDecodeToneAndOptionSignalling) {
    addChannel(1, "146");
    auto* d = openDialog();
    select(d, 1);
    const ListCase cases[] = {
        {"None", "None", {"Carrier"}, {"Off", "Carrier"}},
        {"67.0", "None", {"QT/DQT"}, {"Off", "Carrier", "QT/DQ"}},
        {"None",
         "DTMF",
         {"Carrier", "Carrier + Opt.Sig.", "Carrier or Opt.Sig"},
         {"Off", "Carrier", "Option Signalling"}},
        {"D023N",
         "FleetSync",
         {"QT/DQT", "QT/DQT + Opt.Sig.", "QT/DQT or Opt.Sig"},
         {"Off", "Carrier", "QT/DQ", "Option Signalling"}},
    };
    for (const auto& c : cases) {
        choose(box(d, 0), c.decode);
        choose(box(d, 2), c.opt);
        EXPECT_EQ(items(box(d, 3)), c.unmute) << c.decode << " / " << c.opt;
        EXPECT_EQ(items(box(d, 6)), c.lockout) << c.decode << " / " << c.opt;
    }
}

TEST_F(ChannelDialogTest, RemovingDecodeToneTurnsToneLockoutIntoCarrier) {
    addChannel(1, "146");
    auto* d = openDialog();
    select(d, 1);
    choose(box(d, 0), "67.0");
    choose(box(d, 6), "QT/DQ");
    EXPECT_EQ(channel(1)->BusyLockout, 2);
    choose(box(d, 0), "None");
    EXPECT_EQ(channel(1)->BusyLockout, 1);
    EXPECT_EQ(box(d, 6)->currentText(), "Carrier");
}

TEST_F(ChannelDialogTest, OptionSignallingNoneClearsWhatDependsOnIt) {
    addChannel(1, "146");
    auto* d = openDialog();
    select(d, 1);
    choose(box(d, 2), "DTMF");
    choose(box(d, 6), "Option Signalling");
    choose(box(d, 3), "Carrier or Opt.Sig");
    EXPECT_EQ(box(d, 6)->currentText(), "Option Signalling");
    EXPECT_EQ(channel(1)->SpUnmute, 2);
    choose(box(d, 2), "None");
    EXPECT_EQ(channel(1)->BusyLockout, 0);
    EXPECT_EQ(channel(1)->SpUnmute, 0);
    EXPECT_EQ(box(d, 6)->currentText(), "Off");
}

TEST_F(ChannelDialogTest, StoredLockoutNotOfferedShowsOffAndStaysStored) {
    addChannel(1, "146");
    doc().Channels[0].BusyLockout = 2; // a tone lockout without a decode tone, from a file
    auto* d = openDialog();
    select(d, 1);
    EXPECT_EQ(box(d, 6)->currentText(), "Off");
    EXPECT_EQ(channel(1)->BusyLockout, 2);
}

TEST_F(ChannelDialogTest, ClearingTransmitFrequencyKeepsEncodeBoxEnabled) {
    addChannel(1, "146", "146.6");
    auto* d = openDialog();
    select(d, 1);
    auto* tx = child<QLineEdit>(d, "Text2");
    EXPECT_EQ(tx->text(), "146.60000");
    typeAndEnter(tx, "");
    EXPECT_EQ(channel(1)->TxFreq.get(), "FFFFFFFF");
    EXPECT_EQ(channel(1)->AuxBit4, 1);
    EXPECT_TRUE(box(d, 1)->isEnabled());
}

TEST_F(ChannelDialogTest, CheckBoxesCommitTheirFlags) {
    addChannel(1, "146");
    auto* d = openDialog();
    select(d, 1);
    QTest::mouseClick(check(d, 0), Qt::LeftButton);
    QTest::mouseClick(check(d, 1), Qt::LeftButton);
    EXPECT_EQ(channel(1)->BeatShift, 1);
    EXPECT_EQ(channel(1)->ScanAdd, 0);
    choose(box(d, 8), "8");
    EXPECT_EQ(channel(1)->AutodialMem, 7);
}

TEST_F(ChannelDialogTest, GridAndDialogStayInStep) {
    addChannel(1, "146");
    addChannel(2, "147");
    auto* g = openGrid();
    g->setCurrentCell(2, M::More);
    rv::editors::FrmCHInfoEdit* d = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<rv::editors::FrmCHInfoEdit*>(w)) d = e;
    ASSERT_NE(d, nullptr) << "the more column opens the dialog";
    EXPECT_EQ(d->channel(), 2);

    g->setCurrentCell(1, M::RxFreq);
    EXPECT_EQ(d->channel(), 1) << "the dialog follows the grid's row";
    choose(box(d, 4), "Low");
    EXPECT_EQ(cell(g, 1, M::Power), "Low") << "the grid follows the dialog's commit";

    // A commit in the grid reloads the dialog.
    typeAndEnter(text1(g), "146.5");
    EXPECT_EQ(child<QLineEdit>(d, "Text1")->text(), "146.50000");

    session().CurLanguage = rv::Chinese;
    d->changeShowByLanguage();
    EXPECT_EQ(d->windowTitle(), QString::fromUtf8("信道编辑"));
    EXPECT_EQ(box(d, 4)->currentText(), QString::fromUtf8("低"));
    EXPECT_EQ(child<QLabel>(d, "Label2_5")->text(), QString::fromUtf8("SP不静音"));
}

} // namespace

namespace {

class ChannelDialogFocusTest : public rv::test::ChannelFixture {};

// Enter commits and moves on; passing through the empty TX box stores nothing.
TEST_F(ChannelDialogFocusTest, EnterMovesOnAndAnEmptyTxStaysEmpty) {
    auto* d = openDialog();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    auto* selector = child<QComboBox>(d, "Combo1");
    choose(selector, "6");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Return);
    auto* rx = child<QLineEdit>(d, "Text1");
    auto* tx = child<QLineEdit>(d, "Text2");
    EXPECT_TRUE(rx->hasFocus());
    QTest::keyClicks(rx, "146.5");
    QTest::keyClick(rx, Qt::Key_Return);
    ASSERT_NE(channel(6), nullptr);
    EXPECT_TRUE(tx->hasFocus());
    EXPECT_EQ(tx->text(), "");
    EXPECT_EQ(tx->placeholderText(), "146.50000");
    QTest::keyClick(tx, Qt::Key_Tab);
    EXPECT_EQ(channel(6)->TxFreq.get(), "FFFFFFFF");
    tx->setFocus();
    QTest::keyClicks(tx, "147");
    QTest::keyClick(tx, Qt::Key_Return);
    EXPECT_EQ(channel(6)->TxFreq.get(), "14700000");
    EXPECT_EQ(channel(6)->AuxBit4, 0);
}

} // namespace
