// The radio's alignment kept, restored and verified, and a keyed radio left safely: through
// the windows and a pseudo-terminal to the simulated radio.
#include "WindowLookup.h"
#include "app/Application.h"
#include "app/frmMain.h"
#include "data/Image.h"
#include "jobs/SafeWrite.h"
#include "service/FrmAlignmentRestore.h"
#include "service/FrmTestMode.h"
#include "service/FrmTestModePara.h"
#include "service/ServiceEntry.h"
#include "service/TestModeHost.h"
#include "sim/SimRadioPty.h"
#include "support/ScriptedPrompt.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace rv::ui;
using namespace rv::service;
using namespace rv::app;

namespace {

using rv::test::Child;

FrmTestMode* TestWindow() {
    return rv::test::TopLevel<FrmTestMode>("FrmTestMode");
}

class AlignmentEndToEndTest : public ::testing::Test {
protected:
    AppContext ctx;
    rv::test::ScriptedPrompt* prompt = new rv::test::ScriptedPrompt;
    rv::sim::SimRadioPty sim;
    QPointer<TestModeHost> host;
    FrmTestMode* window = nullptr;

    void SetUp() override {
        ctx.setPrompt(prompt);
        ctx.session.Image = rv::sim::DemoRadioMemory();
        rv::DecodeImage(ctx.session.Image, ctx.session);
        std::string error;
        ASSERT_TRUE(sim.start(false, &error)) << error;
        host = StartTestMode(ctx, nullptr, QString::fromStdString(sim.devicePath()));
        ASSERT_TRUE(host);
        ASSERT_TRUE(QTest::qWaitFor([] { return TestWindow(); }, 10000));
        window = TestWindow();
    }
    void TearDown() override {
        for (auto* w : QApplication::topLevelWidgets())
            w->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    }
    void idle() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return host->engine().sendList().empty(); }, 10000));
    }
    std::uint8_t radioByte(int at) {
        return sim.withRadio(
            [at](auto& r) { return r.testModeKept().block[static_cast<std::size_t>(at)]; });
    }
};

enum class Serial { Same, OtherCancelled, OtherAccepted };
struct RestoreCase {
    const char* name;
    Serial serial;
    int storeLostAt;
    const char* result; ///< beginning of the dialog's result; empty: no dialog
};

class RestoreTest : public AlignmentEndToEndTest,
                    public ::testing::WithParamInterface<RestoreCase> {};

