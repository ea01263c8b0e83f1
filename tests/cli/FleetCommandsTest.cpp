#include "cli/Find.h"
#include "data/FleetLog.h"
#include "sim/SimRadioPty.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <memory>

namespace {

using rv::sim::SimRadio;
using rv::sim::SimRadioPty;

class FleetCommands : public testing::Test {
protected:
    void SetUp() override {
        QProcess p;
        p.start(RV_BIN_DIR "/rv52n-cli", {"read", "--port", "sim", "-o", path("fleet.dat")});
        ASSERT_TRUE(p.waitForFinished(30000));
        ASSERT_EQ(p.exitCode(), 0);
    }
    QString addRadio(const std::string& serial, const rv::sim::SimFaults& faults = {}) {
        auto sim = std::make_unique<SimRadioPty>();
        std::string error;
        EXPECT_TRUE(sim->start(false, &error)) << error;
        sim->withRadio([&](SimRadio& r) {
            r.faults() = faults;
            r.info().serialNumber = serial;
        });
        radios.push_back(std::move(sim));
        return QString::fromStdString(radios.back()->devicePath());
    }
    void startCli(QProcess& p, const QStringList& args) {
        rvtest::StartCli(p, args);
        ASSERT_TRUE(p.waitForStarted());
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString log() const {
        QFile f(path("log.csv"));
        // The log's lines end in CRLF, as spreadsheets write CSV; compared here line by line.
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).remove('\r')
                                           : QString();
    }
    int blocksWritten(std::size_t i) {
        return radios[i]->withRadio([](SimRadio& r) { return r.blocksWritten(); });
    }

