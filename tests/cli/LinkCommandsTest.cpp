#include "data/DataFile.h"
#include "link/AtomicFile.h"
#include "data/Defaults.h"
#include "data/Image.h"
#include "sim/SimRadioPty.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {

using rv::sim::SimRadio;
using rv::sim::SimRadioPty;

using rvtest::CliRun;

class LinkCommands : public testing::Test {
protected:
    CliRun cli(const QStringList& args) {
        return rvtest::RunCli(args, "C.UTF-8", dir.filePath("data")); // backups before a write
    }
    /// A radio in this process, for fault switches and a look at its memory afterwards.
    QString startRadio(const rv::sim::SimFaults& faults = {}) {
        radio.emplace();
        std::string error;
        EXPECT_TRUE(radio->start(false, &error)) << error;
        radio->withRadio([&](SimRadio& r) { r.faults() = faults; });
        return QString::fromStdString(radio->devicePath());
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray bytes(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString& name, const QByteArray& content) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    std::optional<rv::RadioData> document(const QString& name) const {
        const QByteArray b = bytes(name);
        return rv::FromRecord(
            std::span(reinterpret_cast<const std::uint8_t*>(b.constData()), b.size()));
    }

    QTemporaryDir dir;
    std::optional<SimRadioPty> radio;
};

TEST_F(LinkCommands, ReadFromTheBuiltInRadio) {
    const CliRun r = cli({"read", "--port", "sim", "-o", path("radio.dat")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Read Data Completed.\n");
    const auto doc = document("radio.dat");
    ASSERT_TRUE(doc);
    // The read lands in a new document: the radio-information members keep their defaults.
    rv::Session expected;
    rv::InitRadioData(expected, doc->SerialNumber.get());
    rv::DecodeImage(rv::sim::DemoRadioMemory(), expected);
    EXPECT_EQ(*doc, expected.Doc);
    EXPECT_EQ(doc->ChannelCount, 6);
    EXPECT_EQ(doc->Version.get(), "V1.00");
    EXPECT_EQ(doc->ModelType.get(), "7415");
    EXPECT_EQ(doc->TypeLetter, 67);
    EXPECT_EQ(doc->SerialNumber.get().size(), 8u);
}

TEST_F(LinkCommands, WriteThenReadBack) {
    rv::Session s;
    rv::InitRadioData(s, "20260101");
    s.Doc.ChannelCount = 1;
    s.Doc.Channels[0] = rv::NewChannel(3);
    s.Doc.Channels[0].RxFreq.set("46000000");
    s.Doc.Channels[0].TxFreq.set("46500000");
    s.Doc.EmbMsg1.set("FROM CLI");
    ASSERT_TRUE(rv::SaveDataFile(s, path("mine.dat").toStdString()));
    const QString port = startRadio();

    const CliRun w = cli({"write", path("mine.dat"), "--port", port});
    ASSERT_EQ(w.status, 0) << w.err.toStdString();
    EXPECT_TRUE(w.out.startsWith("Backup: ")) << w.out.toStdString();
    EXPECT_TRUE(w.out.endsWith("Write Data Completed.\nVerified\n")) << w.out.toStdString();
    const CliRun r = cli({"read", "--port", port, "-o", path("back.dat")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto back = document("back.dat");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->ChannelCount, 1);
    EXPECT_EQ(back->Channels[0].ChNo, 3);
    EXPECT_EQ(back->Channels[0].TxFreq.get(), "46500000");
    EXPECT_EQ(back->EmbMsg1.get(), "FROM CLI");
    EXPECT_EQ(back->OptFeatures, s.Doc.OptFeatures);
}

TEST_F(LinkCommands, WrongModelIsRefusedUnlessForced) {
    rv::Session s;
    rv::InitRadioData(s, "20260101");
    ASSERT_TRUE(rv::SaveDataFile(s, path("mine.dat").toStdString()));
    const QString port = startRadio({.otherModel = true});

    const CliRun refused = cli({"write", path("mine.dat"), "--port", port});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("Model type is wrong. Overwrite?"))
        << refused.err.toStdString();
    EXPECT_EQ(radio->withRadio([](SimRadio& r) { return r.blocksWritten(); }), 0);

    const CliRun forced = cli({"write", path("mine.dat"), "--port", port, "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_EQ(radio->withRadio([](SimRadio& r) { return r.blocksWritten(); }), 49);
}

// Failed reads: a clear message, a non-zero status and the output file as it was.
TEST_F(LinkCommands, FailedReadLeavesTheOutputFile) {
    struct Case {
        const char* name;
        rv::sim::SimFaults faults;
        const char* retries;
        int retryLines;
    };
    const Case cases[] = {
        // No ident: no radio answered, nothing to retry.
        {"silent radio", {.silentAfterFrames = 0}, "1", 0},
        {"hang-up", {.hangUpAfterFrames = 12}, "0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile("kept.dat", "old contents");
        const QString port = startRadio(c.faults);
        const CliRun r =
            cli({"read", "--port", port, "-o", path("kept.dat"), "--retries", c.retries});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.count("Retry or Cancel? Retry"), c.retryLines) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("rv52n-cli: ")) << r.err.toStdString();
        EXPECT_EQ(bytes("kept.dat"), "old contents");
        EXPECT_FALSE(QFile::exists(path("new.dat")));
    }
}

TEST_F(LinkCommands, CorruptedBlockIsRetried) {
    const QString port = startRadio({.corruptBlockAt = 0x140});
    const CliRun r = cli({"read", "--port", port, "-o", path("radio.dat")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.count("Check Connection. Retry or Cancel? Retry"), 1);
    const rv::MemoryImage memory = radio->withRadio([](SimRadio& r) { return r.memory(); });
    const auto doc = document("radio.dat");
    ASSERT_TRUE(doc);
    rv::Session expected;
    rv::InitRadioData(expected, doc->SerialNumber.get());
    rv::DecodeImage(memory, expected);
    EXPECT_EQ(*doc, expected.Doc);
}

TEST_F(LinkCommands, MissingPortCreatesNoFile) {
    const CliRun r = cli({"read", "--port", "/dev/ttyUSB-missing", "-o", path("x.dat")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Cannot Open Communication Port.\nThere is no such device"))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("x.dat")));
}

TEST_F(LinkCommands, UsageErrors) {
    EXPECT_EQ(cli({"read", "--port", "sim"}).status, 2);
    EXPECT_EQ(cli({"read", "-o", path("a.dat"), "--retries", "many"}).status, 2);
    EXPECT_EQ(cli({"write", "--port", "sim"}).status, 2);
    EXPECT_EQ(cli({"read", "--port", "12", "-o", path("a.dat")}).status, 1);
    // A mistyped option is refused before the radio is touched, never taken as absent.
    for (const QStringList& args :
         {QStringList{"read", "--port", "sim", "-o", path("a.dat"), "--retires", "3"},
          QStringList{"write", path("a.dat"), "--port", "sim", "--no-verfy"},
          QStringList{"write", path("a.dat"), "--force=yes"}, QStringList{"info", "--port"},
          QStringList{"read", "--port", "", "-o", path("a.dat")},
          QStringList{"fleet", path("a.dat")}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage: rv52n-cli")) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("a.dat")));
}

TEST_F(LinkCommands, InfoAndSetInfo) {
    const QString port = startRadio();
    const CliRun info = cli({"info", "--port", port});
    ASSERT_EQ(info.status, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("Model type:    817\n")) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("Serial number: 20261201\n"));
    EXPECT_TRUE(info.out.contains("Version:       1.00\n"));
    const CliRun zh = cli({"info", "--port", port, "--lang", "zh"});
    ASSERT_EQ(zh.status, 0) << zh.err.toStdString();
    EXPECT_TRUE(zh.out.startsWith("机型类型：817\n")) << zh.out.toStdString();
    EXPECT_TRUE(zh.out.contains("序号：20261201\n"));

    const CliRun set = cli({"set-info", "--port", port, "--model-type", "916", "--band", "49",
                            "--serial", "SN000042", "--version", "2.1"});
    ASSERT_EQ(set.status, 0) << set.err.toStdString();
    radio->withRadio([](SimRadio& r) {
        EXPECT_EQ(r.info().modelType, "5616");
        EXPECT_EQ(r.info().frequencyCode, 49);
        EXPECT_EQ(r.info().typeLetter, 'C');
        EXPECT_EQ(r.info().serialNumber, "SN000042");
        EXPECT_EQ(r.info().version, "2.1"); // in the radio's form: its version has no V
    });

    const CliRun sync = cli({"set-info", "--port", port, "--time-sync"});
    ASSERT_EQ(sync.status, 0) << sync.err.toStdString();
    const std::string today = QDate::currentDate().toString("yyyyMMdd").toStdString();
    radio->withRadio([&](SimRadio& r) {
        EXPECT_EQ(r.info().serialNumber, today);
        EXPECT_EQ(r.info().modelType, "5616"); // what was not given stays
    });
}

TEST_F(LinkCommands, SetInfoSendsBackWhatIsNotGivenAsTheRadioHadIt) {
    const QString port = startRadio();
    radio->withRadio([](SimRadio& r) {
        r.info().version = "V1.0";   // neither its V nor the missing digit may be changed
        r.info().modelType = "4615"; // not in the table: reads as empty
        r.info().typeLetter = 'D';
        r.info().frequencyCode = 48;
    });
    for (int run = 0; run < 2; ++run) { // nothing wears away over repeated runs
        const CliRun r = cli({"set-info", "--port", port, "--serial", "87654321"});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
    }
    radio->withRadio([](SimRadio& r) {
        EXPECT_EQ(r.info().version, "V1.0");
        EXPECT_EQ(r.info().modelType, "4615");
        EXPECT_EQ(r.info().typeLetter, 'D');
        EXPECT_EQ(r.info().frequencyCode, 48);
        EXPECT_EQ(r.info().serialNumber, "87654321");
    });

    // A band name as `info` shows it: the radio's own code when it already names that
    // band, else the code most models use for it.
    struct Band {
        const char* name;
        int code;
    };
    for (const Band b : {Band{"450 - 520 MHz", 48}, Band{"400 - 470 MHz", 65},
                         Band{"136 - 174 MHz", 99}, Band{"7", 7}, Band{"255", 255}}) {
        ASSERT_EQ(cli({"set-info", "--port", port, "--band", b.name}).status, 0) << b.name;
        radio->withRadio([&](SimRadio& r) { EXPECT_EQ(r.info().frequencyCode, b.code); });
    }
}

TEST_F(LinkCommands, SetInfoChecksEveryArgumentBeforeTouchingTheRadio) {
    const QString port = startRadio();
    for (const QStringList& bad :
         {QStringList{"--model-type", "918"}, QStringList{"--band", "450 - 490 MHz(M)"},
          QStringList{"--band", "256"}, QStringList{"--serial", "1", "--time-sync"},
          QStringList{"--serial", QString::fromUtf8("序号")},
          QStringList{"--version", QString::fromUtf8("1.0é")}, QStringList{},
          QStringList{"--serial", "123456789"}, QStringList{"--version", "1.234"}}) {
        const CliRun r = cli(QStringList{"set-info", "--port", port} + bad);
        EXPECT_EQ(r.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage: rv52n-cli")) << r.err.toStdString();
    }
    radio->withRadio([](SimRadio& r) { EXPECT_EQ(r.framesReceived(), 0); });
}

TEST_F(LinkCommands, InfoWithoutAcknowledgementOfTheVersionSendsEndAndFails) {
    rv::sim::SimFaults faults;
    faults.silentAfterFrames = 6; // the 06 after the version block goes unanswered
    const QString port = startRadio(faults);
    const CliRun r = cli({"info", "--port", port, "--retries", "0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    radio->withRadio([](SimRadio& s) { EXPECT_EQ(s.framesReceived(), 8); }); // End came
}

TEST_F(LinkCommands, SimCommandServesALinkedDevice) {
    const QString link = path("radio-link");
    QProcess sim;
    sim.start(RV_BIN_DIR "/rv52n-cli", {"sim", "--fast", "--link", link});
    ASSERT_TRUE(sim.waitForReadyRead(10000));
    const QString device = QString::fromUtf8(sim.readLine()).trimmed();
    EXPECT_TRUE(device.startsWith("/dev/")) << device.toStdString();
    EXPECT_EQ(QFile::symLinkTarget(link), device);

    const CliRun r = cli({"read", "--port", link, "-o", path("viaLink.dat")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(link));
}

TEST_F(LinkCommands, SimLinkIsNeitherTakenOverNorLeftBehind) {
    const QString link = path("radio-link");
    const auto startSim = [&](QProcess& sim) {
        sim.start(RV_BIN_DIR "/rv52n-cli", {"sim", "--fast", "--link", link});
        EXPECT_TRUE(sim.waitForReadyRead(10000));
        return QString::fromUtf8(sim.readLine()).trimmed();
    };
    QProcess first;
    const QString device = startSim(first);
    const CliRun second = cli({"sim", "--fast", "--link", link});
    EXPECT_EQ(second.status, 1);
    EXPECT_TRUE(second.err.contains("in use")) << second.err.toStdString();
    EXPECT_EQ(QFile::symLinkTarget(link), device);
    // A hang-up stops the radio and takes its link along.
    ::kill(static_cast<pid_t>(first.processId()), SIGHUP);
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink());

    // A link left dangling by a radio that is gone is taken; a link someone else has made
    // in the meantime is left alone.
    ASSERT_TRUE(QFile::link("/dev/pts/no-such-radio", link));
    QProcess third;
    EXPECT_EQ(QFile::symLinkTarget(link), startSim(third));
    writeFile("other", "x");
    ASSERT_TRUE(QFile::remove(link) && QFile::link(path("other"), link));
    third.terminate();
    ASSERT_TRUE(third.waitForFinished(5000));
    EXPECT_EQ(QFile::symLinkTarget(link), path("other"));
}

TEST_F(LinkCommands, SimStartsFromADataFile) {
    rv::Session s;
    rv::InitRadioData(s, "20260101");
    s.Doc.EmbMsg1.set("IMAGE SOURCE");
    ASSERT_TRUE(rv::SaveDataFile(s, path("source.dat").toStdString()));
    QProcess sim;
    sim.start(RV_BIN_DIR "/rv52n-cli", {"sim", "--fast", "--image", path("source.dat")});
    ASSERT_TRUE(sim.waitForReadyRead(10000));
    const QString device = QString::fromUtf8(sim.readLine()).trimmed();
    const CliRun r = cli({"read", "--port", device, "-o", path("out.dat")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    sim.terminate();
    sim.waitForFinished(5000);
    const auto doc = document("out.dat");
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->EmbMsg1.get(), "IMAGE SOURCE");

    writeFile("junk.bin", "short");
    EXPECT_EQ(cli({"sim", "--image", path("junk.bin")}).status, 1);
}

} // namespace
