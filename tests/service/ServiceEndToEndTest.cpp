// Test mode and the radio information through a pseudo-terminal to the simulated radio.
#include "WindowLookup.h"
#include "data/Image.h"
#include "jobs/AlignmentJob.h"
#include "service/FrmRadioInfoSet.h"
#include "service/FrmTestMode.h"
#include "service/FrmTestModePara.h"
#include "service/ServiceEntry.h"
#include "service/TestModeHost.h"
#include "sim/SimRadioPty.h"
#include "support/ScriptedPrompt.h"
#include "ui/AppContext.h"
#include "ui/RadioPort.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace rv::ui;
using namespace rv::service;

namespace {

using rv::test::Child;
using rv::test::TopLevel;

class ServiceEndToEndTest : public ::testing::Test {
protected:
    AppContext ctx;
    rv::test::ScriptedPrompt* prompt = new rv::test::ScriptedPrompt;

    void SetUp() override {
        ctx.setPrompt(prompt);
        ctx.session.Image = rv::sim::DemoRadioMemory();
        rv::DecodeImage(ctx.session.Image, ctx.session);
    }
    void TearDown() override {
        // The windows go first: they talk to the test mode while they close.
        for (auto* w : QApplication::topLevelWidgets())
            w->close();
        QTest::qWait(10);
        delete CurrentTestMode();
    }
};

TEST_F(ServiceEndToEndTest, TuneStoreAndReadBack) {
    rv::sim::SimRadioPty sim;
    std::string error;
    ASSERT_TRUE(sim.start(false, &error)) << error;
    QPointer<TestModeHost> host =
        StartTestMode(ctx, nullptr, QString::fromStdString(sim.devicePath()));
    ASSERT_TRUE(host);
    auto idle = [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return host->engine().sendList().empty(); }, 10000));
    };

    ASSERT_TRUE(QTest::qWaitFor([] { return TopLevel<FrmTestMode>("FrmTestMode"); }, 10000));
    auto* window = TopLevel<FrmTestMode>("FrmTestMode");
    auto* channels = Child<QComboBox>(window, "Combo1_0");
    EXPECT_EQ(channels->count(), ctx.doc().TestFreCount);
    channels->setCurrentIndex(2);
    emit channels->activated(2);
    auto* signalling = Child<QComboBox>(window, "Combo1_1");
    signalling->setCurrentIndex(4);
    emit signalling->activated(4);
    idle();
    Child<QPushButton>(window, "CommandPTT")->click();
    idle();
    EXPECT_FALSE(host->state().PttReleased);
    Child<QPushButton>(window, "CommandPTT")->click();
    idle();

    Child<QListWidget>(window, "List1")->setCurrentRow(0); // "RF High Power"
    Child<QPushButton>(window, "CommandTune")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tuningWindow() != nullptr; }, 10000));
    auto* para = window->tuningWindow();
    Child<QTabWidget>(para, "SSTab1")->setCurrentIndex(1); // "Low": read back first
    idle();
    auto* low = Child<QSlider>(para, "Slider1_1");
    const int opened = host->state().TunePoints.Value[1];
    EXPECT_EQ(low->value(), opened);
    const int moved = opened > 128 ? opened - 9 : opened + 9;
    // A drag: 200 mouse steps in one second, back and forth, ending on `moved`; then OK
    // at once. The radio must store what the slider shows.
    for (int step = 0; step < 200; ++step) {
        low->setValue(step == 199 ? moved : opened + (step * 7) % 21 - 10);
        if (step % 20 == 19 && step != 199) idle(); // the line catches up now and then
    }
    Child<QPushButton>(para, "Command3")->click();
    idle();
    QPointer<FrmTestModePara> first = para;
    para->close();
    idle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 10000));

    Child<QPushButton>(window, "CommandTune")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tuningWindow() != nullptr; }, 10000));
    para = window->tuningWindow();
    EXPECT_EQ(host->state().TunePoints.Value[1], moved);
    Child<QTabWidget>(para, "SSTab1")->setCurrentIndex(1);
    idle();
    EXPECT_EQ(Child<QSlider>(para, "Slider1_1")->value(), moved);
    para->close();
    idle();

    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join("|").toStdString();
}

TEST_F(ServiceEndToEndTest, WrongReplyThenCloseEndsTestModeAndItCanBeEnteredAgain) {
    rv::sim::SimRadioPty sim;
    std::string error;
    ASSERT_TRUE(sim.start(false, &error)) << error;
    sim.withRadio([](auto& r) { r.faults().testModeNakFrame = {0x08, 0x0E}; });
    const QString device = QString::fromStdString(sim.devicePath());
    QPointer<TestModeHost> host = StartTestMode(ctx, nullptr, device);
    ASSERT_TRUE(host);
    ASSERT_TRUE(QTest::qWaitFor([] { return TopLevel<FrmTestMode>("FrmTestMode"); }, 10000));
    auto* window = TopLevel<FrmTestMode>("FrmTestMode");
    Child<QPushButton>(window, "CommandPTT")->click(); // answered 15
    Child<QPushButton>(window, "CommandWide")->click();
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    // The unanswered key-down is passed over; key-up and end are answered: nothing to say.
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join("|").toStdString();

    sim.withRadio([](auto& r) { r.faults().testModeNakFrame.clear(); });
    host = StartTestMode(ctx, nullptr, device);
    ASSERT_TRUE(host);
    ASSERT_TRUE(QTest::qWaitFor([] { return TopLevel<FrmTestMode>("FrmTestMode"); }, 10000));
    bool infoDone = false;
    ReadRadioInfo(ctx, nullptr, [&](bool) { infoDone = true; }); // the port is taken
    EXPECT_TRUE(infoDone);
    EXPECT_EQ(prompt->asked.last(),
              "Test mode is using the port. Close the Test Mode window first.");
    TopLevel<FrmTestMode>("FrmTestMode")->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    EXPECT_EQ(prompt->asked.size(), 1);
}

