#include "Commands.h"

namespace rv::cli {

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table{
        {"new", CmdNew, "new -o FILE [--model CODE] [--band TEXT]", {}},
        {"show", CmdShow, "show FILE [--json] [--lang en|zh]", {"--json"}},
        {"encode", CmdEncode, "encode FILE -o IMAGE", {}},
        {"decode", CmdDecode, "decode IMAGE -o FILE", {}},
        {"read", CmdRead, "read --port PORT -o FILE", {}},
        {"write", CmdWrite, "write FILE --port PORT", {}},
        {"info", CmdInfo, "info --port PORT", {}},
        {"set-info", CmdSetInfo, "set-info --port PORT", {}},
        {"ports", CmdPorts, "ports", {}},
        {"sim", CmdSim, "sim", {}},
    };
    return table;
}

} // namespace rv::cli
