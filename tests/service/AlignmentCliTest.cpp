// The alignment commands of the command-line tool against its built-in simulated radio.
#include "cli/CliRunner.h"
#include "jobs/AlignmentStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using rvtest::RunCli;

TEST(AlignmentCli, SaveThenRestoreWhatDiffers) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("kept.align.json");
    const QString backups = dir.filePath("backups");
    auto r = RunCli({"alignment-save", "-o", saved, "--backup-dir", backups});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    rv::jobs::AlignmentRecord kept;
    ASSERT_TRUE(rv::jobs::LoadAlignment(saved, &kept, nullptr, rv::English));
    EXPECT_EQ(kept.serial, "20261201");
    // The entry itself was kept too, by serial number.
    EXPECT_EQ(QDir(backups).entryList({"20261201-*.align.json"}).size(), 1);

    // Variants of the kept file: the simulated radio always holds the factory alignment.
    const auto variant = [&](const char* name, int byte, const QString& serial) {
        auto v = kept;
        if (byte >= 0) v.block[static_cast<std::size_t>(byte)] ^= 0x11;
        v.serial = serial;
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(rv::jobs::SaveAlignmentAs(v, path, nullptr, rv::English));
        return path;
    };
    // Damaged copies of the kept file: one key of it changed.
    const auto damaged = [&](const char* name, const std::function<void(QJsonObject&)>& change) {
        QFile in(saved);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QJsonObject o = QJsonDocument::fromJson(in.readAll()).object();
        change(o);
        QFile out(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QJsonDocument(o).toJson());
        return out.fileName();
    };
    const QString shortBlock = damaged("bad.align.json", [](QJsonObject& o) { o["block"] = "00"; });
    const QString unknownFormat =
        damaged("format.align.json", [](QJsonObject& o) { o["format"] = 99; });
    const QString contradicting = damaged("items.align.json", [](QJsonObject& o) {
        QJsonArray items = o["items"].toArray();
        QJsonObject first = items[0].toObject();
        QJsonObject points = first["points"].toObject();
        points["Test"] = points["Test"].toInt() + 1;
        first["points"] = points;
        items[0] = first;
        o["items"] = items;
    });
    const QString otherModel =
        damaged("model.align.json", [](QJsonObject& o) { o["model"] = "813"; });

    struct Case {
        const char* name;
        QStringList args;
        int status;
        const char* out; ///< a line the output holds
        const char* err; ///< what the error output holds
    };
    const Case cases[] = {
        {"the same alignment", {saved}, 0, "Nothing to restore.", ""},
        {"one point differs",
         {variant("low.align.json", 11, "20261201")},
         0,
         "  RF High Power Low: ",
         ""},
        {"a point test mode cannot write is listed only",
         {variant("rssi.align.json", 59, "20261201")},
         0,
         "(not written: test mode has no frame for it)",
         ""},
        {"another radio's alignment is refused",
         {variant("other.align.json", 11, "B7000001")},
         1,
         "",
         "The kept alignment is of radio B7000001, this radio is 20261201"},
        {"... unless asked for",
         {dir.filePath("other.align.json"), "--other-serial"},
         0,
         "Restored and verified points: 1",
         ""},
        {"a dry run writes nothing",
         {dir.filePath("low.align.json"), "--dry-run"},
         0,
         "Nothing written (--dry-run).",
         ""},
        {"not a kept alignment", {shortBlock}, 1, "", "its block is not 124 hex digits"},
        {"a format not known", {unknownFormat}, 1, "", "format 99 is not known"},
        {"item values against the block",
         {contradicting},
         1,
         "",
         "its item values contradict its block (RF High Power Test)"},
        {"another model is refused even with --other-serial",
         {otherModel, "--other-serial"},
         1,
         "",
         "The kept alignment is of a 813"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        r = RunCli(QStringList{"alignment-restore"} + c.args +
                   QStringList{"--backup-dir", backups});
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(c.out))) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.err))) << r.err.toStdString();
    }
}

} // namespace
