// What a careless user or a hostile file meets: problems found on this computer are refused
// before the radio hears a frame, files are read only when they are plain files within their
// limit, and text from outside reaches the terminal safe to show.
#include "data/DataFile.h"
#include "link/AtomicFile.h"
#include "data/Defaults.h"
#include "sim/SimRadioPty.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

using rv::sim::SimRadio;
using rv::sim::SimRadioPty;
using rvtest::CliRun;

class EdgeCommands : public testing::Test {
protected:
    void SetUp() override {
        rv::Session s;
        rv::InitRadioData(s, "20260101");
        ASSERT_TRUE(rv::SaveDataFile(s, path("mine.dat").toStdString()));
        put("bad.dat", QByteArray(10, 'x'));
        put("afile", "x");
        put("units.csv", "serial,message.line1\n20261201,A\n");
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    CliRun cli(const QStringList& args) { return rvtest::RunCli(args, "C.UTF-8", path("data")); }
    QString startRadio() {
        radio.reset();
        radio.emplace();
        std::string error;
        EXPECT_TRUE(radio->start(false, &error)) << error;
        return QString::fromStdString(radio->devicePath());
    }
    int frames() {
        return radio->withRadio([](SimRadio& r) { return r.framesReceived(); });
    }
    int blocks() {
        return radio->withRadio([](SimRadio& r) { return r.blocksWritten(); });
    }
    QString history() {
        QFile f(path("data/RV52N/RV52N/backups/history.csv"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir dir;
    std::optional<SimRadioPty> radio;
};

TEST_F(EdgeCommands, LocalProblemsAreRefusedBeforeTheRadioHearsAFrame) {
    struct Case {
        QStringList args; ///< "P" stands for the radio's port
        int status;
        QString says;
    };
    const QString missing = "The folder does not exist.";
    const Case cases[] = {
        {{"read", "--port", "P", "-o", path("nofolder/x.dat")}, 1, missing},
        {{"read", "--port", "P", "-o", "/proc/x.dat"}, 1, "/proc/x.dat: file error."},
        {{"read", "--port", "P", "-o", dir.path()}, 1, "not to a file"},
        {{"diff", "radio", path("bad.dat"), "--port", "P"}, 2, "holds exactly 1641 bytes"},
        {{"write", path("mine.dat"), "--port", "P", "--backup-dir", path("afile")},
         1,
         "Not a directory"},
        {{"restore", path("bad.dat"), "--port", "P"}, 1, "holds exactly 1024 bytes"},
        {{"fleet", path("mine.dat"), "--ports", "P", "--backup-dir", path("afile")},
         1,
         "Not a directory"},
        {{"fleet", path("mine.dat"), "--ports", "P", "--units", path("none.csv")},
         1,
         "The file does not exist."},
        {{"fleet", path("mine.dat"), "--ports", "P", "--log", path("units.csv"), "--units",
          path("units.csv")},
         2,
         "is the same file as the input"},
        {{"fleet", path("mine.dat"), "--ports", "P", "--log", "/proc/x.csv"}, 1, "file error."},
        {{"fleet", path("mine.dat"), "--ports", "P,/dev/../dev/P"}, 2, "is given twice"},
        {{"write", path("mine.dat"), "--port", "P", "--backup-dir", ""}, 2, "needs a folder"},
    };
    for (const Case& c : cases) {
        const QString port = startRadio();
        QStringList args = c.args;
        for (QString& a : args)
            a.replace(QRegularExpression("^P(,|$)"), port + "\\1")
                .replace("/dev/../dev/P", "/dev/../dev/" + port.mid(5));
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_EQ(frames(), 0);
    }
    EXPECT_EQ(history(), QString());
}

// Files the tool reads whole: a folder, a FIFO or a device is refused at once, a file past
// its limit before a byte is read, each with its reason; nothing hangs or grows without bound.
TEST_F(EdgeCommands, OnlyPlainFilesWithinTheirLimitAreRead) {
    const QString backups = path("backups");
    const QString log = backups + "/history.csv";
    const std::function<bool()> notFiles[] = {
        [&] { return QDir().mkpath(log); },
        [&] { return ::mkfifo(QFile::encodeName(log).constData(), 0600) == 0; },
        [&] { return QFile::link("/dev/zero", log); }};
    for (const auto& make : notFiles) {
        QDir(backups).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(backups) && make());
        const CliRun r = cli({"history", "--backup-dir", backups});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("belongs to a folder or a device")) << r.err.toStdString();
    }
    const CliRun zero = cli({"fleet", path("mine.dat"), "--ports", "sim", "--log", "/dev/zero"});
    EXPECT_TRUE(zero.err.contains("belongs to a folder or a device")) << zero.err.toStdString();
    QDir(backups).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(backups));
    const struct {
        QString file;
        qint64 size;
        QStringList args;
        QString says;
    } large[] = {
        {log, 200 << 20, {"history", "--backup-dir", backups}, "larger than 16777216 bytes"},
        {path("big.csv"),
         (1 << 20) + 1,
         {"fleet", path("mine.dat"), "--ports", "sim", "--units", path("big.csv")},
         "larger than 1048576 bytes"},
    };
    for (const auto& c : large) {
        QFile f(c.file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(c.size));
        f.close();
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
    }
}

// Text from a file reaches the terminal safe: no control sequence, no direction override, a
// NUL does not end the table, a long field is cut; every row is shown.
TEST_F(EdgeCommands, HistoryShowsEveryRowSafely) {
    const QString backups = path("backups");
    ASSERT_TRUE(QDir().mkpath(backups));
    QByteArray text = "time,serial,operation,file,hash,outcome\r\n";
    text += QByteArray("2026-12-07T10:00:00,A\0B,read,x.dat,h,OK\r\n", 41);
    text += "2026-12-07T10:01:00,\x1b[2J\xe2\x80\xae"
            "C,write," +
            QByteArray(300, 'f') + ",h,OK\r\n";
    text += "2026-12-07T10:02:00,caf\xc3\xa9,read,\xe9.dat,h,OK\r\n";
    QFile f(backups + "/history.csv");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    const CliRun r = cli({"history", "--backup-dir", backups});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << r.out.toStdString();
    EXPECT_TRUE(lines[1].contains(QString("A\u2400B"))) << lines[1].toStdString();
    EXPECT_FALSE(r.out.contains(QChar(0x1b)));
    EXPECT_FALSE(r.out.contains(QChar(0x202e)));
    EXPECT_TRUE(lines[2].contains(QString(199, 'f') + QString("\u2026")));
    EXPECT_TRUE(lines[3].contains(QString("caf\u00e9"))) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].contains(QString("\ufffd.dat"))) << lines[3].toStdString();
}

