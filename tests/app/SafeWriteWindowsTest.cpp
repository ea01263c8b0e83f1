// Backup, verify, restore and compare in the desktop program, against the built-in radio.
#include "AppFixture.h"
#include "app/FrmCompare.h"
#include "app/FrmProgress.h"
#include "app/FrmRestore.h"
#include "app/RadioJob.h"
#include "data/ChannelCommit.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/DocumentDiff.h"
#include "data/Image.h"
#include "jobs/SafeWrite.h"
#include "link/AtomicFile.h"
#include "link/RadioHistoryFiles.h"
#include "sim/SimRadioPty.h"
#include "ui/RadioPort.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

using rv::test::SimRadioTest;
using rv::ui::Answer;

namespace {

const QString ConfirmWrite = QStringLiteral("Write data to radio.\r\nDo you wish continue?");

class SafeWriteWindows : public SimRadioTest {
protected:
    void SetUp() override {
        SimRadioTest::SetUp();
        if (HasFatalFailure()) return;
        QDir(rv::jobs::DefaultBackupDir()).removeRecursively();
        start();
        ctx->CommPort = 0;
        for (auto s : {rv::app::Safety::BackUpBeforeWriting, rv::app::Safety::VerifyAfterWriting})
            rv::app::SetSafetyChoice(s, true);
    }
    rv::MemoryImage memory() {
        return sim->withRadio([](rv::sim::SimRadio& r) { return r.memory(); });
    }
    QStringList backups() const {
        return QDir(rv::jobs::DefaultBackupDir()).entryList({"*.img"}, QDir::Files);
    }
};

TEST_F(SafeWriteWindows, SetupChoicesAreCheckableAndKept) {
    const char* names[] = {"mnuBackUpBeforeWriting", "mnuVerifyAfterWriting", "mnuVerifyReads"};
    for (const char* n : names)
        EXPECT_TRUE(act(n)->isCheckable()) << n;
    EXPECT_TRUE(act("mnuBackUpBeforeWriting")->isChecked());
    EXPECT_TRUE(act("mnuVerifyAfterWriting")->isChecked());
    act("mnuBackUpBeforeWriting")->setChecked(false);
    start();
    EXPECT_FALSE(act("mnuBackUpBeforeWriting")->isChecked());
    EXPECT_EQ(act("mnuBackUpBeforeWriting")->text(), "&Back Up Radio Before Writing");
    // Without a backup the write keeps nothing.
    ctx->CommPort = 0;
    EXPECT_TRUE(main->runTransfer(2));
    EXPECT_TRUE(backups().isEmpty());
}

TEST_F(SafeWriteWindows, VerifyFailureOffersRetryThenCancel) {
    sim->withRadio([](rv::sim::SimRadio& r) { r.faults().corruptWriteAt = 0x30; });
    prompt->answers = {Answer::Ok, Answer::Retry, Answer::Cancel};
    EXPECT_FALSE(main->runTransfer(2));
    ASSERT_EQ(prompt->asked.size(), 3);
    for (int i = 1; i < 3; ++i)
        EXPECT_TRUE(prompt->asked[i].startsWith("Verify failed: 1 byte differs, the first at "
                                                "0x0030 (Channel 3: RX Frequency)."))
            << prompt->asked[i].toStdString();
    // Only the first write kept a backup: the radio as it was, named in every question.
    ASSERT_EQ(backups().size(), 1);
    for (int i = 1; i < 3; ++i)
        EXPECT_TRUE(prompt->asked[i].contains("Backup: ") &&
                    prompt->asked[i].contains(backups()[0]))
            << prompt->asked[i].toStdString();
}

TEST_F(SafeWriteWindows, BrokenOffWriteNamesTheBackupAndRestoreGivesItBack) {
    const rv::MemoryImage first = memory();
    // The radio information (8 frames), two backup reads of 36 frames, PROGRAM, ident and
    // Ack, then 5 blocks.
    sim->withRadio(
        [](rv::sim::SimRadio& r) { r.faults().silentAfterFrames = r.framesReceived() + 88; });
    prompt->answers = {Answer::Ok, Answer::Cancel};
    EXPECT_FALSE(main->runTransfer(2));
    ASSERT_EQ(prompt->asked.size(), 3);
    const QString told = prompt->asked.last();
    ASSERT_EQ(backups().size(), 1);
    EXPECT_TRUE(told.contains("partly written")) << told.toStdString();
    EXPECT_TRUE(told.contains(backups().first())) << told.toStdString();
    EXPECT_TRUE(told.contains("Program > Restore From Backup")) << told.toStdString();
    EXPECT_NE(memory(), first);

    sim->withRadio([](rv::sim::SimRadio& r) { r.faults() = {}; });
    prompt->asked.clear();
    // The chooser opens once the serial of the radio on the port has been read.
    QTimer wait;
    QObject::connect(&wait, &QTimer::timeout, [&] {
        auto* chooser = qobject_cast<rv::app::FrmRestore*>(QApplication::activeModalWidget());
        if (!chooser) return;
        wait.stop();
        chooser->accept();
    });
    wait.start(10);
    act("mnuRestore")->trigger();
    ASSERT_EQ(prompt->asked.size(), 2);
    EXPECT_TRUE(prompt->asked[0].startsWith("Write the backup ")) << prompt->asked[0].toStdString();
    EXPECT_EQ(prompt->asked[1], "Write Data Completed.\r\nVerified");
    EXPECT_EQ(memory(), first);
}

TEST_F(SafeWriteWindows, WriteCancelledWithTheButtonSaysItIsPartlyWritten) {
    // The radio stops answering after 5 blocks; Cancel is pressed while the write waits.
    sim->withRadio(
        [](rv::sim::SimRadio& r) { r.faults().silentAfterFrames = r.framesReceived() + 88; });
    // The simulated radio is shared by the tests and counts every block it ever took.
    const auto written = [this] {
        return sim->withRadio([](rv::sim::SimRadio& r) { return r.blocksWritten(); });
    };
    const int before = written();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* progress = qobject_cast<rv::app::FrmProgress*>(QApplication::activeModalWidget());
        if (!progress || written() < before + 5) return;
        poll.stop();
        progress->findChild<QPushButton*>("CommandCancel")->click();
    });
    poll.start(10);
    prompt->answers = {Answer::Ok, Answer::Cancel};
    EXPECT_FALSE(main->runTransfer(2));
    ASSERT_FALSE(prompt->asked.isEmpty());
    EXPECT_TRUE(prompt->asked.last().contains("partly written"))
        << prompt->asked.last().toStdString();
}

