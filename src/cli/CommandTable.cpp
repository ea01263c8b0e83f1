#include "Commands.h"

namespace rv::cli {

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table{
        {"new", CmdNew, "new -o FILE [--model CODE] [--band TEXT]", {}},
        {"show", CmdShow, "show FILE [--json] [--lang en|zh]", {"--json"}},
        {"encode", CmdEncode, "encode FILE -o IMAGE", {}},
        {"decode", CmdDecode, "decode IMAGE -o FILE", {}},
        {"read", CmdRead, "read [--port PORT] -o FILE [--retries N]", {}},
        {"write", CmdWrite, "write FILE [--port PORT] [--force] [--retries N]", {"--force"}},
        {"info", CmdInfo, "info [--port PORT] [--retries N]", {}},
        {"set-info",
         CmdSetInfo,
         "set-info [--port PORT] [--model-type T] [--band B] [--serial S] [--version V] "
         "[--time-sync]",
         {"--time-sync"}},
        {"ports", CmdPorts, "ports", {}},
        {"sim", CmdSim, "sim [--link PATH] [--image FILE] [--fast]", {"--fast"}},
    };
    return table;
}

} // namespace rv::cli
