#include "Commands.h"
#include "RadioOperation.h"

#include "data/Catalogue.h"
#include "data/ModelTables.h"
#include "data/OutsideText.h"

#include <cstdio>

namespace rv::cli {

int CmdInfo(CliArgs& args) {
    Session s = MakeSession(args);
    const auto target = OpenTarget(args);
    if (!target) return 1;
    const auto result = RunOperation(s, rv::link::ReadRadioInfo, *target, args);
    if (!result.ok) return Fail(result.message);
    const RadioData& d = s.Doc;
    const std::string type = d.ModelType.get();
    const int lang = s.CurLanguage;
    const LangText lines[] = {
        {"Model type:    " + type, "机型类型：" + type},
        {"Band:          " + BandTextOf(d.FrequencyCode, type) + " (code " +
             std::to_string(d.FrequencyCode) + ")",
         "频段：" + BandTextOf(d.FrequencyCode, type) + "（代码 " +
             std::to_string(d.FrequencyCode) + "）"},
        {"Serial number: " + d.SerialNumber.get(), "序号：" + d.SerialNumber.get()},
        {"Version:       " + VersionText(d), "版本：" + VersionText(d)},
    };
    for (const LangText& line : lines)
        std::printf("%s\n", rv::ShownText(line[lang], rv::ShownFieldLimit).c_str());
    return 0;
}

} // namespace rv::cli