// One safe write from each front end: the radio takes the same frames, the user reads the
// same outcome.
TEST_F(SafeWriteWindows, DesktopAndCommandLineWriteAlike) {
    QTemporaryDir dir;
    const QString file = dir.filePath("doc.dat");
    ASSERT_TRUE(rv::SaveDataFile(ctx->session, file.toStdString()));
    const auto frames = [this] { return sim->withRadio([](auto& r) { return r.frameLog(); }); };
    sim->withRadio([](rv::sim::SimRadio& r) { r.clearFrameLog(); });
    ASSERT_TRUE(main->runTransfer(2));
    const auto desktop = frames();
    sim->withRadio([](rv::sim::SimRadio& r) { r.clearFrameLog(); });
    QProcess cli;
    cli.setEnvironment(QProcess::systemEnvironment() << "LC_ALL=C.UTF-8");
    cli.start(RV_BIN_DIR "/rv52n-cli", {"write", file, "--port", sim->devicePath().c_str(),
                                        "--backup-dir", dir.filePath("kept")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_GT(desktop.size(), 100u);
    EXPECT_TRUE(desktop == frames()) << desktop.size() << " frames against " << frames().size();
    const QString shown = prompt->asked.last().replace("\r\n", "\n") + "\n";
    EXPECT_TRUE(QString::fromUtf8(cli.readAllStandardOutput()).endsWith(shown))
        << shown.toStdString();
}

TEST_F(SafeWriteWindows, SilentRadioIsNoRadioNotAWrongModel) {
    sim->withRadio([](rv::sim::SimRadio& r) { r.faults().garbageIdent = true; });
    rv::app::SetSafetyChoice(rv::app::Safety::BackUpBeforeWriting, false);
    EXPECT_FALSE(main->runTransfer(2));
    ASSERT_EQ(prompt->asked.size(), 2);
    EXPECT_TRUE(prompt->asked[1].startsWith("No radio answered."))
        << prompt->asked[1].toStdString();
}

TEST_F(SafeWriteWindows, BackupsAreGroupedByRadioAndTheRadioOnThePortIsChosen) {
    const QString folder = path("kept");
    QDir().mkpath(folder);
    rv::MemoryImage m = rv::sim::DemoRadioMemory();
    const char* names[] = {"20260105-101010-7415.img", "C0000002-20261130-080000.img",
                           "C0000001-20260701-000000.img", "C0000001-20261201-000000.img"};
    for (const char* n : names) {
        QFile f(folder + "/" + n);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (QString(n).startsWith("C0000002")) m[446] = 0xF9, m[445] = 1;
        // A cut image cannot be written back: it is not offered.
        f.write(reinterpret_cast<const char*>(m.data()),
                QString(n).contains("20261201") ? 10 : 1024);
    }
    const auto list = rv::link::ListBackups(folder).value();
    rv::app::FrmRestore newest(*ctx, folder, list);
    auto* tree = newest.findChild<QTreeWidget*>("Backups");
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "C0000002");
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(1) + " " +
                  tree->topLevelItem(0)->child(0)->text(2),
              "582 136 - 174 MHz");
    EXPECT_EQ(tree->topLevelItem(1)->childCount(), 1);
    EXPECT_EQ(tree->topLevelItem(2)->text(0), "(no serial number)");
    EXPECT_EQ(newest.chosen(), folder + "/C0000002-20261130-080000.img");
    rv::app::FrmRestore ofRadio(*ctx, folder, list, "C0000001");
    EXPECT_EQ(ofRadio.chosen(), folder + "/C0000001-20260701-000000.img");
}