    QTemporaryDir dir;
    std::vector<std::unique_ptr<SimRadioPty>> radios;
};

TEST_F(FleetCommands, ThreeRadiosAtOnceOneSilentOneCorruptingAWrite) {
    rv::sim::SimFaults silent, corrupt;
    silent.silentAfterFrames = 0;
    corrupt.corruptWriteAt = 0x20;
    const QString good = addRadio("11110001");
    const QString mute = addRadio("11110002", silent);
    const QString bad = addRadio("11110003", corrupt);
    QProcess p;
    startCli(p, {"fleet", path("fleet.dat"), "--ports", good + "," + mute + "," + bad, "--log",
                 path("log.csv"), "--backup-dir", path("backups")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 1) << out.toStdString();
    const QStringList rows = log().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4) << log().toStdString();
    EXPECT_EQ(rows[0], "time,port,model,band,serial,result,backup,document,hash,values");
    const auto rowOf = [&](const QString& port) {
        for (const QString& r : rows)
            if (r.section(',', 1, 1) == port) return r.section(',', 1);
        return QString();
    };
    EXPECT_TRUE(
        rowOf(good).startsWith(good + ",7415,400 - 470 MHz,11110001,OK," + path("backups")));
    EXPECT_TRUE(rowOf(mute).startsWith(mute + ",,,,no radio,,fleet.dat,"))
        << rowOf(mute).toStdString();
    EXPECT_TRUE(rowOf(bad).startsWith(bad + ",7415,400 - 470 MHz,11110003,verify failed,"));
    EXPECT_TRUE(out.contains(QRegularExpression(good + " +7415 +11110001 +OK ")));
    const auto latest = rv::LatestWrites(log().toStdString());
    ASSERT_EQ(latest.size(), 2u);
    EXPECT_FALSE(latest.at("11110001").empty());
    EXPECT_EQ(latest.at("11110003"), "");
    EXPECT_EQ(blocksWritten(1), 0);
}

TEST_F(FleetCommands, RepeatSkipsASerialNumberAlreadyProgrammed) {
    // Only a success with this very document skips a radio.
    QFile doc(path("fleet.dat"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    const QByteArray bytes = doc.readAll();
    const std::string hash =
        rv::DocumentHash(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size());
    QFile seed(path("log.csv"));
    ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
    seed.write(("time,port,model,band,serial,result,backup,document,hash\n"
                "2026-12-01T09:00:00,1,7415,400 - 470 MHz,22220001,OK,,fleet.dat," +
                hash + "\n" +
                "2026-12-01T09:01:00,1,7415,400 - 470 MHz,22220002,verify failed,,fleet.dat," +
                hash + "\n")
                   .c_str());
    seed.close();
    const QString done = addRadio("22220001");
    const QString failedBefore = addRadio("22220002");
    QProcess p;
    startCli(p, {"fleet", path("fleet.dat"), "--ports", done + "," + failedBefore, "--log",
                 path("log.csv"), "--repeat", "--no-backup"});
    QString err;
    for (int i = 0; i < 100 && !(err.contains("skipped") && err.contains(": OK")); ++i) {
        p.waitForReadyRead(100);
        err += QString::fromUtf8(p.readAllStandardError());
    }
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    err += QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.contains('\a')) << "the bell rings for the radio programmed";
    EXPECT_EQ(blocksWritten(0), 0);
    EXPECT_GT(blocksWritten(1), 0);
    const QStringList rows = log().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[3].contains(failedBefore + ",7415,400 - 470 MHz,22220002,OK,"));
}

TEST_F(FleetCommands, AJunkDeviceAmongGoodRadiosIsReportedAndTheFleetEndsOnItsOwn) {
    rv::sim::SimFaults junk;
    junk.garbageIdent = true;
    const QString good = addRadio("33330001");
    const QString bad = addRadio("33330002", junk);
    const QString other = addRadio("33330003");
    QProcess p;
    startCli(p, {"fleet", path("fleet.dat"), "--ports", good + "," + bad + "," + other + ",sim",
                 "--no-backup", "--log", path("log.csv")});
    ASSERT_TRUE(p.waitForFinished(60000)) << "the fleet never ended";
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 1) << out.toStdString();
    EXPECT_TRUE(
        out.contains(QRegularExpression(QRegularExpression::escape(bad) + " +- +- +no radio")))
        << out.toStdString();
    for (const QString& ok : {good, other, QString("sim")})
        EXPECT_TRUE(out.contains(QRegularExpression(QRegularExpression::escape(ok) + " .* OK ")))
            << ok.toStdString() << "\n"
            << out.toStdString();
    EXPECT_EQ(blocksWritten(1), 0);
    // The same device twice would put two stations on one line.
    QProcess twice;
    startCli(twice, {"fleet", path("fleet.dat"), "--ports", good + "," + good});
    ASSERT_TRUE(twice.waitForFinished(30000));
    EXPECT_EQ(twice.exitCode(), 2);
    EXPECT_TRUE(twice.readAllStandardError().contains("given twice"));
}

TEST(FindCommand, PermissionAdviceWhenNoPortMayBeOpened) {
    SimRadioPty sim;
    std::string error;
    ASSERT_TRUE(sim.start(false, &error));
    const QString device = QString::fromStdString(sim.devicePath());
    struct Case {
        int openError;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {0, 0, ""}, {EACCES, 1, "sudo usermod -aG "}, {EBUSY, 1, "No radio answered."}};
    for (const auto& c : cases) {
        rv::cli::FindOptions options;
        options.openCheck = [&](const QString&) { return c.openError; };
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        EXPECT_EQ(rv::cli::FindRadios({{"1", device}}, options, out, err), c.status);
        std::rewind(out);
        std::rewind(err);
        char buffer[512] = {};
        const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, c.status ? err : out);
        const std::string text(buffer, n);
        // A radio that answers is printed with its model and band; otherwise the reason.
        const std::string expected = c.status ? c.says : "7415   400 - 470 MHz";
        EXPECT_NE(text.find(expected), std::string::npos) << text;
        std::fclose(out);
        std::fclose(err);
    }
}

