// The window and the command-line tool run the same jobs: against one simulated radio they
// put the same frames on the line.
#include "cli/CliRunner.h"
#include "data/Image.h"
#include "jobs/AlignmentStore.h"
#include "kit/AppContext.h"
#include "service/FrmAlignmentRestore.h"
#include "service/FrmRadioInfoSet.h"
#include "service/FrmTestMode.h"
#include "service/FrmTestModePara.h"
#include "service/ServiceEntry.h"
#include "service/TestModeHost.h"
#include "sim/SimRadioPty.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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
        // Entering test mode ends on the lowest test channel of the open document, the
        // command's (which has no document) on channel 16: radio and document hold that one
        // only, so that both end alike.
        auto& doc = ctx.session.Doc;
        doc.TestFres[0].No = 16;
        doc.TestFreCount = 1;
        ASSERT_TRUE(rv::EncodeImage(doc, ctx.session.Image));
        sim.withRadio([&](rv::sim::SimRadio& r) { r.memory() = ctx.session.Image; });
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

    // A window that has read nothing: the job reads first, as the command does. A chosen
    // model type brings its first band that has a code along.
    const auto found = sim.withRadio([](rv::sim::SimRadio& r) { return r.info(); });
    const auto choose = [](FrmRadioInfoSet& w, const char* box, const char* text) {
        auto* b = w.findChild<QComboBox*>(box);
        b->setCurrentIndex(b->findText(text));
        emit b->activated(b->currentIndex());
    };
    struct Write {
        QStringList command;
        std::function<void(FrmRadioInfoSet&)> edit;
        const char* preview; ///< what the window asks before writing
    };
    const std::vector<Write> writes{
        {{"--serial", "A1234567"},
         [](FrmRadioInfoSet& w) { w.findChild<QLineEdit*>("Text1_0")->setText("A1234567"); },
         "Serial number: 20261201 -> A1234567"},
        {{"--band", "136 - 174 MHz(M)"},
         [&](FrmRadioInfoSet& w) { choose(w, "Combo1_1", "136 - 174 MHz(M)"); },
         "Band code: 65 -> 99"},
        {{"--model-type", "913", "--band", "470 - 512 MHz(K2)"},
         [&](FrmRadioInfoSet& w) { choose(w, "Combo1_0", "913"); },
         "Model type: 817 -> 913\nBand code: 65 -> 33"},
    };
    for (const Write& w : writes) {
        SCOPED_TRACE(w.command.join(' ').toStdString());
        sim.withRadio([&](rv::sim::SimRadio& r) { r.info() = found; });
        taken();
        const Frames byCommand = cli(QStringList{"set-info"} + w.command);
        const auto written = sim.withRadio([](rv::sim::SimRadio& r) { return r.info(); });
        sim.withRadio([&](rv::sim::SimRadio& r) { r.info() = found; });
        taken();
        {
            FrmRadioInfoSet set(ctx);
            w.edit(set);
            auto* write = set.findChild<QPushButton*>("CommandWrite");
            write->click();
            ASSERT_TRUE(QTest::qWaitFor([&] { return write->isEnabled(); }, 10000));
        }
        EXPECT_EQ(taken(), byCommand);
        ASSERT_FALSE(prompt->asked.isEmpty());
        EXPECT_TRUE(prompt->asked.last().contains(w.preview)) << prompt->asked.last().toStdString();
        const auto byWindow = sim.withRadio([](rv::sim::SimRadio& r) { return r.info(); });
        EXPECT_EQ(byWindow.modelType, written.modelType);
        EXPECT_EQ(byWindow.frequencyCode, written.frequencyCode);
        EXPECT_EQ(byWindow.serialNumber, written.serialNumber);
        EXPECT_FALSE(written.frequencyCode == found.frequencyCode &&
                     written.serialNumber == found.serialNumber &&
                     written.modelType == found.modelType)
            << "the write changed nothing";
    }
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

TEST_F(SameFramesTest, AlignmentRestore) {
    // A kept alignment one point away from the radio's.
    const QString saved = dir.filePath("kept.align.json");
    cli({"alignment-save", "-o", saved, "--backup-dir", dir.filePath("kept")});
    rv::jobs::AlignmentRecord kept;
    ASSERT_TRUE(rv::jobs::LoadAlignment(saved, &kept, nullptr, rv::English));
    const auto found = sim.withRadio([](rv::sim::SimRadio& r) { return r.testModeKept().block; });
    kept.block[11] ^= 0x11; // RF High Power Low, shared with no other point
    const QString variant = dir.filePath("low.align.json");
    ASSERT_TRUE(rv::jobs::SaveAlignmentAs(kept, variant, nullptr, rv::English));
    const Frames byCommand =
        cli({"alignment-restore", variant, "--backup-dir", dir.filePath("kept")});
    sim.withRadio([&](rv::sim::SimRadio& r) { r.testModeKept().block = found; });

    // The window restores from the tuning window, whose opening and closing send frames of
    // their own: what is compared runs from the restore's first frame to its read-back, and
    // then the leave sequence that ends both.
    QPointer<TestModeHost> host = StartTestMode(ctx, nullptr, device);
    ASSERT_TRUE(host);
    ASSERT_TRUE(QTest::qWaitFor([] { return TopLevel("FrmTestMode"); }, 10000));
    auto* window = qobject_cast<FrmTestMode*>(TopLevel("FrmTestMode"));
    const auto idle = [&] {
        return QTest::qWaitFor([&] { return host->engine().sendList().empty(); }, 10000);
    };
    ASSERT_TRUE(idle());
    window->findChild<QListWidget*>("List1")->setCurrentRow(0);
    window->findChild<QPushButton*>("CommandTune")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tuningWindow() != nullptr; }, 10000));
    prompt->fileNames = {variant};
    window->tuningWindow()->findChild<QPushButton*>("Command5")->click();
    auto* restore = window->tuningWindow()->findChild<FrmAlignmentRestore*>();
    ASSERT_NE(restore, nullptr);
    auto* tree = restore->findChild<QTreeWidget*>("TreeChanges");
    ASSERT_TRUE(QTest::qWaitFor([&] { return tree->topLevelItemCount() == 1; }, 10000));
    ASSERT_TRUE(idle());
    taken();
    restore->findChild<QPushButton*>("CommandWrite")->click();
    auto* result = restore->findChild<QLabel*>("LabelResult");
    ASSERT_TRUE(QTest::qWaitFor([&] { return result->text().startsWith("Restored"); }, 20000))
        << result->text().toStdString();
    ASSERT_TRUE(idle());
    const Frames restored = taken();
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    const Frames closed = taken();
    ASSERT_FALSE(restored.empty());
    ASSERT_GT(byCommand.size(), restored.size());
    const auto at =
        std::search(byCommand.begin(), byCommand.end(), restored.begin(), restored.end());
    ASSERT_NE(at, byCommand.end()) << "the command did not restore as the window did";
    const Frames leave(at + static_cast<std::ptrdiff_t>(restored.size()), byCommand.end());
    ASSERT_FALSE(leave.empty());
    ASSERT_GE(closed.size(), leave.size());
    EXPECT_TRUE(std::equal(leave.rbegin(), leave.rend(), closed.rbegin()))
        << "the window left test mode otherwise than the command";
    EXPECT_EQ(sim.withRadio([](rv::sim::SimRadio& r) { return r.testModeKept().block[11]; }),
              kept.block[11]);
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join("|").toStdString();
}

} // namespace
