#include "ChannelFixture.h"

#include "editors/ChannelTableModel.h"

namespace {

using M = rv::editors::ChannelTableModel;
using rv::test::ChannelFixture;

class ChannelGridTest : public ChannelFixture {};

TEST_F(ChannelGridTest, LoadingShowsLayoutCaptionAndOpensTheFirstReceiveCell) {
    auto* g = openGrid();
    auto* view = child<QTableView>(g, "MSFlexGrid1");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->model()->rowCount(), 16);
    EXPECT_EQ(view->model()->columnCount(), 11);
    EXPECT_TRUE(view->isColumnHidden(M::OptSignal));
    EXPECT_TRUE(view->isColumnHidden(M::PttId));
    EXPECT_EQ(view->model()->headerData(M::TxFreq, Qt::Horizontal).toString(), "TX FreQuency");
    EXPECT_EQ(cell(g, 16, M::ChNo), "16");
    EXPECT_EQ(cell(g, 7, M::More), ">>");
    EXPECT_EQ(g->windowTitle(), "Channel Information[Channel - 1]");
    EXPECT_EQ(current(g), std::make_pair(1, int(M::RxFreq)));
    ASSERT_NE(text1(g), nullptr);
    EXPECT_EQ(text1(g)->objectName(), "Text1");
}

TEST_F(ChannelGridTest, TypingAReceiveFrequencyCreatesTheChannelAndLeavesTxToTheUser) {
    auto* g = openGrid();
    g->setCurrentCell(5, M::RxFreq);
    EXPECT_EQ(g->windowTitle(), "Channel Information[Channel - 5]");
    QTest::keyClicks(text1(g), "146.5");
    QTest::keyClick(text1(g), Qt::Key_Return);

    ASSERT_EQ(doc().ChannelCount, 1);
    ASSERT_NE(channel(5), nullptr);
    EXPECT_EQ(channel(5)->RxFreq.get(), "14650000");
    const char* want[] = {"5", "146.50000", "", "None", "", "High", "Yes", "None", "Off", "Wide"};
    for (int c = 0; c <= M::WideNarrow; ++c)
        EXPECT_EQ(cell(g, 5, c), want[c]) << "column " << c;
    EXPECT_EQ(current(g), std::make_pair(5, int(M::TxFreq)));
    ASSERT_NE(text1(g), nullptr);
    // The receive frequency is a hint in the empty box; passing on stores no TX.
    EXPECT_EQ(text1(g)->text(), "");
    EXPECT_EQ(text1(g)->placeholderText(), "146.50000");
    QTest::keyClick(text1(g), Qt::Key_Return);
    EXPECT_EQ(channel(5)->TxFreq.get(), "FFFFFFFF");
    EXPECT_TRUE(prompt->asked.isEmpty());
}

TEST_F(ChannelGridTest, SettingsOfARowWithoutReceiveFrequencySendTheCursorToRx) {
    auto* g = openGrid();
    for (int c = M::TxFreq; c <= M::WideNarrow; ++c) {
        g->setCurrentCell(1, M::RxFreq);
        g->setCurrentCell(7, c);
        EXPECT_EQ(current(g), std::make_pair(7, int(M::RxFreq))) << "column " << c;
        ASSERT_NE(text1(g), nullptr);
    }
    EXPECT_EQ(doc().ChannelCount, 0);
}

TEST_F(ChannelGridTest, EncodeCellWithoutTransmitFrequencyMovesToTx) {
    addChannel(2, "146");
    auto* g = openGrid();
    g->setCurrentCell(2, M::Enc);
    EXPECT_EQ(current(g), std::make_pair(2, int(M::TxFreq)));
    ASSERT_NE(text1(g), nullptr);
    EXPECT_EQ(text1(g)->text(), "") << "no pre-fill when not coming from RX";
}

TEST_F(ChannelGridTest, ClearingReceiveFrequencyDeletesOnlyThatChannel) {
    for (int n = 1; n <= 4; ++n)
        addChannel(n, QByteArray::number(145 + n).constData());
    auto* g = openGrid();
    g->setCurrentCell(3, M::RxFreq);
    typeAndEnter(text1(g), "");
    EXPECT_EQ(doc().ChannelCount, 3);
    EXPECT_EQ(channel(3), nullptr);
    EXPECT_EQ(cell(g, 3, M::RxFreq), "");
    EXPECT_EQ(cell(g, 1, M::RxFreq), "146.00000");
    EXPECT_EQ(cell(g, 2, M::RxFreq), "147.00000");
    EXPECT_EQ(cell(g, 4, M::RxFreq), "149.00000");
    EXPECT_EQ(current(g), std::make_pair(4, int(M::RxFreq)));
}

