#include "Columns.h"
#include "Commands.h"
#include "Json.h"
#include "PortArgs.h"

#include "data/OutsideText.h"
#include "jobs/SafeWrite.h"
#include "link/LocalFiles.h"
#include "link/RadioHistoryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace rv::cli {

namespace {

// The date and time joined by `between` ("2026-12-07T10:30:00").
std::string Stamp(const rv::BackupEntry& e, char between) {
    std::string text = e.date;
    text += between;
    return text += e.time;
}

void PrintJson(const std::vector<rv::BackupEntry>& entries, const QDir& dir) {
    Json j;
    j.beginArray();
    for (const auto& e : entries) {
        j.beginObject();
        j.string("serial", e.serial);
        j.string("date", Stamp(e, 'T'));
        j.string("model", e.model);
        j.string("band", e.band);
        j.string("file", dir.filePath(QString::fromStdString(e.file())).toStdString());
        j.string("data",
                 e.data.empty() ? "" : dir.filePath(QString::fromStdString(e.data)).toStdString());
        j.endObject();
    }
    j.endArray();
    std::printf("%s\n", j.text().c_str());
}

void PrintTable(const std::vector<rv::BackupEntry>& entries, const QDir& dir, int language) {
    std::vector<std::vector<std::string>> rows{
        {LangText{"serial", "序号"}[language].c_str(), LangText{"date", "日期"}[language].c_str(),
         LangText{"model", "机型"}[language].c_str(), LangText{"band", "频段"}[language].c_str(),
         LangText{"file", "文件"}[language].c_str()}};
    for (const auto& e : entries)
        rows.push_back(
            {e.serial,
             Stamp(e, ' ') +
                 (e.dateValid ? ""
                              : LangText{" (impossible date)", "（日期无效）"}[language].c_str()),
             e.model, e.band,
             rv::ShownText(rv::link::SystemPath(dir.filePath(QString::fromStdString(e.file()))),
                           0)});
    std::fputs(TableText(rows).c_str(), stdout);
}

} // namespace

QString BackupDirOf(const CliArgs& args) {
    const auto given = args.value("--backup-dir");
    return given ? QFile::decodeName(given->c_str()) : rv::jobs::DefaultBackupDir();
}

int RefuseListing(const CliArgs& args, const QString& dir) {
    if (!args.positional.empty())
        return UsageError({args.command + " takes no file", args.command + " 不带文件"},
                          args.usage);
    if (const auto serial = args.value("--serial"); serial && rv::FileSafeSerial(*serial).empty())
        return UsageError({"--serial needs a serial number", "--serial 需要序号"}, args.usage);
    // The default folder does not exist until the first backup is kept.
    if (!args.value("--backup-dir") || QFileInfo(dir).isDir()) return 0;
    rv::FileFault fault{QFileInfo::exists(dir) ? rv::FileFault::NotAFile : rv::FileFault::NoFolder};
    return Fail(rv::link::FileProblem(dir, fault, args.language).toStdString());
}

int CmdBackups(CliArgs& args) {
    const QString dir = BackupDirOf(args);
    if (const int refused = RefuseListing(args, dir)) return refused;
    const auto serial = args.value("--serial");
    auto entries = rv::link::ListBackups(dir);
    if (!entries) entries.emplace();
    if (serial)
        std::erase_if(*entries, [&](const rv::BackupEntry& e) {
            return e.serial != rv::FileSafeSerial(*serial);
        });
    if (args.has("--json")) {
        PrintJson(*entries, QDir(dir));
    } else if (entries->empty()) {
        std::fprintf(stderr,
                     LangText{"No backups in %s.\n", "%s 中没有备份。\n"}[args.language].c_str(),
                     qPrintable(dir));
    } else {
        PrintTable(*entries, QDir(dir), args.language);
    }
    return 0;
}

} // namespace rv::cli
