#include "data/ChannelCommit.h"
#include "data/DataFile.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

using CliResult = rvtest::CliRun;

class CsvCommands : public testing::Test {
protected:
    CliResult cli(const QStringList& args) { return rvtest::RunCli(args); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

const QByteArray Plan = "Location,Frequency,Duplex,Offset,Tone,cToneFreq,Mode\n"
                        "1,146.52,,0,TSQL,67.0,FM\n"
                        "2,146.0,+,0.6,,,NFM\n"
                        "3,147.0,,0,,,AM\n";

TEST_F(CsvCommands, ImportReportsEveryRowAndWritesTheDocument) {
    const QString csv = write("plan.csv", Plan);
    const CliResult r = cli(
        {"import-csv", csv, "-o", path("out.dat"), "--model", "582", "--band", "136 - 174 MHz"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Row 2, channel 1: New: RX 146.52000, TX 146.52000, Dec 67.0, Enc 67.0, "
                     "W/N Wide\n"
                     "Row 3, channel 2: New: RX 146.00000, TX 146.60000, Dec None, Enc None, "
                     "W/N Narrow\n"
                     "Row 4, channel 3: Skipped: unknown mode (the radio has FM and NFM) "
                     "(Mode \"AM\")\n"
                     "Rows imported: 2; rows skipped: 1; channels cleared: 0.\n");
    rv::Session s;
    ASSERT_TRUE(rv::OpenDataFile(s, path("out.dat").toStdString()));
    EXPECT_EQ(s.CurBand, "136 - 174 MHz");
    EXPECT_EQ(s.Doc.ChannelCount, 2);
}

TEST_F(CsvCommands, StrictAndDryRunWriteNothing) {
    const QString csv = write("plan.csv", Plan);
    CliResult r = cli({"import-csv", csv, "-o", path("strict.dat"), "--strict"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "rv52n-cli: rows were skipped; nothing written (--strict)\n");
    r = cli({"import-csv", csv, "-o", path("dry.dat"), "--dry-run", "--model", "582"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.endsWith("Rows imported: 2; rows skipped: 1; channels cleared: 0.\n"));
    EXPECT_FALSE(QFile::exists(path("strict.dat")));
    EXPECT_FALSE(QFile::exists(path("dry.dat")));
}

TEST_F(CsvCommands, ExportThenImportIntoTheSameDocumentChangesNoByte) {
    const QString csv = write("plan.csv", Plan);
    ASSERT_EQ(cli({"import-csv", csv, "-o", path("a.dat"), "--model", "582"}).status, 0);
    ASSERT_EQ(cli({"export-csv", path("a.dat"), "-o", path("a.csv")}).status, 0);
    EXPECT_TRUE(read("a.csv").startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
    const CliResult r = cli({"import-csv", path("a.csv"), "--into", path("a.dat"), "-o",
                             path("b.dat"), "--replace-all", "--strict"});
    EXPECT_EQ(r.status, 0) << r.out.toStdString();
    EXPECT_EQ(read("a.dat"), read("b.dat"));
}

TEST_F(CsvCommands, BadCallsAndBadFiles) {
    const QString csv = write("plan.csv", Plan);
    const QString notCsv = write("notes.csv", "just some text\n");
    const QString skipped = write("skipped.csv", "Location,Frequency\n1,999\n");
    ASSERT_EQ(cli({"new", "-o", path("y.dat")}).status, 0);
    const QByteArray doc = read("y.dat");
    ASSERT_TRUE(QFile::link(path("y.dat"), path("link.dat")));
    const QString same = "is the same file as the input";
    const struct {
        QStringList args;
        int status;
        QString err;
    } cases[] = {
        {{"import-csv", csv}, 2, "rv52n-cli: import-csv needs FILE.csv and -o OUT.dat\n"},
        {{"import-csv", csv, "-o", path("x.dat"), "--into", path("a.dat"), "--model", "582"},
         2,
         "rv52n-cli: --into keeps the model and band of DOC.dat\n"},
        {{"import-csv", path("missing.csv"), "-o", path("x.dat")},
         2,
         "rv52n-cli: " + path("missing.csv") + ": file error.\nThe file does not exist.\n"},
        {{"import-csv", write("big.csv", QByteArray(4 << 20 | 1, ' ')), "-o", path("x.dat")},
         2,
         "The file is larger than 4194304 bytes"},
        {{"import-csv", skipped, "-o", path("x.dat"), "--into", path("y.dat"), "--replace-all"},
         1,
         "no row can be imported"},
        {{"import-csv", csv, "-o", "/proc/x.dat"}, 2, "No new file can be made in this folder."},
        {{"import-csv", csv, "-o", csv, "--into", path("y.dat")}, 2, same},
        {{"export-csv", path("y.dat"), "-o", path("link.dat")}, 2, same},
        {{"diff", path("y.dat"), write("x.img", QByteArray(2048, 0))},
         2,
         "A data file holds exactly 1641 bytes and a memory image 1024; this file holds 2048."},
        {{"diff", path("y.dat"), write("huge.bin", QByteArray(5000000, 0))},
         2,
         "A data file holds exactly 1641 bytes and a memory image 1024; this file holds 5000000."},
        {{"write", write("long.dat", doc + doc), "--port", "sim"},
         1,
         "A data file holds exactly 1641 bytes; this file holds 3282."},
        {{"restore", path("y.dat"), "--port", "sim"},
         1,
         "A memory image (backup) holds exactly 1024 bytes; this file holds 1641."},
        {{"import-csv", notCsv, "-o", path("x.dat")},
         2,
         "rv52n-cli: " + notCsv +
             ": No header row naming a Frequency column was found: the file is not a channel "
             "list in the community CSV layout.\n"},
        {{"export-csv", path("missing.dat"), "-o", path("x.csv")},
         2,
         "rv52n-cli: " + path("missing.dat") + ": file error.\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.err)) << r.err.toStdString();
    }
    EXPECT_EQ(read("y.dat"), doc);
    EXPECT_EQ(read("plan.csv"), Plan);
    EXPECT_FALSE(QFile::exists(path("x.dat")));
    EXPECT_FALSE(QFile::exists(path("x.csv")));
}

} // namespace
