// The window and the command-line tool run the same jobs: against one simulated radio they
// put the same frames on the line.
#include "cli/CliRunner.h"
#include "data/Image.h"
#include "kit/AppContext.h"
#include "sim/SimRadioPty.h"
#include "service/FrmRadioInfoSet.h"
#include "service/FrmTestMode.h"
#include "service/ServiceEntry.h"
#include "service/TestModeHost.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace rv::ui;
using Frames = std::vector<std::vector<std::uint8_t>>;

QWidget* TopLevel(const char* name) {
    for (auto* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
    return nullptr;
}

class SameFramesTest : public ::testing::Test {
protected:
    AppContext ctx;
    rv::test::ScriptedPrompt* prompt = new rv::test::ScriptedPrompt;
    rv::sim::SimRadioPty sim;
    QString device;
    QTemporaryDir dir;

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.start(false, &error)) << error;
        device = QString::fromStdString(sim.devicePath());
        ctx.setPrompt(prompt);
        ctx.session.Image = rv::sim::DemoRadioMemory();
        rv::DecodeImage(ctx.session.Image, ctx.session);
        ctx.CommPort = OtherDevicePort;
        ctx.CommDevice = device;
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    }
    /// The frames the radio took since the last call.
    Frames taken() {
        return sim.withRadio([](rv::sim::SimRadio& r) {
            Frames log = r.frameLog();
            r.clearFrameLog();
            return log;
        });
    }
    Frames cli(const QStringList& args) {
        const auto r =
            rvtest::RunCli(args + QStringList{"--port", device}, "C.UTF-8", dir.filePath("data"));
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        Frames frames = taken();
        EXPECT_FALSE(frames.empty());
        return frames;
    }
};

TEST_F(SameFramesTest, InformationReadAndWrite) {
    const Frames byCommand = cli({"info"});
    bool done = false;
    ReadRadioInfo(ctx, nullptr, [&](bool) { done = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    if (auto* shown = TopLevel("FrmRadioInfo")) shown->close();
    EXPECT_EQ(taken(), byCommand);

    const auto found = sim.withRadio([](rv::sim::SimRadio& r) { return r.info(); });
    const Frames writtenByCommand = cli({"set-info", "--serial", "A1234567"});
    sim.withRadio([&](rv::sim::SimRadio& r) { r.info() = found; });
    taken();
    {
        // A window that has read nothing: the job reads first, as the command does.
        FrmRadioInfoSet set(ctx);
        set.findChild<QLineEdit*>("Text1_0")->setText("A1234567");
        auto* write = set.findChild<QPushButton*>("CommandWrite");
        write->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return write->isEnabled(); }, 10000));
    }
    EXPECT_EQ(taken(), writtenByCommand);
    EXPECT_EQ(sim.withRadio([](rv::sim::SimRadio& r) { return r.info().serialNumber; }),
              "A1234567");
}

TEST_F(SameFramesTest, AlignmentSave) {
    const Frames byCommand = cli({"alignment-save", "--backup-dir", dir.filePath("kept")});
    QPointer<TestModeHost> host = StartTestMode(ctx, nullptr, device);
    ASSERT_TRUE(host);
    ASSERT_TRUE(QTest::qWaitFor([] { return TopLevel("FrmTestMode"); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->engine().sendList().empty(); }, 10000));
    TopLevel("FrmTestMode")->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    EXPECT_EQ(taken(), byCommand);
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join("|").toStdString();
}

} // namespace
