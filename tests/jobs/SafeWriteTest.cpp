// Backup, write and verify end to end: the real port adapter against the simulated radio.
#include "jobs/SafeWrite.h"
#include "data/Defaults.h"
#include "data/Image.h"
#include "data/ImageCompare.h"
#include "link/SimRadioPty.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace rv::link::test {

using namespace rv::jobs;
namespace {

struct SafeWriteHarness {
    std::optional<SimRadioPty> sim;
    rv::Session s;
    QTemporaryDir dir;
    SafeWriteOptions options;
    rv::MemoryImage first;

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
    EXPECT_TRUE(r.backupImage.endsWith("-7415.img")) << r.backupImage.toStdString();
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
    // Two backup reads of 36 frames each, PROGRAM, ident and Ack of the write, 10 blocks.
    SafeWriteHarness h({.hangUpAfterFrames = 72 + 3 + 10});
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

} // namespace
} // namespace rv::link::test