TEST_F(SafeWriteWindows, CompareWithFileListsDifferencesWithoutChangingTheDocument) {
    ctx->doc().OptFeatures.BatterySave = 0;
    rv::Session other = ctx->session;
    other.Doc.OptFeatures.BatterySave = 1;
    other.Doc.EmbMsg1.set("SHOP");
    ASSERT_TRUE(rv::SaveDataFile(other, path("other.dat").toStdString()));
    const rv::RadioData before = ctx->doc();
    prompt->fileNames = {path("other.dat")};
    act("mnuCompareFile")->trigger();
    auto* window = main->findChild<rv::app::FrmCompare*>();
    ASSERT_NE(window, nullptr);
    auto* table = window->findChild<QTableWidget*>("Differences");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "other.dat");
    EXPECT_EQ(window->copyText(), "Optional Features\tBattery Save\tOff\tOn\n"
                                  "Embedded Message\tLine 1\t(none)\tSHOP\n");
    EXPECT_EQ(ctx->doc(), before);
    delete window;

    rv::app::FrmCompare same(*ctx, {}, "x");
    EXPECT_EQ(same.findChild<QLabel*>("NoDifferences")->text(), "No differences.");

    // Areas in window order and channels by number, as diff lists them.
    for (const int n : {11, 2, 10})
        rv::SetChannelField(other, n, rv::ChannelFieldKind::RxFreq, "446");
    ASSERT_TRUE(rv::SaveDataFile(other, path("other.dat").toStdString()));
    prompt->fileNames = {path("other.dat")};
    act("mnuCompareFile")->trigger();
    QString want;
    for (const auto& d : rv::CompareDocuments(ctx->session, other))
        want += QString::fromStdString(d.area + "\t" + d.item + "\t" + d.a + "\t" + d.b + "\n");
    EXPECT_EQ(main->findChild<rv::app::FrmCompare*>()->copyText(), want);
    EXPECT_LT(want.indexOf("Channel 2\t"), want.indexOf("Channel 10\t"));

    // A file that cannot be compared gets the reason Open gives; one of neither size is
    // refused before it is read as either.
    QFile cut(path("cut.img"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly) && cut.write("0123456789") == 10);
    cut.close();
    const std::pair<const char*, const char*> refused[] = {
        {"missing.dat", "The file does not exist."},
        {"cut.img", "A data file holds exactly 1641 bytes and a memory image 1024; this file "
                    "holds 10."}};
    for (const auto& [file, reason] : refused) {
        prompt->asked.clear();
        prompt->fileNames = {path(file)};
        act("mnuCompareFile")->trigger();
        EXPECT_EQ(prompt->asked, QStringList{QString("file error.\n") + reason}) << file;
    }
}

TEST_F(SafeWriteWindows, RadioOfAnUnknownModelWarnsOnReadAndCompare) {
    sim->withRadio([](rv::sim::SimRadio& r) { r.memory()[445] = 7; });
    const rv::RadioData before = ctx->doc();
    act("mnuCompareRadio")->trigger();
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_TRUE(prompt->asked[0].startsWith("The radio names no known model and band"));
    auto* window = main->findChild<rv::app::FrmCompare*>();
    ASSERT_NE(window, nullptr);
    EXPECT_GT(window->findChild<QTableWidget*>("Differences")->rowCount(), 0);
    EXPECT_EQ(ctx->doc(), before);

    prompt->asked.clear();
    EXPECT_TRUE(main->runTransfer(1));
    ASSERT_EQ(prompt->asked.size(), 3);
    EXPECT_TRUE(prompt->asked[1].startsWith("The radio names no known model and band"));
    EXPECT_EQ(prompt->asked[2], "Read Data Completed.");
}

} // namespace
