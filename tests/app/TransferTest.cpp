#include "AppFixture.h"
#include "app/FrmProgress.h"
#include "app/FrmSetComm.h"
#include "data/Defaults.h"
#include "link/PortList.h"
#include "sim/SimRadioPty.h"
#include "ui/RadioPort.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

using rv::test::AppTest;
using rv::test::SimRadioTest;
using rv::ui::Answer;

namespace {

const QString ConfirmRead = QStringLiteral("Read data from radio.\r\nDo you wish continue?");
const QString ConfirmWrite = QStringLiteral("Write data to radio.\r\nDo you wish continue?");
const QString CheckConnection = QStringLiteral("Check Connection. Retry or Cancel?");

} // namespace

/// Transfers with the simulated radio on a pseudo-terminal, through the real serial adapter.
class TransferTest : public SimRadioTest {
protected:
    void SetUp() override {
        SimRadioTest::SetUp();
        if (HasFatalFailure()) return;
        start();
        ctx->CommPort = 0;
    }
    int frames() {
        return sim->withRadio([](rv::sim::SimRadio& r) { return r.framesReceived(); });
    }
    int blocks() {
        return sim->withRadio([](rv::sim::SimRadio& r) { return r.blocksWritten(); });
    }
    /// The radio goes silent once `n` more frames have come in.
    void silentAfter(int n) {
        sim->withRadio(
            [n](rv::sim::SimRadio& r) { r.faults().silentAfterFrames = r.framesReceived() + n; });
    }
};

TEST_F(TransferTest, ReadReplacesTheDocumentAndNamesItNewDat) {
    const QString file = path("mine.dat");
    prompt->fileNames = {file};
    ASSERT_TRUE(main->mnuFileSaveAs_Click());
    main->showChildWindow("FrmScanInfo");

    act("ReadRadio")->trigger();
    EXPECT_EQ(prompt->asked, (QStringList{ConfirmRead, "Read Data Completed."}));
    EXPECT_GT(ctx->doc().ChannelCount, 0);
    EXPECT_EQ(ctx->session.DocPath, "new.dat");
    EXPECT_TRUE(ctx->session.IsNewFile);
    EXPECT_EQ(main->windowTitle(), "RV52N[7415:400 - 470 MHz][File Name:new.dat][*]");
    EXPECT_EQ(openWindows(), QStringList{"frmCommChInfo"});
    EXPECT_EQ(main->findChild<QLabel*>("Panel3")->text(), "Simulated radio");
    // What was read is not saved yet: leaving asks.
    EXPECT_FALSE(rv::IsUnchanged(ctx->session));
    // Saving it goes through Save As with new.dat proposed.
    prompt->fileNames = {QString()};
    act("mnuFileSave")->trigger();
    EXPECT_EQ(prompt->dialogs.last(), "save:new.dat");
}

TEST_F(TransferTest, CancelAtConfirmationSendsNothingAndChangesNothing) {
    const rv::RadioData before = ctx->doc();
    const int sent = frames();
    prompt->answers = {Answer::Cancel};
    EXPECT_FALSE(main->runTransfer(1));
    EXPECT_EQ(prompt->asked, QStringList{ConfirmRead});
    EXPECT_EQ(frames(), sent);
    EXPECT_EQ(ctx->doc(), before);
}

TEST_F(TransferTest, ReadAbandonedAtRetryLeavesTheDocument) {
    ctx->doc().OptFeatures.SquelchLevel = 9;
    const rv::RadioData before = ctx->doc();
    silentAfter(6);
    prompt->answers = {Answer::Ok, Answer::Cancel};
    EXPECT_FALSE(main->runTransfer(1));
    // Silence before the ident is no radio, for a read as for every job.
    ASSERT_EQ(prompt->asked.size(), 2);
    EXPECT_EQ(prompt->asked[0], ConfirmRead);
    EXPECT_TRUE(prompt->asked[1].startsWith("No radio answered."))
        << prompt->asked[1].toStdString();
    EXPECT_EQ(ctx->doc(), before);
    EXPECT_EQ(ctx->session.DocPath, "new.dat");
}

TEST_F(TransferTest, WriteSendsTheDocumentAndReportsCompletion) {
    const int written = blocks();
    act("WriteRadio")->trigger();
    EXPECT_EQ(prompt->asked, (QStringList{ConfirmWrite, "Write Data Completed.\r\nVerified"}));
    EXPECT_EQ(blocks(), written + 49);
}

TEST_F(TransferTest, WriteWhoseModelCheckIsRefusedSendsNoBlock) {
    sim->withRadio([](rv::sim::SimRadio& r) { r.faults().otherModel = true; });
    const int written = blocks();
    prompt->answers = {Answer::Ok, Answer::Cancel};
    EXPECT_FALSE(main->runTransfer(2));
    ASSERT_GE(prompt->asked.size(), 2);
    EXPECT_EQ(prompt->asked.mid(0, 2),
              (QStringList{ConfirmWrite, "Model type is wrong. Overwrite?"}));
    EXPECT_FALSE(prompt->asked.contains("Write Data Completed."));
    EXPECT_EQ(blocks(), written);
}

