#include "Commands.h"

#include "data/ChannelCsv.h"
#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/ModelTables.h"
#include "link/LocalFiles.h"

#include <cstdio>

namespace rv::cli {

namespace {

// Exit status of a file that cannot be read or written: trouble, as opposed to the skipped
// rows --strict answers 1 for.
constexpr int Trouble = 2;

int TroubleWith(const std::string& message) {
    Fail(message);
    return Trouble;
}

const LangText StrictRefused{"rows were skipped; nothing written (--strict)",
                             "有行被跳过；未写入任何文件（--strict）"};

const LangText NothingToReplace{
    "no row can be imported; the channels are left as they were and nothing is written",
    "没有可导入的行；信道保持不变，未写入任何文件"};

} // namespace

int CmdImportCsv(CliArgs& args) {
    const auto out = args.value("-o");
    const bool dryRun = args.has("--dry-run");
    if (args.positional.size() != 1 || (!out && !dryRun))
        return UsageError(
            {"import-csv needs FILE.csv and -o OUT.dat", "import-csv 需要 FILE.csv 和 -o OUT.dat"},
            args.usage);
    const auto into = args.value("--into");
    if (into && (args.value("--model") || args.value("--band")))
        return UsageError(
            {"--into keeps the model and band of DOC.dat", "--into 沿用 DOC.dat 的机型和频段"},
            args.usage);

    Session s = MakeSession(args);
    if (into ? !OpenDocument(s, *into) : !StartNewDocument(s, args)) return Trouble;
    const std::string& path = args.positional[0];
    const auto bytes = LoadInput(s, path, rv::link::CsvFileLimit);
    if (!bytes) return Trouble;
    const std::string text(bytes->begin(), bytes->end());
    const CsvImportPlan plan =
        PlanChannelImport(s, text, {args.has("--renumber"), args.has("--replace-all")});
    if (plan.error != CsvFileError::None)
        return TroubleWith(path + ": " + CsvFileErrorText(plan.error, s.CurLanguage));

    for (const std::string& line : CsvImportReport(plan, s.CurLanguage))
        std::printf("%s\n", line.c_str());
    const int lang = s.CurLanguage == Chinese ? 2 : 1;
    if (args.has("--strict") && plan.skippedCount() > 0) return Fail(StrictRefused[lang]);
    if (args.has("--replace-all") && plan.skippedCount() == static_cast<int>(plan.rows.size()))
        return Fail(NothingToReplace[lang]);
    if (dryRun) return 0;
    ApplyChannelImport(s, plan);
    return WriteOutput(s, *out, ToRecord(s.Doc)) ? 0 : Trouble;
}

} // namespace rv::cli