TEST_F(ChannelGridTest, ClearingTransmitFrequencyResetsEncodeTone) {
    addChannel(1, "146", "146.6");
    rv::SetChannelField(session(), 1, rv::ChannelFieldKind::TxCode, "67.0");
    auto* g = openGrid();
    EXPECT_EQ(cell(g, 1, M::Enc), "67.0");
    g->setCurrentCell(1, M::TxFreq);
    typeAndEnter(text1(g), "");
    EXPECT_EQ(channel(1)->TxFreq.get(), "FFFFFFFF");
    EXPECT_EQ(channel(1)->AuxBit4, 1);
    EXPECT_EQ(channel(1)->TxCode.get(), "FFFF");
    EXPECT_EQ(cell(g, 1, M::Enc), "");
}

TEST_F(ChannelGridTest, EnterWalksTheVisibleColumnsAndWrapsFromRow16) {
    addChannel(16, "150", "150");
    auto* g = openGrid();
    g->setCurrentCell(16, M::RxFreq);
    const int walk[] = {M::TxFreq, M::Dec, M::Enc, M::Power, M::ScanAdd, M::WideNarrow};
    for (int want : walk) {
        QTest::keyClick(g->openEditor(), Qt::Key_Return);
        EXPECT_EQ(current(g), std::make_pair(16, want));
    }
    auto* combo = qobject_cast<QComboBox*>(g->openEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->objectName(), "Combo3_0");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(current(g), std::make_pair(1, int(M::RxFreq)));
    ASSERT_NE(text1(g), nullptr);
    // Enter in an empty RX cell goes down a row without creating anything.
    QTest::keyClick(text1(g), Qt::Key_Return);
    EXPECT_EQ(current(g), std::make_pair(2, int(M::RxFreq)));
    EXPECT_EQ(doc().ChannelCount, 1);
}

TEST_F(ChannelGridTest, FrequencyBoxTakesOnlyDigitsAndPointAndNoPaste) {
    auto* g = openGrid();
    QApplication::clipboard()->setText("146.5");
    QLineEdit* box = text1(g);
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, "a1b4-6 .x5");
    EXPECT_EQ(box->text(), "146.5");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), "146.5");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "146.5");
    QTest::keyClick(box, Qt::Key_End);
    for (const char* wide : {"é", "频"})
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUtf8(wide),
                            Qt::NoModifier);
    QTest::keyClicks(box, "25000");
    EXPECT_EQ(box->text(), "146.52500") << "nine characters at most";
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "146.5250");
    EXPECT_EQ(doc().ChannelCount, 0);
}

TEST_F(ChannelGridTest, OutOfRangeFrequencyWarnsAndIsCorrected) {
    auto* g = openGrid();
    typeAndEnter(text1(g), "95");
    ASSERT_EQ(prompt->asked, QStringList{"Frequency is out of range."});
    EXPECT_EQ(cell(g, 1, M::RxFreq), "136.00000");
    // TX starts from the corrected RX; an off-raster value is stepped without a warning.
    typeAndEnter(text1(g), "146.0070");
    EXPECT_EQ(cell(g, 1, M::TxFreq), "146.00500");
    EXPECT_EQ(prompt->asked.size(), 1);
}

TEST_F(ChannelGridTest, PassingThroughCellsWritesNothing) {
    addChannel(1, "146.525", "146.525");
    // A storage text in its short form must survive being looked at.
    doc().Channels[0].RxFreq.set("146525");
    session().SavedCopy = doc();
    auto* g = openGrid();
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(g->openEditor(), Qt::Key_Return);
    EXPECT_TRUE(rv::IsUnchanged(session()));
}

