// Backup, write and verify end to end: the real port adapter against the simulated radio.
#include "jobs/SafeWrite.h"
#include "data/Defaults.h"
#include "data/Image.h"
#include "data/ImageCompare.h"
#include "sim/SimRadioPty.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace rv::link::test {

using namespace rv::jobs;
using namespace rv::sim;
namespace {

struct SafeWriteHarness {
    std::optional<SimRadioPty> sim;
    rv::Session s;
    QTemporaryDir dir;
    SafeWriteOptions options;
    rv::MemoryImage first;
    int backupPasses = 0; ///< backup reads the last job started

    explicit SafeWriteHarness(const SimFaults& faults = {},
                              const rv::MemoryImage& memory = DemoRadioMemory()) {
        startRadio(memory, faults);
        s.CurModelCode = "7415";
        s.CurBand = "400 - 470 MHz";
        rv::InitRadioData(s, "20260101");
        rv::ChannelInfo ch = rv::NewChannel(3);
        ch.RxFreq.set("44604375");
        ch.TxFreq.set("44604375");
        s.Doc.ChannelCount = 1;
        s.Doc.Channels[0] = ch;
        s.Doc.EmbMsg1.set("SHOP");
        options.backupDir = dir.filePath("backups");
        options.waitMs = 100;
        options.retries = 0;
    }
    void startRadio(const rv::MemoryImage& memory, const SimFaults& faults = {}) {
        sim.reset();
        sim.emplace(memory);
        std::string error;
        EXPECT_TRUE(sim->start(false, &error)) << error;
        sim->withRadio([&](SimRadio& r) { r.faults() = faults; });
        first = memory;
    }
    rv::MemoryImage memory() {
        return sim->withRadio([](SimRadio& r) { return r.memory(); });
    }
    // Runs one job to its end.
    SafeWriteResult run(const std::function<bool(SafeWrite&, QString*)>& start) {
        SafeWrite job;
        QEventLoop loop;
        std::optional<SafeWriteResult> result;
        backupPasses = 0;
        QObject::connect(&job, &SafeWrite::stageStarted, &loop, [this](SafeWriteStage st, int n) {
            if (st == SafeWriteStage::Backup) backupPasses = n;
        });
        QObject::connect(&job, &SafeWrite::finished, &loop, [&](const SafeWriteResult& r) {
            result = r;
            loop.quit();
        });
        QString error;
        if (!start(job, &error)) {
            ADD_FAILURE() << error.toStdString();
            return {};
        }
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(result.has_value()) << "the job never ended";
        return result.value_or(SafeWriteResult{});
    }
    SafeWriteResult write() {
        return run([this](SafeWrite& j, QString* e) {
            return j.startWrite(s, QString::fromStdString(sim->devicePath()), options, e);
        });
    }
};

rv::MemoryImage FileImage(const QString& path) {
    QFile f(path);
    rv::MemoryImage image{};
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray b = f.readAll();
    EXPECT_EQ(b.size(), 1024);
    std::copy_n(b.constData(), std::min<qsizetype>(b.size(), 1024), image.begin());
    return image;
}

TEST(SafeWrite, CleanWriteKeepsTheRadioAsItWasAndVerifies) {
    SafeWriteHarness h;
    const SafeWriteResult r = h.write();
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(FileImage(r.backupImage), h.first);
    EXPECT_TRUE(QFile::exists(r.backupData));
    // Named by the radio's serial number, read before the backup.
    EXPECT_TRUE(QFileInfo(r.backupImage).fileName().startsWith("20261201-"))
        << r.backupImage.toStdString();
    EXPECT_EQ(r.blocksWritten, 49);
    EXPECT_TRUE(rv::DifferingAddresses(h.memory(), r.sent, true).empty());
    EXPECT_EQ(r.radioModel, "7415");
    EXPECT_EQ(r.radioBand, "400 - 470 MHz");

    // A second backup in the same second takes a name of its own.
    const SafeWriteResult again = h.write();
    ASSERT_TRUE(again.ok()) << again.message.toStdString();
    EXPECT_NE(again.backupImage, r.backupImage);
    EXPECT_TRUE(QFile::exists(r.backupImage));
}

TEST(SafeWrite, CorruptedByteIsCaughtWithItsAddressAndSetting) {
    struct Case {
        int address;
        const char* setting;
    };
    const Case cases[] = {{0x30, "Channel 3: RX Frequency"},
                          {0x300, "Embedded Message: Line 1"},
                          {0x1F9, "DTMF: Stun Code"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        SafeWriteHarness h({.corruptWriteAt = c.address});
        h.options.backupDir.clear();
        const SafeWriteResult r = h.write();
        EXPECT_EQ(r.status, SafeWriteStatus::VerifyFailed);
        EXPECT_EQ(r.mismatches, std::vector<int>{c.address});
        EXPECT_TRUE(r.message.startsWith("Verify failed: 1 byte differs"))
            << r.message.toStdString();
        EXPECT_TRUE(r.message.contains(c.setting)) << r.message.toStdString();
    }
}

TEST(SafeWrite, BrokenOffWriteNamesTheBackupThatRestoresTheRadio) {
    // The radio information (8 frames), two backup reads of 36 frames each, PROGRAM, ident and
    // Ack of the write, 10 blocks.
    SafeWriteHarness h({.hangUpAfterFrames = 8 + 72 + 3 + 10});
    const SafeWriteResult r = h.write();
    ASSERT_EQ(r.status, SafeWriteStatus::PartlyWritten) << r.message.toStdString();
    EXPECT_EQ(r.blocksWritten, 11);
    EXPECT_TRUE(r.message.contains("partly written")) << r.message.toStdString();
    EXPECT_TRUE(r.message.contains(r.backupImage)) << r.message.toStdString();
    const rv::MemoryImage partly = h.memory();
    EXPECT_NE(partly, h.first);

    const rv::MemoryImage kept = FileImage(r.backupImage);
    const rv::MemoryImage original = h.first;
    h.startRadio(partly);
    const SafeWriteResult restored = h.run([&](SafeWrite& j, QString* e) {
        return j.startRestore(h.s, kept, QString::fromStdString(h.sim->devicePath()), h.options, e);
    });
    ASSERT_TRUE(restored.ok()) << restored.message.toStdString();
    EXPECT_EQ(h.memory(), original);
}

TEST(SafeWrite, NoRadioIsNeverCalledAWrongModel) {
    struct Case {
        const char* name;
        SimFaults faults;
        bool backup;
    };
    const Case cases[] = {{"silent", {.silentAfterFrames = 0}, true},
                          {"silent, no backup", {.silentAfterFrames = 0}, false},
                          {"garbage ident", {.garbageIdent = true}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SafeWriteHarness h(c.faults);
        if (!c.backup) h.options.backupDir.clear();
        const SafeWriteResult r = h.write();
        EXPECT_EQ(r.status, SafeWriteStatus::NoRadio) << r.message.toStdString();
        EXPECT_TRUE(r.message.startsWith("No radio answered")) << r.message.toStdString();
        EXPECT_FALSE(r.message.contains("Model type")) << r.message.toStdString();
        EXPECT_EQ(h.sim->withRadio([](SimRadio& x) { return x.blocksWritten(); }), 0);
    }
}

// A read that broke off after the radio answered names what happened: silence is a failed
// read of a radio that is there, a line that went away is a port error.
TEST(SafeWrite, ReadBrokenOffIsAFailureOrAPortErrorNeverNoRadio) {
    struct Case {
        const char* name;
        SimFaults faults;
        SafeWriteStatus status;
    };
    const Case cases[] = {{"silent", {.silentAfterFrames = 10}, SafeWriteStatus::Failed},
                          {"hung up", {.hangUpAfterFrames = 10}, SafeWriteStatus::PortError}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SafeWriteHarness h(c.faults);
        const SafeWriteResult r = h.run([&](SafeWrite& j, QString* e) {
            return j.startRead(h.s, QString::fromStdString(h.sim->devicePath()), h.options, e);
        });
        EXPECT_EQ(r.status, c.status) << r.message.toStdString();
        EXPECT_EQ(r.radioModel, "7415");
        EXPECT_FALSE(r.message.isEmpty());
    }
}

// The line goes while the radio's identity is read before a backed-up write: the port's own
// reason first, then that the radio was not touched.
TEST(SafeWrite, LineLostBeforeTheBackupIsAPortErrorWithNothingWritten) {
    SafeWriteHarness h({.hangUpAfterFrames = 2});
    const SafeWriteResult r = h.write();
    EXPECT_EQ(r.status, SafeWriteStatus::PortError) << r.message.toStdString();
    EXPECT_FALSE(r.message.startsWith("Nothing was written")) << r.message.toStdString();
    EXPECT_TRUE(r.message.endsWith("\nNothing was written to the radio."))
        << r.message.toStdString();
    EXPECT_EQ(h.sim->withRadio([](SimRadio& x) { return x.blocksWritten(); }), 0);
}

TEST(SafeWrite, CheckedReadOutvotesOneDamagedByteOrNamesTheAddress) {
    const int at = 0x2C0;
    struct Case {
        int flips;
        bool settles;
    };
    for (const Case c : {Case{1, true}, Case{3, false}}) {
        SCOPED_TRACE(c.flips);
        SafeWriteHarness h({.flipReadAt = at, .flipReadTimes = c.flips});
        const SafeWriteResult r = h.run([&](SafeWrite& j, QString* e) {
            return j.startRead(h.s, QString::fromStdString(h.sim->devicePath()), h.options, e);
        });
        if (c.settles) {
            ASSERT_TRUE(r.ok()) << r.message.toStdString();
            EXPECT_EQ(r.before, h.first);
        } else {
            EXPECT_EQ(r.status, SafeWriteStatus::ReadsDisagree);
            EXPECT_EQ(r.unsettled, std::vector<int>{at});
            EXPECT_TRUE(r.message.contains("0x02C0")) << r.message.toStdString();
        }
    }
}

QByteArray FileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SafeWrite, RepeatWriteReadsOnceOnlyWhileTheRadioEqualsItsVerifiedImage) {
    struct Case {
        const char* name;
        std::function<void(SimRadio&)> meanwhile; ///< what happens between the two writes
        bool serial;                              ///< the radio gives its serial number
        int reads;
        BackupConfirmation how;
        const char* note;
    };
    const Case cases[] = {
        {"unchanged", [](SimRadio&) {}, true, 1, BackupConfirmation::KeptImage, "kept-image"},
        {"one byte changed", [](SimRadio& r) { r.memory()[0x3F0] ^= 0x10; }, true, 2,
         BackupConfirmation::TwoReads, "two-reads"},
        {"first read damaged", [](SimRadio& r) { r.faults().flipReadAt = 0x100; }, true, 3,
         BackupConfirmation::Vote, "vote"},
        {"no serial number", [](SimRadio&) {}, false, 2, BackupConfirmation::TwoReads, "two-reads"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SafeWriteHarness h;
        if (!c.serial) h.sim->withRadio([](SimRadio& r) { r.info().serialNumber.clear(); });
        const SafeWriteResult first = h.write();
        ASSERT_TRUE(first.ok()) << first.message.toStdString();
        EXPECT_EQ(h.backupPasses, 2);
        EXPECT_EQ(first.serial, c.serial ? "20261201" : "");

        h.sim->withRadio(c.meanwhile);
        const rv::MemoryImage radio = h.memory();
        const SafeWriteResult r = h.write();
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
        EXPECT_EQ(h.backupPasses, c.reads);
        EXPECT_EQ(r.backupReads, c.reads);
        EXPECT_EQ(r.backupConfirmed, c.how);
        EXPECT_EQ(FileImage(r.backupImage), radio);
        QString note = r.backupImage;
        note.replace(".img", ".confirm");
        EXPECT_TRUE(FileText(note).startsWith(QByteArray("confirmed=") + c.note))
            << FileText(note).toStdString();
        EXPECT_EQ(QDir(h.options.backupDir + "/verified").entryList(QDir::Files).size(),
                  c.serial ? 1 : 0);
    }
}

TEST(SafeWrite, VerifyReadsOnlyTheWrittenBlocksAndComparesEveryWrittenByte) {
    struct Case {
        const char* name;
        SimFaults faults;
        std::vector<int> mismatches;
        bool damageLeft; ///< the verify never fetched the damaged block: a later read gets it
    };
    const Case cases[] = {
        {"stored wrong at the last written address", {.corruptWriteAt = 0x33F}, {0x33F}, false},
        {"read damaged at the last written address", {.flipReadAt = 0x33F}, {0x33F}, false},
        {"read damaged past the write map", {.flipReadAt = 0x3F0}, {}, true},
        {"read damaged between the written parts", {.flipReadAt = 0x1A0}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SafeWriteHarness h(c.faults);
        h.options.backupDir.clear();
        const SafeWriteResult r = h.write();
        EXPECT_EQ(r.status,
                  c.mismatches.empty() ? SafeWriteStatus::Ok : SafeWriteStatus::VerifyFailed);
        EXPECT_EQ(r.mismatches, c.mismatches);
        if (c.faults.flipReadAt < 0) continue;
        h.options.readVerify = false;
        const SafeWriteResult later = h.run([&](SafeWrite& j, QString* e) {
            return j.startRead(h.s, QString::fromStdString(h.sim->devicePath()), h.options, e);
        });
        ASSERT_TRUE(later.ok()) << later.message.toStdString();
        const auto at = static_cast<std::size_t>(c.faults.flipReadAt);
        EXPECT_EQ(later.before[at] != h.memory()[at], c.damageLeft);
    }
}

// The radio falls silent once the backup is kept: the message says once that nothing was
// written, though both the session's and the job's own sentence would say it.
TEST(SafeWrite, SilenceRightAfterTheBackupSaysNothingWrittenOnce) {
    SafeWriteHarness h({.silentAfterFrames = 8 + 72});
    const SafeWriteResult r = h.write();
    EXPECT_NE(r.status, SafeWriteStatus::Ok);
    EXPECT_FALSE(r.backupImage.isEmpty());
    EXPECT_EQ(r.message.count("Nothing was written"), 1) << r.message.toStdString();
}

} // namespace
} // namespace rv::link::test
