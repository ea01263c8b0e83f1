// The test mode and tuning windows on a line whose radio the test plays by hand.
#include "PtyLine.h"
#include "WindowLookup.h"
#include "link/FakeTestPort.h"
#include "service/FrmTestMode.h"
#include "service/FrmTestModePara.h"
#include "service/Lamp.h"
#include "service/TestModeHost.h"
#include "service/TuneCurve.h"
#include "support/ScriptedPrompt.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using rv::link::Bytes;
using rv::test::Hex;
using namespace rv::ui;
using namespace rv::service;

namespace {

using rv::test::Child;

class TestModeWindowsTest : public ::testing::Test {
protected:
    AppContext ctx;
    rv::test::ScriptedPrompt* prompt = new rv::test::ScriptedPrompt;
    rv::test::PtyLine line;
    std::unique_ptr<TestModeHost> host;
    FrmTestMode* window = nullptr;

    void SetUp() override {
        ctx.setPrompt(prompt);
        host = std::make_unique<TestModeHost>(ctx, nullptr);
        QString error;
        ASSERT_TRUE(host->openPort(line.path(), &error)) << error.toStdString();
        auto& st = host->state();
        st.RadioTestFres = {{1, "43505000", "43510000"}, {4, "40005000", "40010000"}};
        window = new FrmTestMode(ctx, *host);
        window->show();
    }
    void TearDown() override {
        if (window) {
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            delete window;
        }
        host.reset();
    }

    QPushButton* button(const char* name) { return Child<QPushButton>(window, name); }
    bool lit(int lamp) {
        return Child<Lamp>(window, QStringLiteral("Picture1_%1").arg(lamp).toLatin1())->lit();
    }
    /// Expects exactly these bytes next on the line and acknowledges them.
    void expectAcked(const char* bytes) {
        const auto want = Hex(bytes);
        EXPECT_EQ(line.read(want.size()), want);
        line.reply({0x06});
    }
    /// Waits until the program has worked off everything it sent, replies included.
    void settle() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return host->engine().sendList().empty(); }, 10000));
    }
    void keyDown() {
        button("CommandPTT")->click();
        expectAcked("08 0E");
        settle();
    }
    void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void openTuning(int item) {
        auto& st = host->state();
        st.TuneItem = item;
        st.TunePoints = {};
        for (int pt : rv::link::PointsOfCount(rv::link::TunePointCount(item, st.WideMode))) {
            st.TunePoints.Address[static_cast<std::size_t>(pt)] = rv::link::TuneAddress(item, pt);
            st.TunePoints.Value[static_cast<std::size_t>(pt)] = 100 + 10 * pt;
        }
        if (item == 1) st.TunePoints.Value[5] = 250;
        st.TuneValues = st.TunePoints.Value;
        emit host->tuningWindowDue();
        ASSERT_NE(window->tuningWindow(), nullptr);
    }
};

TEST_F(TestModeWindowsTest, LoadingShowsTheFirstChannelAndSignalling) {
    EXPECT_EQ(Child<QComboBox>(window, "Combo1_0")->count(), 2);
    EXPECT_EQ(Child<QComboBox>(window, "Combo1_1")->count(), 9);
    EXPECT_EQ(Child<QLabel>(window, "LabelChannelRx")->text(), "435.05000");
    EXPECT_EQ(Child<QLabel>(window, "LabelSignalTx")->text(), "None");
    EXPECT_EQ(Child<QListWidget>(window, "List1")->count(), 15);
    EXPECT_FALSE(button("CommandTune")->isEnabled()); // until an item is chosen
    EXPECT_TRUE(lit(0) && lit(2) && lit(4));
    EXPECT_FALSE(lit(1) || lit(3) || lit(5));
    Child<QListWidget>(window, "List1")->setCurrentRow(2);
    EXPECT_TRUE(button("CommandTune")->isEnabled());
    EXPECT_EQ(host->state().TuneItem, 3);
}

TEST_F(TestModeWindowsTest, ChoosingAChannelWhileKeyedReleasesTheKeyFirst) {
    keyDown();
    EXPECT_TRUE(lit(1) && lit(3));
    EXPECT_EQ(Child<Lamp>(window, "Picture1_6")->color(), "red");
    choose(Child<QComboBox>(window, "Combo1_0"), 1);
    expectAcked("08 0D");
    EXPECT_EQ(line.read(2), Hex("10 04")); // the channel number, not its position
    EXPECT_EQ(Child<QLabel>(window, "LabelChannelTx")->text(), "400.10000");
    EXPECT_TRUE(host->state().PttReleased);
    EXPECT_EQ(Child<Lamp>(window, "Picture1_6")->color(), "green");

    choose(Child<QComboBox>(window, "Combo1_0"), 1); // the same channel again: nothing
    line.reply(Bytes(8, 0xFF));
    expectAcked("06");
    EXPECT_TRUE(line.drain(150).empty());
}

