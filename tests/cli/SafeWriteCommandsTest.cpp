// write with backup and verify, restore, read --verify and diff, end to end through the
// command-line tool and a simulated radio on a pseudo-terminal.
#include "data/DataFile.h"
#include "link/AtomicFile.h"
#include "data/Defaults.h"
#include "data/Image.h"
#include "sim/SimRadioPty.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {

using rv::sim::SimFaults;
using rv::sim::SimRadio;
using rv::sim::SimRadioPty;

using CliResult = rvtest::CliRun;

class SafeWriteCommands : public testing::Test {
protected:
    void SetUp() override {
        rv::Session s;
        rv::InitRadioData(s, "20260101");
        s.Doc.ChannelCount = 1;
        s.Doc.Channels[0] = rv::NewChannel(3);
        s.Doc.Channels[0].RxFreq.set("46000000");
        s.Doc.Channels[0].TxFreq.set("46000000");
        s.Doc.EmbMsg1.set("SHOP");
        ASSERT_TRUE(rv::SaveDataFile(s, path("mine.dat").toStdString()));
    }
    void start(QProcess& p, const QStringList& args) {
        rvtest::StartCli(p, args, "C.UTF-8", path("data"));
    }
    CliResult finish(QProcess& p) { return rvtest::FinishCli(p); }
    CliResult cli(const QStringList& args) { return rvtest::RunCli(args, "C.UTF-8", path("data")); }
    QString startRadio(const SimFaults& faults = {}, bool paced = false,
                       const rv::MemoryImage& memory = rv::sim::DemoRadioMemory()) {
        radio.reset();
        radio.emplace(memory);
        std::string error;
        EXPECT_TRUE(radio->start(paced, &error)) << error;
        radio->withRadio([&](SimRadio& r) { r.faults() = faults; });
        return QString::fromStdString(radio->devicePath());
    }
    rv::MemoryImage memory() {
        return radio->withRadio([](SimRadio& r) { return r.memory(); });
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    static rv::MemoryImage imageOf(const QString& file) {
        QFile f(file);
        rv::MemoryImage m{};
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        const QByteArray b = f.readAll();
        EXPECT_EQ(b.size(), 1024);
        std::copy_n(b.constData(), std::min<qsizetype>(b.size(), 1024), m.begin());
        return m;
    }
    static QString backupOf(const CliResult& r) {
        for (const QString& line : r.out.split('\n'))
            if (line.startsWith("Backup: ")) return line.mid(8);
        return {};
    }

    QTemporaryDir dir;
    std::optional<SimRadioPty> radio;
};

TEST_F(SafeWriteCommands, WriteKeepsABackupAndVerifies) {
    struct Case {
        QStringList extra;
        bool backup;
        const char* out;
    };
    const Case cases[] = {
        {{}, true, "Write Data Completed.\nVerified\n"},
        {{"--no-backup"}, false, "Write Data Completed.\nVerified\n"},
        {{"--no-verify", "--backup-dir", "elsewhere"}, true, "Write Data Completed.\n"},
    };
    // A relative backup folder is taken from the working folder; work in this test's own so
    // that two runs at once never share it.
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const auto back = qScopeGuard([&] { QDir::setCurrent(home); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extra.join(' ').toStdString());
        const QString port = startRadio();
        const rv::MemoryImage before = memory();
        const CliResult r = cli(QStringList{"write", path("mine.dat"), "--port", port} + c.extra);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QString backup = backupOf(r);
        EXPECT_TRUE(r.out.endsWith(c.out)) << r.out.toStdString();
        EXPECT_EQ(!backup.isEmpty(), c.backup);
        if (backup.isEmpty()) continue;
        EXPECT_EQ(imageOf(backup), before);
        const QString folder = c.extra.contains("elsewhere") ? QDir::currentPath() + "/elsewhere"
                                                             : path("data/RV52N/RV52N/backups");
        EXPECT_EQ(QFileInfo(backup).absolutePath(), QDir(folder).absolutePath());
        EXPECT_TRUE(QFile::exists(backup.chopped(4) + ".dat"));
    }
}

TEST_F(SafeWriteCommands, CorruptedByteFailsTheVerifyWithStatus3) {
    const QString port = startRadio({.corruptWriteAt = 0x30});
    const CliResult r = cli({"write", path("mine.dat"), "--port", port, "--no-backup"});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(
        r.err.startsWith("Verify failed: 1 byte differs, the first at 0x0030 (Channel 3: RX "
                         "Frequency)"))
        << r.err.toStdString();
}

TEST_F(SafeWriteCommands, SimCommandFaultSwitches) {
    QProcess sim;
    start(sim, {"sim", "--fast", "--corrupt-write", "0x300"});
    ASSERT_TRUE(sim.waitForReadyRead(10000));
    const QString device = QString::fromUtf8(sim.readLine()).trimmed();
    const CliResult r = cli({"write", path("mine.dat"), "--port", device, "--no-backup"});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains("0x0300 (Embedded Message: Line 1)")) << r.err.toStdString();
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    for (const QStringList& bad :
         {QStringList{"--corrupt-write", "1024"}, QStringList{"--corrupt-read", "x"},
          QStringList{"--hang-up-after", "-1"}})
        EXPECT_EQ(cli(QStringList{"sim"} + bad).status, 2) << bad.join(' ').toStdString();
}