TEST_F(ServiceEndToEndTest, DeadRadioWhilePollingQueuesNoPollsDuringTheQuestion) {
    rv::sim::SimRadioPty sim;
    std::string error;
    ASSERT_TRUE(sim.start(false, &error)) << error;
    sim.withRadio([](auto& r) { r.faults().testModeSilentOnPoll = true; });
    QPointer<TestModeHost> host =
        StartTestMode(ctx, nullptr, QString::fromStdString(sim.devicePath()));
    ASSERT_TRUE(host);
    ASSERT_TRUE(QTest::qWaitFor([] { return TopLevel<FrmTestMode>("FrmTestMode"); }, 10000));
    auto* window = TopLevel<FrmTestMode>("FrmTestMode");
    Child<QListWidget>(window, "List1")->setCurrentRow(14); // "RSSI"
    Child<QPushButton>(window, "CommandTune")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tuningWindow() != nullptr; }, 10000));

    // The user takes three poll ticks to answer; the poll timer keeps ticking meanwhile.
    int queuedAtQuestion = -1, queuedAtAnswer = -1;
    prompt->whenAsked = [&] {
        if (queuedAtQuestion >= 0) return; // the message after leaving
        queuedAtQuestion = host->engine().sendList().size();
        int ticks = 0;
        const auto c = QObject::connect(&window->tuningWindow()->timerGetPara(), &QTimer::timeout,
                                        [&ticks] { ++ticks; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 10000));
        QObject::disconnect(c);
        queuedAtAnswer = host->engine().sendList().size();
    };
    prompt->answers = {rv::ui::Answer::Cancel};
    Child<QPushButton>(window->tuningWindow(), "Command1")->click(); // "Start"
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    EXPECT_EQ(queuedAtAnswer, queuedAtQuestion);
    // Cancel still tries to leave test mode; the dead radio answers that neither.
    EXPECT_EQ(prompt->asked, (QStringList{"Check Connection. Retry or Cancel?",
                                          rv::jobs::LeaveProblemText(false, rv::English)}));
}

TEST_F(ServiceEndToEndTest, MismatchedTestChannelsEndTestModeWithoutTheWindow) {
    rv::sim::SimRadioPty sim;
    std::string error;
    ASSERT_TRUE(sim.start(false, &error)) << error;
    ctx.doc().TestFreCount = 0;
    QPointer<TestModeHost> host =
        StartTestMode(ctx, nullptr, QString::fromStdString(sim.devicePath()));
    ASSERT_TRUE(host);
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_TRUE(prompt->asked[0].startsWith("Test Frequency nismatch."));
    EXPECT_EQ(TopLevel<FrmTestMode>("FrmTestMode"), nullptr);
}

TEST_F(ServiceEndToEndTest, MissingPortIsReportedAndNothingStarts) {
    EXPECT_EQ(StartTestMode(ctx, nullptr, "/dev/rv52n-no-such-port"), nullptr);
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_TRUE(prompt->asked[0].startsWith("Cannot Open Communication Port."));
}

TEST_F(ServiceEndToEndTest, ReadAndWriteTheRadioInformation) {
    ASSERT_NE(ServiceSimRadio(false), nullptr);
    // The built-in radio outlives the test: leave its information as it was found, so a
    // repeated run reads the same again.
    const auto found = ServiceSimRadio()->withRadio([](auto& r) { return r.info(); });
    struct Restore {
        rv::sim::SimRadioInfo info;
        ~Restore() {
            ServiceSimRadio()->withRadio([this](auto& r) { r.info() = info; });
        }
    } restore{found};
    ctx.CommPort = 0;
    bool done = false, ok = false;
    ReadRadioInfo(ctx, nullptr, [&](bool r) { done = true, ok = r; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    ASSERT_TRUE(ok) << prompt->asked.join("|").toStdString();
    auto* shown = TopLevel<QDialog>("FrmRadioInfo");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(Child<QComboBox>(shown, "Combo1_0")->currentText(), "817");
    EXPECT_EQ(Child<QLineEdit>(shown, "Text1")->text(), "20261201");
    shown->close();

    {
        FrmRadioInfoSet set(ctx);
        Child<QLineEdit>(&set, "Text1_0")->setText("A1234567");
        Child<QLineEdit>(&set, "Text1_1")->setText("2.1");
        done = false;
        Child<QPushButton>(&set, "CommandWrite")->click();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return Child<QPushButton>(&set, "CommandWrite")->isEnabled(); }, 10000));
        EXPECT_EQ(Child<QLineEdit>(&set, "Text1_1")->text(), "2.1"); // the radio's form: no V
    }
    const auto info = ServiceSimRadio()->withRadio([](auto& r) { return r.info(); });
    EXPECT_EQ(info.serialNumber, "A1234567");
    EXPECT_EQ(info.version.substr(0, 3), "2.1");
    // The write said what it would change, and nothing else.
    ASSERT_EQ(prompt->asked.size(), 1) << prompt->asked.join("|").toStdString();
    EXPECT_TRUE(prompt->asked[0].contains("Serial number: 20261201 -> A1234567\nVersion: "))
        << prompt->asked[0].toStdString();
    EXPECT_FALSE(prompt->asked[0].contains("Model type"));
}

} // namespace