// Each radio gets values of its own, and reading each one back shows the value it got.
TEST_F(FleetCommands, EachRadioGetsItsOwnNumberAndTextAndKeepsThem) {
    const QStringList ports{addRadio("44440001"), addRadio("44440002"), addRadio("44440003")};
    const QStringList fleet{"fleet",        path("fleet.dat"),
                            "--ports",      ports.join(','),
                            "--log",        path("log.csv"),
                            "--backup-dir", path("backups"),
                            "--each",       "fleetsync.own_fleet=100:0",
                            "--each",       "fleetsync.own_id=1001:10",
                            "--each",       "message.line1=UNIT {n:02}"};
    const auto first = rvtest::RunCli(fleet);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    for (int i = 0; i < 3; ++i) {
        const QString back = path(QString("back%1.dat").arg(i));
        ASSERT_EQ(rvtest::RunCli({"read", "--port", ports[i], "-o", back}).status, 0);
        EXPECT_EQ(rvtest::RunCli({"get", back, "fleetsync.own_id", "message.line1"}).out,
                  QString("fleetsync.own_id = %1\nmessage.line1 = UNIT 0%2\n")
                      .arg(1001 + 10 * i)
                      .arg(i + 1));
    }
    EXPECT_TRUE(
        log().contains(",fleetsync.own_fleet=100; fleetsync.own_id=1011; message.line1=UNIT 02\n"))
        << log().toStdString();
    // Backups and the history carry each radio's serial number.
    const auto history =
        rvtest::RunCli({"history", "--backup-dir", path("backups"), "--serial", "44440002"});
    EXPECT_TRUE(history.out.contains(QRegularExpression("44440002 +fleet write +OK ")))
        << history.out.toStdString();
    const auto backups =
        rvtest::RunCli({"backups", "--backup-dir", path("backups"), "--serial", "44440003"});
    EXPECT_TRUE(backups.out.contains("/44440003-")) << backups.out.toStdString();

    // The same values again: every radio is skipped; other values: every one is written.
    const int blocks = blocksWritten(0);
    const auto again = rvtest::RunCli(fleet);
    EXPECT_EQ(again.out.count(" skipped "), 3) << again.out.toStdString();
    EXPECT_EQ(blocksWritten(0), blocks);
    QStringList other = fleet;
    other[other.indexOf("fleetsync.own_id=1001:10")] = "fleetsync.own_id=2001";
    EXPECT_EQ(rvtest::RunCli(other).status, 0);
    EXPECT_GT(blocksWritten(0), blocks);
}

// A radio the units file has no row for is not written; a value refused or an identity given
// twice stops the run before any radio is written.
TEST_F(FleetCommands, UnitsFileGivesEachRadioItsRowAndRefusalsWriteNothing) {
    const QStringList ports{addRadio("55550001"), addRadio("55550002"), addRadio("55550003")};
    const auto units = [&](const QString& name, const QByteArray& text) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path(name);
    };
    const QStringList fleet{"fleet", path("fleet.dat"), "--ports", ports.join(','), "--no-backup"};
    const auto run = rvtest::RunCli(
        fleet + QStringList{"--units", units("units.csv", "serial,dtmf.id_code,message.line1\n"
                                                          "55550001,101,FRONT DESK\n"
                                                          "55550002,102,\n")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains(QRegularExpression("55550003 +not in the units file")))
        << run.out.toStdString();
    EXPECT_EQ(blocksWritten(2), 0);
    const QString fileLine1 =
        rvtest::RunCli({"get", path("fleet.dat"), "message.line1"}).out.section(" = ", 1);
    const QString expected[] = {"dtmf.id_code = 101\nmessage.line1 = FRONT DESK\n",
                                "dtmf.id_code = 102\nmessage.line1 = " + fileLine1};
    for (int i = 0; i < 2; ++i) {
        const QString back = path(QString("back%1.dat").arg(i));
        ASSERT_EQ(rvtest::RunCli({"read", "--port", ports[i], "-o", back}).status, 0);
        EXPECT_EQ(rvtest::RunCli({"get", back, "dtmf.id_code", "message.line1"}).out, expected[i]);
    }

    const int before[] = {blocksWritten(0), blocksWritten(1), blocksWritten(2)};
    const struct {
        QStringList options;
        QString refusal;
    } refused[] = {
        {{"--units", units("twice.csv", "serial,dtmf.id_code\n55550001,101\n55550002,101\n")},
         "radio 1 (serial 55550001) and radio 2 (serial 55550002) would both get dtmf.id_code = "
         "101: it must differ from radio to radio"},
        {{"--each", "fleetsync.own_id=4998"}, "radio 3: fleetsync.own_id=5000: "},
    };
    for (const auto& r : refused) {
        const auto result = rvtest::RunCli(fleet + r.options);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.contains(r.refusal)) << result.err.toStdString();
        EXPECT_TRUE(result.err.endsWith("No radio was written.\n"));
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(blocksWritten(static_cast<std::size_t>(i)), before[i]);
}