TEST_F(SafeWriteCommands, BrokenOffWriteIsRestoredFromItsBackup) {
    // The radio information (8 frames), two backup reads of 36 frames, PROGRAM, ident and
    // Ack, then 20 blocks.
    QString port = startRadio({.hangUpAfterFrames = 8 + 72 + 3 + 20});
    const rv::MemoryImage first = memory();
    const CliResult r = cli({"write", path("mine.dat"), "--port", port});
    EXPECT_NE(r.status, 0);
    const QString backup = backupOf(r);
    ASSERT_FALSE(backup.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains("partly written")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("rv52n-cli restore " + backup)) << r.err.toStdString();

    port = startRadio({}, false, memory());
    EXPECT_NE(memory(), first);
    const CliResult restored = cli({"restore", backup, "--port", port, "--no-backup"});
    ASSERT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.out, "Write Data Completed.\nVerified\n");
    EXPECT_EQ(memory(), first);

    EXPECT_EQ(cli({"restore", path("mine.dat"), "--port", port}).status, 1);
}

TEST_F(SafeWriteCommands, NoAnswerIsNoRadioNotAWrongModel) {
    const SimFaults faults[] = {{.silentAfterFrames = 0}, {.garbageIdent = true}};
    for (const SimFaults& f : faults) {
        for (const QStringList& extra : {QStringList{}, QStringList{"--force"}}) {
            SCOPED_TRACE(extra.join(' ').toStdString());
            const QString port = startRadio(f);
            const CliResult r = cli(QStringList{"write", path("mine.dat"), "--port", port,
                                                "--retries", "0", "--no-backup"} +
                                    extra);
            EXPECT_EQ(r.status, 1);
            EXPECT_TRUE(r.err.contains("No radio answered.")) << r.err.toStdString();
            EXPECT_FALSE(r.err.contains("--force")) << r.err.toStdString();
            EXPECT_FALSE(r.err.contains("Model type")) << r.err.toStdString();
            EXPECT_EQ(radio->withRadio([](SimRadio& x) { return x.blocksWritten(); }), 0);
        }
    }
}

// A stop at several points of a write: the tool ends within 2 s, End is the last frame the
// radio took, the port's lock is gone and the message says what the radio now holds.
TEST_F(SafeWriteCommands, StopSignalMidWriteEndsTheSessionAndSaysSo) {
    struct Case {
        int signal;
        int frames; ///< the stop comes once the radio took this many frames...
        int blocks; ///< ...and this many write blocks
        const char* state;
    };
    const Case cases[] = {{SIGTERM, 1, 0, "Nothing was written"},
                          {SIGINT, 0, 3, "partly written"},
                          {SIGTERM, 0, 3, "partly written"},
                          {SIGHUP, 0, 30, "partly written"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.signal << " after " << c.frames << " frames, " << c.blocks << " blocks");
        const QString port = startRadio({}, true);
        const QString lock = "/run/lock/LCK.." + port.mid(5).replace('/', '_');
        QProcess p;
        // One backup is enough to see it named; the others go faster without.
        start(p, QStringList{"write", path("mine.dat"), "--port", port, "--no-verify"} +
                     (c.signal == SIGINT ? QStringList{} : QStringList{"--no-backup"}));
        const auto reached = [&] {
            return radio->withRadio([&](SimRadio& x) {
                return x.framesReceived() >= c.frames && x.blocksWritten() >= c.blocks;
            });
        };
        for (int i = 0; i < 2000 && !reached(); ++i)
            QThread::msleep(5);
        ::kill(static_cast<pid_t>(p.processId()), c.signal);
        const CliResult r = rvtest::FinishCli(p, 2000);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("The operation was cancelled.")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.state)) << r.err.toStdString();
        if (c.signal == SIGINT) {
            EXPECT_TRUE(r.err.contains("rv52n-cli restore " + backupOf(r)));
        }
        radio->withRadio([](SimRadio& x) {
            EXPECT_FALSE(x.inCloneMode());
            ASSERT_FALSE(x.frameLog().empty());
            EXPECT_EQ(x.frameLog().back(), std::vector<std::uint8_t>{'E'});
        });
        EXPECT_FALSE(QFile::exists(lock)) << lock.toStdString();
    }
}

