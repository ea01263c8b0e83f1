#include "Commands.h"

#include "data/ChannelCsv.h"

namespace rv::cli {

int CmdExportCsv(CliArgs& args) {
    const auto out = args.value("-o");
    if (!out || args.positional.size() != 1)
        return UsageError(
            {"export-csv needs DOC.dat and -o FILE.csv", "export-csv 需要 DOC.dat 和 -o FILE.csv"},
            args.usage);
    Session s = MakeSession(args);
    // A file that cannot be read or written is trouble (2), never a negative answer.
    if (!OpenDocument(s, args.positional[0])) return 2;
    const std::string text = ExportChannelsCsv(s);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return WriteOutput(s, *out, {bytes, text.size()}) ? 0 : 2;
}

} // namespace rv::cli