// Every job that touches a radio leaves its line: a write without a backup, a read for a
// comparison; a backup of another radio is written to this one only when asked for.
TEST_F(EdgeCommands, HistoryIsCompleteAndABackupOfAnotherRadioIsRefused) {
    QString port = startRadio();
    ASSERT_EQ(cli({"write", path("mine.dat"), "--port", port, "--no-backup"}).status, 0);
    port = startRadio();
    EXPECT_EQ(cli({"diff", path("mine.dat"), "radio", "--port", port}).status, 1); // they differ
    const QStringList rows = history().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3) << history().toStdString();
    EXPECT_TRUE(rows[1].contains(",20261201,write," + path("mine.dat") + ","))
        << rows[1].toStdString();
    EXPECT_TRUE(rows[2].contains(",20261201,read,radio,")) << rows[2].toStdString();

    port = startRadio();
    const rv::MemoryImage memory = radio->withRadio([](SimRadio& r) { return r.memory(); });
    put("OTHER1-20261207-103000.img",
        QByteArray(reinterpret_cast<const char*>(memory.data()), 1024));
    const QString backup = path("OTHER1-20261207-103000.img");
    const CliRun refused = cli({"restore", backup, "--port", port, "--no-backup"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("serial number OTHER1; the radio on the port has 20261201"))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--other-serial")) << refused.err.toStdString();
    EXPECT_EQ(blocks(), 0);
    const CliRun asked = cli({"restore", backup, "--port", port, "--no-backup", "--other-serial"});
    EXPECT_EQ(asked.status, 0) << asked.err.toStdString();
    EXPECT_GT(blocks(), 0);
}

TEST_F(EdgeCommands, DoubleDashEndsTheOptions) {
    ASSERT_TRUE(QFile::copy(path("mine.dat"), path("-x.dat")));
    const QString home = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const CliRun r = cli({"encode", "-o", path("out.img"), "--", "-x.dat"});
    QDir::setCurrent(home);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(path("out.img")).size(), 1024);
}

// A fleet skips a radio only while its latest write is this document; three simulated
// radios have three serials, and a value made of the serial is no duplicate.
TEST_F(EdgeCommands, FleetSkipsOnlyByTheLatestWriteAndCountsItsRadios) {
    rv::Session b;
    rv::InitRadioData(b, "20260101");
    b.Doc.EmbMsg1.set("OTHER");
    ASSERT_TRUE(rv::SaveDataFile(b, path("b.dat").toStdString()));
    const auto fleet = [&](const QString& file) {
        return cli({"fleet", file, "--ports", "sim", "--log", path("log.csv"), "--no-backup"});
    };
    for (const QString& file : {path("mine.dat"), path("b.dat"), path("mine.dat")}) {
        const CliRun r = fleet(file);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_FALSE(r.out.contains("skipped")) << r.out.toStdString();
    }
    EXPECT_TRUE(fleet(path("mine.dat")).out.contains("skipped"));

    const CliRun three = cli({"fleet", path("mine.dat"), "--ports", "sim,sim,sim", "--no-backup",
                              "--repeat", "--count", "3", "--each", "dtmf.id_code={serial}"});
    EXPECT_EQ(three.status, 0) << three.err.toStdString();
    for (const char* serial : {"20261201", "20261202", "20261203"})
        EXPECT_TRUE(three.out.contains(serial)) << three.out.toStdString();
    EXPECT_EQ(cli({"fleet", path("mine.dat"), "--ports", "sim", "--count", "2"}).status, 2);
}

} // namespace
