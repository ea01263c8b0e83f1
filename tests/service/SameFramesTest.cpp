// The window and the command-line tool run the same jobs: against one simulated radio they
// put the same frames on the line.
#include "WindowLookup.h"
#include "cli/CliRunner.h"
#include "data/Image.h"
#include "jobs/AlignmentStore.h"
#include "service/FrmAlignmentRestore.h"
#include "service/FrmRadioInfoSet.h"
#include "service/FrmTestMode.h"
#include "service/FrmTestModePara.h"
#include "service/ServiceEntry.h"
#include "service/TestModeHost.h"
#include "sim/SimRadioPty.h"
#include "support/ScriptedPrompt.h"
#include "ui/AppContext.h"

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

namespace {

using namespace rv::ui;
using namespace rv::service;
using Frames = std::vector<std::vector<std::uint8_t>>;

using rv::test::TopLevel;

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
    struct Write {
        QStringList command;
        const char* box; ///< what the window changes, to `value`
        const char* value;
        const char* preview; ///< the changes the window shows before writing
    };
    for (const Write& w :
         {Write{{"--serial", "A1234567"},
                "Text1_0",
                "A1234567",
                "Serial number: 20261201 -> A1234567"},
          Write{{"--band", "136 - 174 MHz(M)"},
                "Combo1_1",
                "136 - 174 MHz(M)",
                "Band: 400 - 470 MHz (65) -> 136 - 174 MHz (99)"},
          Write{{"--model-type", "913", "--band", "470 - 512 MHz(K2)"},
                "Combo1_0",
                "913",
                "Model type: 817 -> 913\nBand: 400 - 470 MHz (65) -> 470 - 512 MHz (33)"}}) {
        SCOPED_TRACE(w.value);
        sim.withRadio([&](rv::sim::SimRadio& r) { r.info() = found; });
        const Frames byCommand = cli(QStringList{"set-info"} + w.command);
        sim.withRadio([&](rv::sim::SimRadio& r) { r.info() = found; });
        {
            FrmRadioInfoSet set(ctx);
            if (auto* line = set.findChild<QLineEdit*>(w.box)) line->setText(w.value);
            if (auto* box = set.findChild<QComboBox*>(w.box)) {
                box->setCurrentIndex(box->findText(w.value));
                emit box->activated(box->currentIndex());
            }
            auto* write = set.findChild<QPushButton*>("CommandWrite");
            write->click();
            ASSERT_TRUE(QTest::qWaitFor([&] { return write->isEnabled(); }, 10000));
        }
        EXPECT_EQ(taken(), byCommand);
        ASSERT_FALSE(prompt->asked.isEmpty());
        EXPECT_TRUE(prompt->asked.last().contains(w.preview)) << prompt->asked.last().toStdString();
    }
}

// The window restores from the tuning window, whose opening and closing send frames of their
// own: the command's save is compared with the window's entry and leave, its restore with
// those and the window's frames from the restore's first write to its read-back.
TEST_F(SameFramesTest, AlignmentSaveAndRestore) {
    const QString kept = dir.filePath("kept.align.json");
    const Frames saveByCommand =
        cli({"alignment-save", "-o", kept, "--backup-dir", dir.filePath("kept")});
    rv::jobs::AlignmentRecord r;
    ASSERT_TRUE(rv::jobs::LoadAlignment(kept, &r, nullptr, rv::English));
    r.block[11] ^= 0x11; // RF High Power Low, shared with no other point
    const QString moved = dir.filePath("moved.align.json");
    ASSERT_TRUE(rv::jobs::SaveAlignmentAs(r, moved, nullptr, rv::English));
    const auto found = sim.withRadio([](rv::sim::SimRadio& x) { return x.testModeKept().block; });
    const Frames restoreByCommand =
        cli({"alignment-restore", moved, "--backup-dir", dir.filePath("kept")});
    sim.withRadio([&](rv::sim::SimRadio& x) { x.testModeKept().block = found; });

    QPointer<TestModeHost> host = StartTestMode(ctx, nullptr, device);
    ASSERT_TRUE(host);
    const auto idle = [&] {
        return QTest::qWaitFor([&] { return host->engine().sendList().empty(); }, 10000);
    };
    ASSERT_TRUE(QTest::qWaitFor([] { return TopLevel("FrmTestMode"); }, 10000) && idle());
    const Frames entered = taken();
    auto* window = qobject_cast<FrmTestMode*>(TopLevel("FrmTestMode"));
    window->findChild<QListWidget*>("List1")->setCurrentRow(0);
    window->findChild<QPushButton*>("CommandTune")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tuningWindow() != nullptr; }, 10000));
    prompt->fileNames = {moved};
    window->tuningWindow()->findChild<QPushButton*>("Command5")->click();
    auto* restore = window->tuningWindow()->findChild<FrmAlignmentRestore*>();
    ASSERT_NE(restore, nullptr);
    auto* tree = restore->findChild<QTreeWidget*>("TreeChanges");
    ASSERT_TRUE(QTest::qWaitFor([&] { return tree->topLevelItemCount() == 1; }, 10000) && idle());
    taken();
    restore->findChild<QPushButton*>("CommandWrite")->click();
    auto* result = restore->findChild<QLabel*>("LabelResult");
    ASSERT_TRUE(QTest::qWaitFor([&] { return result->text().startsWith("Restored"); }, 20000))
        << result->text().toStdString();
    ASSERT_TRUE(idle());
    Frames expected = entered;
    for (const auto& f : taken())
        expected.push_back(f);
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    const Frames closed = taken();

    ASSERT_LT(entered.size(), saveByCommand.size());
    const Frames leave(saveByCommand.begin() + static_cast<std::ptrdiff_t>(entered.size()),
                       saveByCommand.end());
    ASSERT_GE(closed.size(), leave.size());
    EXPECT_TRUE(std::equal(leave.rbegin(), leave.rend(), closed.rbegin()));
    EXPECT_EQ(Frames(saveByCommand.begin(),
                     saveByCommand.end() - static_cast<std::ptrdiff_t>(leave.size())),
              entered);
    expected.insert(expected.end(), leave.begin(), leave.end());
    EXPECT_EQ(restoreByCommand, expected);
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join("|").toStdString();
}

} // namespace