// Kept on entry, changed and stored in the tuning window, written back and read back.
TEST_P(RestoreTest, KeptAlignmentIsRestoredAndVerified) {
    const RestoreCase& c = GetParam();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host->entryAlignmentFile().isEmpty(); }, 10000));
    const QFileInfo kept(host->entryAlignmentFile());
    EXPECT_EQ(kept.absolutePath(), QFileInfo(rv::jobs::DefaultBackupDir()).absoluteFilePath());
    EXPECT_TRUE(kept.fileName().startsWith("20261201-")) << kept.fileName().toStdString();
    EXPECT_TRUE(kept.fileName().endsWith(".align.json"));

    Child<QListWidget>(window, "List1")->setCurrentRow(0); // "RF High Power"
    Child<QPushButton>(window, "CommandTune")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tuningWindow() != nullptr; }, 10000));
    auto* para = window->tuningWindow();
    Child<QTabWidget>(para, "SSTab1")->setCurrentIndex(1); // "Low"
    idle();
    const int opened = host->state().TunePoints.Value[1];
    const int moved = opened > 128 ? opened - 9 : opened + 9;
    Child<QSlider>(para, "Slider1_1")->setValue(moved);
    Child<QPushButton>(para, "Command3")->click(); // OK: stored
    ASSERT_TRUE(QTest::qWaitFor([&] { return radioByte(11) == moved; }, 10000));
    sim.withRadio([&](auto& r) { r.faults().testModeStoreLostAt = c.storeLostAt; });

    QString path = kept.absoluteFilePath();
    QTemporaryDir other;
    if (c.serial != Serial::Same) {
        rv::jobs::AlignmentRecord r;
        ASSERT_TRUE(rv::jobs::LoadAlignment(path, &r, nullptr, rv::English));
        r.serial = "B7000001";
        ASSERT_TRUE(rv::jobs::SaveAlignment(r, other.path(), &path, nullptr, rv::English));
        prompt->answers = {c.serial == Serial::OtherAccepted ? Answer::Ok : Answer::Cancel};
    }
    prompt->fileNames = {path};
    Child<QPushButton>(para, "Command5")->click(); // Restore
    if (c.serial != Serial::Same) {
        ASSERT_EQ(prompt->asked.size(), 1);
        EXPECT_TRUE(prompt->asked[0].contains("B7000001") && prompt->asked[0].contains("20261201"))
            << prompt->asked[0].toStdString();
    }
    auto* dialog = para->findChild<FrmAlignmentRestore*>();
    if (!*c.result) {
        EXPECT_EQ(dialog, nullptr);
        EXPECT_EQ(radioByte(11), moved);
        return;
    }
    ASSERT_NE(dialog, nullptr);
    auto* tree = Child<QTreeWidget>(dialog, "TreeChanges");
    ASSERT_TRUE(QTest::qWaitFor([&] { return tree->topLevelItemCount() == 1; }, 10000));
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "RF High Power Low");
    EXPECT_EQ(tree->topLevelItem(0)->text(1).toInt(), moved);  // now
    EXPECT_EQ(tree->topLevelItem(0)->text(2).toInt(), opened); // kept
    Child<QPushButton>(dialog, "CommandWrite")->click();
    auto* result = Child<QLabel>(dialog, "LabelResult");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return result->text().startsWith(QString::fromUtf8(c.result)); }, 20000))
        << result->text().toStdString();
    EXPECT_EQ(radioByte(11), c.storeLostAt < 0 ? opened : moved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestoreTest,
    ::testing::Values(RestoreCase{"SameRadio", Serial::Same, -1, "Restored: 1 points written"},
                      RestoreCase{"StoreLost", Serial::Same, 48,
                                  "Not restored. These points differ from the kept alignment: "
                                  "RF High Power Low ("},
                      RestoreCase{"OtherRadioCancelled", Serial::OtherCancelled, -1, ""},
                      RestoreCase{"OtherRadioAccepted", Serial::OtherAccepted, -1,
                                  "Restored: 1 points written"}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyedCase {
    const char* name;
    bool stopDuringQuestion; ///< a stop signal comes while Check Connection is open
    bool deadAfter;          ///< the radio hears nothing more after the key-down
    bool keyedAfter;         ///< the radio still transmits at the end
    const char* lastMessage;
};

class CancelWhileKeyedTest : public AlignmentEndToEndTest,
                             public ::testing::WithParamInterface<KeyedCase> {};

// A key-down whose answer never came, then Cancel: key-up and end go out before the port
// closes; a radio that answers nothing is said to be possibly still transmitting.
TEST_P(CancelWhileKeyedTest, LeavesTheRadioUnkeyedOrSaysItMayTransmit) {
    const KeyedCase& c = GetParam();
    sim.withRadio([&](auto& r) {
        r.faults().testModeReplyLostFrame = {0x08, 0x0E};
        r.faults().testModeDeadAfterLostReply = c.deadAfter;
    });
    prompt->answers = {c.stopDuringQuestion ? Answer::Retry : Answer::Cancel};
    bool stopped = false;
    prompt->whenAsked = [&] {
        // Regression: the question's parent was the test mode window, deleted under the
        // question's own event loop when the stop signal closed it.
        if (!c.stopDuringQuestion || prompt->asked.size() != 1) return;
        LetGoOfTheRadioThen([&] { stopped = true; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return stopped; }, 10000));
    };
    Child<QPushButton>(window, "CommandPTT")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.isNull(); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([] { return TestWindow() == nullptr; }, 1000));
    const auto kept = sim.withRadio([](auto& r) { return r.testModeKept(); });
    EXPECT_EQ(kept.keyed, c.keyedAfter);
    EXPECT_EQ(kept.endReceived, !c.deadAfter);
    ASSERT_FALSE(prompt->asked.isEmpty());
    EXPECT_EQ(prompt->asked[0], "Check Connection. Retry or Cancel?");
    EXPECT_TRUE(prompt->asked.back().startsWith(QString::fromUtf8(c.lastMessage)))
        << prompt->asked.join("|").toStdString();
}

// The system asks the program to stop while the radio transmits: the key is released and
// test mode left before the program may end.
TEST_F(AlignmentEndToEndTest, StopRequestReleasesTheKeyBeforeTheProgramEnds) {
    Child<QPushButton>(window, "CommandPTT")->click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return sim.withRadio([](auto& r) { return r.testModeKept().keyed; }); }, 10000));
    bool done = false;
    LetGoOfTheRadioThen([&] { done = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    const auto kept = sim.withRadio([](auto& r) { return r.testModeKept(); });
    EXPECT_FALSE(kept.keyed);
    EXPECT_TRUE(kept.endReceived);
    EXPECT_TRUE(host.isNull() || !host->active());
}

// Regression: File > Exit closed the program with the radio still in test mode, keyed or not.
TEST_F(AlignmentEndToEndTest, ExitLeavesTestModeBeforeTheMainWindowCloses) {
    frmMain main(ctx);
    main.show();
    Child<QPushButton>(window, "CommandPTT")->click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return sim.withRadio([](auto& r) { return r.testModeKept().keyed; }); }, 10000));
    EXPECT_FALSE(main.close()); // waits for the radio
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.isVisible(); }, 10000));
    const auto kept = sim.withRadio([](auto& r) { return r.testModeKept(); });
    EXPECT_FALSE(kept.keyed);
    EXPECT_TRUE(kept.endReceived);
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CancelWhileKeyedTest,
    ::testing::Values(KeyedCase{"KeyDownAnswerLost", false, false, false, "Check Connection."},
                      KeyedCase{"RadioHung", false, true, true,
                                "The radio answered neither the key release"},
                      KeyedCase{"StopDuringQuestion", true, false, false, "Check Connection."},
                      KeyedCase{"StopDuringQuestionRadioHung", true, true, true,
                                "The radio answered neither the key release"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