TEST_F(ChannelGridTest, ChoosingInADropDownCommitsAndLanguageSwitchRedraws) {
    addChannel(1, "146", "146");
    auto* g = openGrid();
    g->setCurrentCell(1, M::Power);
    auto* combo = qobject_cast<QComboBox*>(g->openEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->objectName(), "Combo2_0");
    EXPECT_FALSE(combo->isEditable());
    choose(combo, "Low");
    EXPECT_EQ(channel(1)->TxPower, 0);
    EXPECT_EQ(cell(g, 1, M::Power), "Low");

    const rv::RadioData before = doc();
    session().CurLanguage = rv::Chinese;
    g->changeShowByLanguage();
    EXPECT_EQ(g->windowTitle(), QString::fromUtf8("信道信息[信道 - 1]"));
    auto* view = child<QTableView>(g, "MSFlexGrid1");
    EXPECT_EQ(view->model()->headerData(M::ChNo, Qt::Horizontal).toString(),
              QString::fromUtf8("信道"));
    EXPECT_EQ(cell(g, 1, M::Power), QString::fromUtf8("低"));
    EXPECT_EQ(cell(g, 1, M::Dec), QString::fromUtf8("无"));
    EXPECT_EQ(cell(g, 1, M::WideNarrow), QString::fromUtf8("宽带"));
    EXPECT_EQ(child<QPushButton>(g, "CommandCHInfoEdit")->text(), QString::fromUtf8("信道编辑"));
    EXPECT_EQ(doc(), before);
}

} // namespace

namespace {

using M = rv::editors::ChannelTableModel;

class ChannelGridFocusTest : public rv::test::ChannelFixture {};

// In an active window the editor commits when the user clicks elsewhere.
TEST_F(ChannelGridFocusTest, ClickingAnotherCellCommitsTheTypedText) {
    auto* g = openGrid();
    g->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    g->setCurrentCell(3, M::RxFreq);
    QTest::keyClicks(text1(g), "147.5");
    auto* view = child<QTableView>(g, "MSFlexGrid1");
    const QRect target = view->visualRect(view->model()->index(5, M::RxFreq));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, target.center());
    ASSERT_NE(channel(3), nullptr);
    EXPECT_EQ(channel(3)->RxFreq.get(), "14750000");
    EXPECT_EQ(current(g), std::make_pair(6, int(M::RxFreq)));
    ASSERT_NE(text1(g), nullptr);
    EXPECT_TRUE(text1(g)->hasFocus());
    // Clicking the row's Enc cell without TX goes to TX, pre-filled from RX only when
    // coming straight from RX.
    const QRect enc = view->visualRect(view->model()->index(2, M::Enc));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, enc.center());
    EXPECT_EQ(current(g), std::make_pair(3, int(M::TxFreq)));
    EXPECT_EQ(doc().ChannelCount, 1);
}

} // namespace

namespace {

class ChannelGridDamageTest : public rv::test::ChannelFixture {};

// Regression: a damaged frequency text must be reported when the grid is filled, not on
// every paint (which would stack message boxes without end).
TEST_F(ChannelGridDamageTest, DamagedFrequencyIsReportedOncePerFillNotPerPaint) {
    addChannel(4, "146");
    addChannel(7, "147");
    doc().Channels[0].RxFreq.set("14x52500");
    doc().Channels[1].TxFreq.set("1?");
    QStringList shown;
    session().onMessage = [&](rv::Msg m) {
        shown << QString::fromStdString(rv::MsgText(m, 1) + "\n" + session().MessageDetail);
    };
    auto* g = openGrid();
    // One message for all damaged fields, naming each.
    EXPECT_EQ(shown, QStringList{"Not IsNumeric\nNot a number, shown as the lower band edge: "
                                 "channel 4 RX frequency, channel 7 TX frequency."});
    g->grab();
    g->grab();
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(cell(g, 4, rv::editors::ChannelTableModel::RxFreq), "136") << "the lower band edge";
    g->reShow();
    EXPECT_EQ(shown.size(), 2);
}

} // namespace

namespace {

TEST_F(ChannelGridDamageTest, BlankRowOfAFullDamagedListSaysWhyNothingIsStored) {
    for (int n = 1; n <= 16; ++n)
        addChannel(n, "146");
    doc().Channels[4].ChNo = 0; // channel 5's record, damaged
    auto* g = openGrid();
    g->setCurrentCell(5, rv::editors::ChannelTableModel::RxFreq);
    typeAndEnter(text1(g), "147");
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_TRUE(
        prompt->asked[0].startsWith("Channel not added: all 16 channel records are in use"));
    EXPECT_EQ(cell(g, 5, rv::editors::ChannelTableModel::RxFreq), "");
}

} // namespace