TEST_F(TestModeWindowsTest, NarrowWhileKeyedStaysKeyedButWideReleases) {
    keyDown();
    button("CommandNarrow")->click();
    expectAcked("47");
    EXPECT_FALSE(host->state().PttReleased);
    EXPECT_TRUE(lit(5) && !lit(4) && lit(1));
    settle();
    button("CommandWide")->click();
    expectAcked("08 0D");
    expectAcked("46");
    EXPECT_TRUE(host->state().PttReleased && host->state().WideMode);
}

TEST_F(TestModeWindowsTest, SignallingAndPrintReleaseTheKey) {
    keyDown();
    button("CommandPrint")->click();
    expectAcked("08 0D");
    settle();
    choose(Child<QComboBox>(window, "Combo1_1"), 7);
    expectAcked("11 08");
    EXPECT_EQ(Child<QLabel>(window, "LabelSignalRx")->text(), "DTMF DEC(159D)");
}

TEST_F(TestModeWindowsTest, ClosingWhileKeyedReleasesTheKeyBeforeLeaving) {
    keyDown();
    choose(Child<QComboBox>(window, "Combo1_1"), 2); // releases, then signalling 3
    expectAcked("08 0D");
    expectAcked("11 03");
    keyDown();
    window->close();
    window = nullptr;
    expectAcked("08 0D");
    expectAcked("11 03");
    expectAcked("45");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !host->active(); }, 10000));
}

// Only the point moved is sent, so only it moves on the chart: the others stay as read.
TEST_F(TestModeWindowsTest, MovingTestMovesOnlyTest) {
    openTuning(1);
    auto* para = window->tuningWindow();
    auto* test = Child<QSlider>(para, "Slider1_0");
    EXPECT_EQ(test->value(), 100);
    test->setValue(110);
    EXPECT_EQ(host->state().TuneValues, (std::array<int, 6>{110, 110, 120, 130, 140, 250}));
    EXPECT_EQ(line.read(3), Hex("12 20 6E"));
    EXPECT_EQ(Child<QProgressBar>(para, "ProgressBar1_0")->value(), 110);
    EXPECT_EQ(Child<TuneCurve>(para, "TuneCurve")->now(),
              (TuneCurve::Points{110, 120, 130, 140, 250}));
}

TEST_F(TestModeWindowsTest, DragSendsAFewWritesEndingOnTheSliderValue) {
    openTuning(1);
    auto* test = Child<QSlider>(window->tuningWindow(), "Slider1_0");
    // 100 mouse steps, in ten bursts each worked off before the next.
    for (int step = 1; step <= 100; ++step) {
        test->setValue(100 + step);
        if (step % 10 == 0) settle();
    }
    EXPECT_EQ(test->value(), 200);
    const Bytes sent = line.drain(300);
    ASSERT_EQ(sent.size() % 3, 0u);
    const auto writes = sent.size() / 3;
    EXPECT_GE(writes, 1u);
    EXPECT_LE(writes, 20u); // at most two a burst: the first at once, the rest as one
    for (std::size_t i = 0; i < sent.size(); i += 3)
        EXPECT_EQ(Bytes(sent.begin() + i, sent.begin() + i + 2), Hex("12 20"));
    EXPECT_EQ(sent.back(), 200);
}

TEST_F(TestModeWindowsTest, TabChangeReadsBackAndOkStores) {
    openTuning(8);
    auto* para = window->tuningWindow();
    auto* tabs = Child<QTabWidget>(para, "SSTab1");
    EXPECT_FALSE(tabs->isTabVisible(2) || tabs->isTabVisible(4));
    tabs->setCurrentIndex(3);
    EXPECT_EQ(line.read(2), Hex("36 0D"));
    EXPECT_EQ(line.read(1), Hex("07"));
    line.reply(Hex("01 02 03 04"));
    EXPECT_EQ(line.read(1), Hex("06"));
    settle();
    EXPECT_EQ(Child<QSlider>(para, "Slider1_3")->value(), 3);
    EXPECT_TRUE(line.drain(20).empty()); // the value shown is not sent back

    Child<QPushButton>(para, "Command3")->click();
    EXPECT_EQ(line.read(2), Hex("36 0E"));
}

TEST_F(TestModeWindowsTest, NarrowItemShowsOnlyTestAndWritesBackOnePoint) {
    host->state().WideMode = false;
    openTuning(3);
    auto* para = window->tuningWindow();
    auto* tabs = Child<QTabWidget>(para, "SSTab1");
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(tabs->isTabVisible(t), t == 0) << t;
    EXPECT_EQ(para->windowTitle(), "DQT Balance");
    // Regression: Cancel without a move wrote this item's value over the other items that
    // share the address.
    Child<QPushButton>(para, "Command4")->click();
    EXPECT_TRUE(line.drain(250).empty());
}