TEST_F(TransferTest, WriteOfADocumentThatCannotBeEncodedSendsNothing) {
    auto& c = ctx->doc().Channels[0];
    c = rv::NewChannel(1);
    c.RxFreq.set("4401Z500");
    ctx->doc().ChannelCount = 1;
    const int sent = frames();
    EXPECT_FALSE(main->runTransfer(2));
    ASSERT_EQ(prompt->asked.size(), 2);
    EXPECT_EQ(prompt->asked.first(), ConfirmWrite);
    EXPECT_EQ(frames(), sent);
}

TEST_F(TransferTest, CancelButtonEndsTheTransferAndKeepsTheDocument) {
    const rv::RadioData before = ctx->doc();
    silentAfter(8);
    // Cancel as soon as the progress window is up (the radio has gone quiet by then).
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        auto* progress = qobject_cast<rv::app::FrmProgress*>(QApplication::activeModalWidget());
        if (!progress) return;
        poll.stop();
        progress->findChild<QPushButton*>("CommandCancel")->click();
    });
    poll.start(20);
    EXPECT_FALSE(main->runTransfer(1));
    EXPECT_EQ(prompt->asked, QStringList{ConfirmRead});
    EXPECT_EQ(ctx->doc(), before);
    // The port was closed: the next read works.
    sim->withRadio([](rv::sim::SimRadio& r) { r.faults() = {}; });
    prompt->asked.clear();
    EXPECT_TRUE(main->runTransfer(1));
}

TEST_F(TransferTest, MissingPortIsReportedWithoutConfirmation) {
    if (rv::link::ListPorts().size() >= 8) GTEST_SKIP() << "this machine has eight ports";
    ctx->CommPort = 8;
    EXPECT_FALSE(main->runTransfer(1));
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_TRUE(prompt->asked.first().startsWith("Cannot Open Communication Port."));
}

TEST_F(AppTest, ProgressWindowTitlesAndPercentage) {
    start();
    const struct {
        int language;
        int mode;
        const char* title;
        const char* label;
    } rows[] = {{rv::English, 1, "Read data from radio", "Completion percentage:"},
                {rv::English, 2, "Write data to radio", "Completion percentage:"},
                {rv::Chinese, 1, "从对讲机读取数据", "完成进度:"},
                {rv::Chinese, 2, "向对讲机写入数据", "完成进度:"}};
    for (const auto& r : rows) {
        ctx->session.CurLanguage = r.language;
        rv::app::FrmProgress w(*ctx, r.mode);
        EXPECT_EQ(w.windowTitle(), r.title);
        EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(), r.label);
        EXPECT_EQ(w.findChild<QLabel*>("Label2")->text(), "0%");
        w.SetProgressValue(94);
        EXPECT_EQ(w.findChild<QLabel*>("Label2")->text(), "94%");
        EXPECT_EQ(w.findChild<QProgressBar*>("ProgressBar1")->value(), 94);
    }
}

TEST_F(AppTest, PortDialogOffersFoundPortsAndTheSimulatedRadio) {
    start();
    const QList<rv::link::PortEntry> ports{{1, "/dev/ttyUSB0", "adapter", {}, {}, {}},
                                           {2, "/dev/ttyS0", {}, {}, {}, {}}};
    {
        rv::app::FrmSetComm dialog(*ctx, nullptr, ports);
        auto* com1 = dialog.findChild<QRadioButton*>("Option1_0");
        EXPECT_TRUE(com1->isEnabled());
        EXPECT_TRUE(com1->isChecked());
        EXPECT_EQ(com1->text(), "COM1  (/dev/ttyUSB0)");
        EXPECT_FALSE(dialog.findChild<QRadioButton*>("Option1_2")->isEnabled());
        EXPECT_EQ(dialog.findChild<QRadioButton*>("Option1_7")->text(), "COM8");
        dialog.findChild<QRadioButton*>("Option1_1")->setChecked(true);
        dialog.findChild<QPushButton*>("Command2")->click();
        EXPECT_EQ(ctx->CommPort, 1);
    }
    {
        rv::app::FrmSetComm dialog(*ctx, nullptr, ports);
        dialog.findChild<QRadioButton*>("OptionSim")->setChecked(true);
        dialog.findChild<QPushButton*>("Command1")->click();
        EXPECT_EQ(ctx->CommPort, 0);
    }
    ctx->session.CurLanguage = rv::Chinese;
    rv::app::FrmSetComm chinese(*ctx, nullptr, ports);
    EXPECT_EQ(chinese.findChild<QRadioButton*>("Option1_1")->text(), "通信口2  (/dev/ttyS0)");
    EXPECT_EQ(chinese.findChild<QRadioButton*>("OptionSim")->text(), "模拟对讲机");
    EXPECT_TRUE(chinese.findChild<QRadioButton*>("OptionSim")->isChecked());
}
