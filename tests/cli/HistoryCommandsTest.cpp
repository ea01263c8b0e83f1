// backups and history: the kept backups by radio and the log beside them.
#include "data/Image.h"
#include "data/ImageMap.h"
#include "data/ModelTables.h"
#include "link/RadioHistoryFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ImageOf(const std::string& model, const std::string& band) {
    rv::MemoryImage image{};
    rv::InitImage(image);
    image[rv::image::BandCodeAt] = static_cast<std::uint8_t>(rv::BandCodeOf(band, model));
    image[rv::image::ModelByteAt] = static_cast<std::uint8_t>(rv::ModelByteOf(model));
    return QByteArray(reinterpret_cast<const char*>(image.data()), 1024);
}

TEST(HistoryCommands, BackupsListsEachRadioNewestFirstWithTheModelOfItsImage) {
    QTemporaryDir tmp;
    const QDir d(tmp.path());
    const std::string band = rv::BandsOfModel("7415").front();
    Put(d.filePath("C0000002-20261207-103000.img"), ImageOf("7415", band));
    Put(d.filePath("C0000002-20261207-103000.dat"), "x");
    Put(d.filePath("C0000001-20261208-090000.img"), ImageOf("592", rv::BandsOfModel("592")[0]));
    Put(d.filePath("C0000001-20261209-000000.img"), "damaged"); // shown, but names no model
    Put(d.filePath("20261101-090000-7415.img"), ImageOf("7415", band));
    Put(d.filePath("notes.txt"), "x");
    const auto all = rvtest::RunCli({"backups", "--backup-dir", tmp.path()});
    EXPECT_EQ(all.status, 0) << all.err.toStdString();
    const QString p = tmp.path() + "/";
    const QString band592 = QString::fromStdString(rv::BandsOfModel("592")[0]);
    const QString b = QString::fromStdString(band);
    const QStringList lines = all.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << all.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("serial    date                 model  band"));
    const QStringList expected{
        "C0000001 2026-12-09 00:00:00 - - " + p + "C0000001-20261209-000000.img",
        "C0000001 2026-12-08 09:00:00 592 " + band592 + " " + p + "C0000001-20261208-090000.img",
        "C0000002 2026-12-07 10:30:00 7415 " + b + " " + p + "C0000002-20261207-103000.img",
        "- 2026-11-01 09:00:00 7415 " + b + " " + p + "20261101-090000-7415.img"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i + 1].simplified(), expected[i]);

    const auto one =
        rvtest::RunCli({"backups", "--backup-dir", tmp.path(), "--serial", " C0000002 ", "--json"});
    const QJsonObject expectedEntry{{"serial", "C0000002"},
                                    {"date", "2026-12-07T10:30:00"},
                                    {"model", "7415"},
                                    {"band", b},
                                    {"file", p + "C0000002-20261207-103000.img"},
                                    {"data", p + "C0000002-20261207-103000.dat"}};
    EXPECT_EQ(QJsonDocument::fromJson(one.out.toUtf8()).array(), QJsonArray{expectedEntry});
    const auto zh = rvtest::RunCli({"backups", "--backup-dir", tmp.path(), "--lang", "zh"});
    EXPECT_TRUE(zh.out.startsWith("序号      日期")) << zh.out.toStdString();
    const auto missing = rvtest::RunCli({"backups", "--backup-dir", p + "nosuch"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "rv52n-cli: " + p + "nosuch: file error.\nThe folder does not exist.\n");
    // history says the same of the same folder.
    EXPECT_EQ(rvtest::RunCli({"history", "--backup-dir", p + "nosuch"}).err, missing.err);
}

TEST(HistoryCommands, HistoryKeepsEachLineWholeAfterALineCutShort) {
    QTemporaryDir tmp;
    const QString dir = tmp.path() + "/backups";
    QString error;
    const rv::HistoryEntry write{"2026-12-07T10:30:00", "C0000002",         "write",
                                 "/d/shop, a.dat",      "9f86d081884c7d65", "OK"};
    ASSERT_TRUE(rv::link::AppendHistory(dir, write, &error)) << error.toStdString();
    // A line cut short by a crash: the next line starts on a line of its own.
    QFile log(dir + "/history.csv");
    ASSERT_TRUE(log.open(QIODevice::Append));
    log.write("2026-12-07T10:31:00,C0000003,rea");
    log.close();
    const rv::HistoryEntry read{"2026-12-07T10:32:00", "C0000003", "read", "new.dat", "", "failed"};
    ASSERT_TRUE(rv::link::AppendHistory(dir, read, &error));
    rv::FileFault fault;
    EXPECT_EQ(rv::link::ReadHistory(dir, fault), (std::vector<rv::HistoryEntry>{write, read}));

    const auto one = rvtest::RunCli({"history", "--backup-dir", dir, "--serial", "C0000002"});
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, "time                 serial    operation  outcome  hash              file\n"
                       "2026-12-07 10:30:00  C0000002  write      OK       9f86d081884c7d65  "
                       "/d/shop, a.dat\n");
    const auto zh = rvtest::RunCli({"history", "--backup-dir", dir, "--lang", "zh"});
    EXPECT_TRUE(zh.out.contains("C0000002  写入  成功")) << zh.out.toStdString();
    EXPECT_TRUE(zh.out.contains("C0000003  读取  失败")) << zh.out.toStdString();
    const auto none = rvtest::RunCli({"history", "--backup-dir", tmp.path()});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.err, "No history in " + tmp.path() + "/history.csv.\n");
}

} // namespace