TEST_F(TestModeWindowsTest, ClosingKeyedTuningReleasesThenWritesBack) {
    openTuning(7);
    auto* para = window->tuningWindow();
    auto* test = Child<QSlider>(para, "Slider1_0");
    const int opened = test->value();
    test->setValue(opened + 1);
    EXPECT_EQ(line.read(3), (Bytes{0x1D, 0x20, static_cast<std::uint8_t>(opened + 1)}));
    settle();
    Child<QPushButton>(para, "Command2")->click();
    expectAcked("08 0E");
    EXPECT_EQ(Child<Lamp>(para, "Picture1")->color(), "red");
    settle();
    para->close();
    expectAcked("08 0D");
    EXPECT_EQ(line.read(2), Hex("1D 0D"));
    EXPECT_EQ(line.read(3), (Bytes{0x1D, 0x20, static_cast<std::uint8_t>(opened)}));
}

TEST_F(TestModeWindowsTest, LevelItemsPollTwiceASecond) {
    openTuning(12);
    auto* para = window->tuningWindow();
    EXPECT_FALSE(Child<QTabWidget>(para, "SSTab1")->isVisible());
    EXPECT_TRUE(Child<QGroupBox>(para, "LevelGroup")->isVisible());
    EXPECT_EQ(Child<QProgressBar>(para, "ProgressBar1_6")->value(), 100);
    EXPECT_EQ(para->timerGetPara().timerType(), Qt::PreciseTimer);
    Child<QPushButton>(para, "Command1")->click();
    EXPECT_EQ(Child<Lamp>(para, "Picture1")->color(), "yellow");
    EXPECT_EQ(line.read(2, 800), Hex("1C 0A"));
    line.reply(Hex("7B"));
    EXPECT_EQ(line.read(1), Hex("06"));
    settle();
    EXPECT_EQ(Child<QProgressBar>(para, "ProgressBar1_6")->value(), 0x7B);
    EXPECT_EQ(line.read(2, 800), Hex("1C 0A")); // the next tick
}

TEST_F(TestModeWindowsTest, SilentRadioIsAskedAboutThenRetriedOrLeft) {
    prompt->answers = {rv::ui::Answer::Retry, rv::ui::Answer::Cancel};
    button("CommandPTT")->click();
    EXPECT_EQ(line.read(2), Hex("08 0E"));
    EXPECT_EQ(line.read(2, 10000), Hex("08 0E")); // Retry sends the whole burst again
    // Cancel with the key maybe down: key-up, signalling and end go out, each unanswered.
    EXPECT_EQ(line.read(2, 10000), Hex("08 0D"));
    EXPECT_EQ(line.read(2, 10000), Hex("11 01"));
    EXPECT_EQ(line.read(1, 10000), Hex("45"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host->active(); }, 10000));
    ASSERT_EQ(prompt->asked.size(), 3);
    EXPECT_EQ(prompt->asked[1], "Check Connection. Retry or Cancel?");
    EXPECT_TRUE(prompt->asked[2].contains("it may still be transmitting"));
    EXPECT_TRUE(host->engine().sendList().empty());
    button("CommandWide")->click(); // the port is closed: nothing is sent
    EXPECT_TRUE(line.drain(50).empty());
}

TEST_F(TestModeWindowsTest, ValueBoxesTakeDigitsOnlyAndSendNothing) {
    openTuning(2);
    auto* box = Child<QLineEdit>(window->tuningWindow(), "Text2_0");
    box->clear();
    for (const QString& c : {QString("4"), QString("x"), QString::fromUtf8("é"), QString("2")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(box, &press);
    }
    EXPECT_EQ(box->text(), "42");
    EXPECT_TRUE(line.drain(150).empty());
}

TEST(TestModeCaptions, ChineseWindow) {
    AppContext ctx;
    ctx.session.CurLanguage = rv::Chinese;
    TestModeHost host(ctx, nullptr);
    FrmTestMode window(ctx, host);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_EQ(window.windowTitle(), "测试模式");
    EXPECT_EQ(window.findChild<QPushButton*>("CommandTune")->text(), "调协模式(&T)");
    EXPECT_EQ(window.findChild<QListWidget*>("List1")->item(11)->text(), "电池告警电平");
    auto* signalling = window.findChild<QComboBox*>("Combo1_1");
    signalling->setCurrentIndex(8);
    emit signalling->activated(8); // the port is closed: only the names change
    EXPECT_EQ(window.findChild<QLabel*>("LabelSignalRx")->text(), "无");
    EXPECT_EQ(window.findChild<QLabel*>("LabelSignalTx")->text(), "DTMF 音调 9");
}

} // namespace
