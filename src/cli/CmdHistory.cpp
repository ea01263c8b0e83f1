#include "Columns.h"
#include "Commands.h"
#include "Json.h"
#include "PortArgs.h"

#include "data/OutsideText.h"
#include "jobs/FleetTexts.h"
#include "link/LocalFiles.h"
#include "link/RadioHistoryFiles.h"

#include <algorithm>
#include <cstdio>

namespace rv::cli {

namespace {

// The log keeps the English word; the table shows it in the user's language.
std::string OutcomeText(const std::string& outcome, int language) {
    return rv::jobs::FleetResultShown(QString::fromStdString(outcome), language).toStdString();
}

void PrintJson(const std::vector<rv::HistoryEntry>& entries) {
    Json j;
    j.beginArray();
    for (const auto& e : entries) {
        j.beginObject();
        j.string("time", e.time);
        j.string("serial", e.serial);
        j.string("operation", e.operation);
        j.string("file", e.file);
        j.string("hash", e.hash);
        j.string("outcome", e.outcome);
        j.endObject();
    }
    j.endArray();
    std::printf("%s\n", j.text().c_str());
}

void PrintTable(const std::vector<rv::HistoryEntry>& entries, int language) {
    std::vector<std::vector<std::string>> rows{
        {LangText{"time", "时间"}[language].c_str(), LangText{"serial", "序号"}[language].c_str(),
         LangText{"operation", "操作"}[language].c_str(),
         LangText{"outcome", "结果"}[language].c_str(),
         LangText{"hash", "校验值"}[language].c_str(), LangText{"file", "文件"}[language].c_str()}};
    for (auto e : entries) {
        std::replace(e.time.begin(), e.time.end(), 'T', ' ');
        rows.push_back({rv::ShownText(e.time), rv::ShownText(e.serial),
                        rv::OperationText(e.operation, language),
                        rv::ShownText(OutcomeText(e.outcome, language)), rv::ShownText(e.hash),
                        rv::ShownText(e.file)});
    }
    std::fputs(TableText(rows).c_str(), stdout);
}

} // namespace

int CmdHistory(CliArgs& args) {
    const QString dir = BackupDirOf(args);
    if (const int refused = RefuseListing(args, dir)) return refused;
    const auto serial = args.value("--serial");
    rv::FileFault fault;
    auto entries = rv::link::ReadHistory(dir, fault);
    const QString path = rv::link::HistoryPath(dir);
    if (!entries) return Fail(rv::link::FileProblem(path, fault, args.language).toStdString());
    if (serial)
        std::erase_if(*entries, [&](const rv::HistoryEntry& e) {
            return rv::FileSafeSerial(e.serial) != rv::FileSafeSerial(*serial);
        });
    if (args.has("--json"))
        PrintJson(*entries);
    else if (entries->empty())
        std::fprintf(
            stderr, LangText{"No history in %s.\n", "%s 中没有历史记录。\n"}[args.language].c_str(),
            rv::ShownText(rv::link::SystemPath(path), 0).c_str());
    else
        PrintTable(*entries, args.language);
    return 0;
}

} // namespace rv::cli