// A value made from the serial number is checked with the radios' real serial numbers, all
// of them before any radio is written: two radios of one serial number are both refused,
// unwritten, though the first was ready to be written before the second was read; distinct
// serials pass, and a port without a radio holds nobody up.
TEST_F(FleetCommands, SerialValuesAreCheckedWithTheRealSerialsBeforeAnyRadioIsWritten) {
    rv::sim::SimFaults silent;
    silent.silentAfterFrames = 0;
    const QStringList twins{addRadio("12345678"), addRadio("12345678")};
    const QStringList each{"--each", "dtmf.id_code=9{serial}", "--backup-dir", path("backups")};
    const auto refused =
        rvtest::RunCli(QStringList{"fleet", path("fleet.dat"), "--ports", twins.join(',')} + each);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.count("would both get dtmf.id_code = 912345678"), 2)
        << refused.err.toStdString();
    EXPECT_EQ(blocksWritten(0) + blocksWritten(1), 0);
    EXPECT_FALSE(
        rvtest::RunCli({"history", "--backup-dir", path("backups")}).out.contains("write"));

    const QString mute = addRadio("77770001", silent);
    const auto written = rvtest::RunCli(QStringList{"fleet", path("fleet.dat"), "--ports",
                                                    "sim,sim," + mute, "--log", path("log.csv")} +
                                        each);
    EXPECT_EQ(written.status, 1) << written.err.toStdString(); // the silent port
    QStringList serials;
    for (const QString& row : log().split('\n', Qt::SkipEmptyParts).mid(1)) {
        if (row.section(',', 5, 5) == "no radio") continue;
        EXPECT_EQ(row.section(',', 5, 5), "OK") << row.toStdString();
        EXPECT_EQ(row.section(',', 9), "dtmf.id_code=9" + row.section(',', 4, 4));
        serials << row.section(',', 4, 4);
    }
    EXPECT_EQ(serials.size(), 2);
    EXPECT_EQ(serials.removeDuplicates(), 0);
}

} // namespace

namespace {

TEST(FindCommand, FindsEachOfSeveralSimulatedRadiosAndNotASilentOne) {
    QProcess radios, mute;
    radios.start(RV_BIN_DIR "/rv52n-cli", {"sim", "--count", "3", "--fast"});
    mute.start(RV_BIN_DIR "/rv52n-cli", {"sim", "--silent", "--fast"});
    const auto linesOf = [](QProcess& p, int n) {
        QStringList lines;
        while (lines.size() < n && p.waitForReadyRead(5000))
            lines += QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        return lines;
    };
    const QStringList devices = linesOf(radios, 3);
    const QStringList silent = linesOf(mute, 1);
    ASSERT_EQ(devices.size(), 3);
    ASSERT_EQ(silent.size(), 1);
    const struct {
        QStringList ports;
        int status;
        int found;
    } cases[] = {{silent + devices, 0, 3}, {silent, 1, 0}};
    for (const auto& c : cases) {
        QProcess find;
        find.start(RV_BIN_DIR "/rv52n-cli", {"find", "--ports", c.ports.join(','), "--json"});
        ASSERT_TRUE(find.waitForFinished(10000));
        EXPECT_EQ(find.exitCode(), c.status);
        const QString out = QString::fromUtf8(find.readAllStandardOutput());
        EXPECT_EQ(out.count("\"model\": \"7415\""), c.found) << out.toStdString();
    }
    for (QProcess* p : {&radios, &mute}) {
        ::kill(static_cast<pid_t>(p->processId()), SIGTERM);
        p->waitForFinished(5000);
    }
}

} // namespace