TEST_F(SafeWriteCommands, ReadVerifyCatchesADamagedBlock) {
    struct Case {
        QStringList extra;
        int flips;
        int status;
        bool damaged;
    };
    const Case cases[] = {
        {{}, 1, 0, true}, {{"--verify"}, 1, 0, false}, {{"--verify"}, 3, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flips);
        QFile::remove(path("read.dat"));
        const QString port = startRadio({.flipReadAt = 0x300, .flipReadTimes = c.flips});
        const CliResult r =
            cli(QStringList{"read", "--port", port, "-o", path("read.dat")} + c.extra);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        if (c.status != 0) {
            EXPECT_TRUE(r.err.contains("0x0300")) << r.err.toStdString();
            EXPECT_FALSE(QFile::exists(path("read.dat")));
            continue;
        }
        QFile f(path("read.dat"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        const auto doc = rv::FromRecord(
            std::span(reinterpret_cast<const std::uint8_t*>(b.constData()), b.size()));
        ASSERT_TRUE(doc);
        EXPECT_EQ(doc->EmbMsg1.get() == "DEALER DEMO", !c.damaged) << doc->EmbMsg1.get();
    }
}

TEST_F(SafeWriteCommands, ReadOfAnUnknownModelWarns) {
    rv::MemoryImage m = rv::sim::DemoRadioMemory();
    m[445] = 7;
    const QString port = startRadio({}, false, m);
    const CliResult r = cli({"read", "--port", port, "-o", path("odd.dat")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("names no known model")) << r.err.toStdString();
    startRadio();
    EXPECT_FALSE(cli({"read", "--port", radio->devicePath().c_str(), "-o", path("ok.dat")})
                     .err.contains("no known model"));
}

TEST_F(SafeWriteCommands, DiffListsEachDifferingSettingInBothLanguages) {
    rv::Session s;
    ASSERT_TRUE(rv::OpenDataFile(s, path("mine.dat").toStdString()));
    s.Doc.Channels[0].RxFreq.set("46001250");
    s.Doc.OptFeatures.BatterySave = 1 - s.Doc.OptFeatures.BatterySave;
    s.Doc.DtmfCodeCount = 1;
    s.Doc.DtmfCodes[0].No = 2;
    s.Doc.DtmfCodes[0].Code.set("987");
    ASSERT_TRUE(rv::SaveDataFile(s, path("other.dat").toStdString()));
    struct Case {
        const char* lang;
        QStringList areas;
        QStringList items;
    };
    const Case cases[] = {
        {"en",
         {"Channel 3", "Optional Features", "DTMF"},
         {"RX Frequency", "Battery Save", "Autodial Memory 2"}},
        {"zh",
         {"信道 3", "可选功能", "DTMF(双音多频)"},
         {"接收频率", "电池省电", "自动拨号存储器 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        const CliResult r =
            cli({"diff", path("mine.dat"), path("other.dat"), "--json", "--lang", c.lang});
        EXPECT_EQ(r.status, 1) << r.err.toStdString();
        const QJsonArray rows = QJsonDocument::fromJson(r.out.toUtf8()).array();
        ASSERT_EQ(rows.size(), 3) << r.out.toStdString();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(rows[i]["area"].toString(), c.areas[i]);
            EXPECT_EQ(rows[i]["item"].toString(), c.items[i]);
        }
        EXPECT_EQ(rows[0]["a"].toString(), "460.00000");
        EXPECT_EQ(rows[0]["b"].toString(), "460.01250");
        EXPECT_EQ(rows[2]["b"].toString(), "987");
    }
    const CliResult text = cli({"diff", path("mine.dat"), path("other.dat")});
    EXPECT_TRUE(text.out.startsWith("Channel 3  RX Frequency  460.00000 -> 460.01250\n"))
        << text.out.toStdString();
    // A data file and the image it encodes to hold the same settings.
    ASSERT_EQ(cli({"encode", path("mine.dat"), "-o", path("mine.img")}).status, 0);
    EXPECT_EQ(cli({"diff", path("mine.dat"), path("mine.img")}).status, 0);
    EXPECT_EQ(cli({"diff", path("mine.dat"), path("missing.dat")}).status, 2);
    EXPECT_EQ(cli({"diff", path("mine.dat")}).status, 2);
}

TEST_F(SafeWriteCommands, DiffAgainstTheRadio) {
    const QString port = startRadio({.corruptWriteAt = 0x300});
    cli({"write", path("mine.dat"), "--port", port, "--no-backup", "--no-verify"});
    const CliResult r = cli({"diff", path("mine.dat"), "radio", "--port", port});
    EXPECT_EQ(r.status, 1) << r.err.toStdString();
    EXPECT_EQ(r.out, "Embedded Message  Line 1  SHOP -> RHOP\n");
}

} // namespace
