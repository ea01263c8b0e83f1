#include "Columns.h"
#include "Show.h"

#include "data/Catalogue.h"
#include "data/ChannelCommit.h"

#include <vector>

namespace rv::cli {

namespace {

// The channel table's columns: the settings of channel 1 in catalogue order.
std::vector<const SettingRow*> ChannelColumns() {
    std::vector<const SettingRow*> columns;
    for (const SettingRow& r : Catalogue())
        if (r.key.rfind("channel.1.", 0) == 0) columns.push_back(&r);
    return columns;
}

std::vector<std::string> ChannelRow(const Session& s, int n) {
    std::vector<std::string> row{std::to_string(n)};
    if (!ChannelOf(s.Doc, n)) return row;
    for (const SettingRow* c : ChannelColumns())
        row.push_back(textOf(s, "channel." + std::to_string(n) + c->key.substr(9)));
    return row;
}

} // namespace

std::string DocumentText(const Session& s) {
    std::vector<std::vector<std::string>> rows{{InLanguage(ChannelNumberHeading, s.CurLanguage)}};
    for (const SettingRow* c : ChannelColumns())
        rows[0].push_back(LabelOf(*c, s.CurLanguage));
    for (int n = 1; n <= 16; ++n)
        rows.push_back(ChannelRow(s, n));
    return TableText(rows, "") + "\n" + SettingsText(s);
}

} // namespace rv::cli
