#include "Show.h"

#include "data/Catalogue.h"
#include "data/ChannelCommit.h"

#include <algorithm>
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

// Columns are padded by the width a terminal gives them: CJK characters take two cells.
std::size_t DisplayWidth(const std::string& s) {
    std::size_t w = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) == 0x80) continue;
        w += c >= 0xE0 ? 2 : 1;
    }
    return w;
}

std::vector<std::string> ChannelRow(const Session& s, int n) {
    std::vector<std::string> row{std::to_string(n)};
    if (!ChannelOf(s.Doc, n)) return row;
    for (const SettingRow* c : ChannelColumns())
        row.push_back(textOf(s, "channel." + std::to_string(n) + c->key.substr(9)));
    return row;
}

std::string Table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.push_back(0);
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
        }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += row[i] + std::string(widths[i] - DisplayWidth(row[i]) + 2, ' ');
        out += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return out;
}

} // namespace

std::string DocumentText(const Session& s) {
    std::vector<std::vector<std::string>> rows{{InLanguage(ChannelNumberHeading, s.CurLanguage)}};
    for (const SettingRow* c : ChannelColumns())
        rows[0].push_back(LabelOf(*c, s.CurLanguage));
    for (int n = 1; n <= 16; ++n)
        rows.push_back(ChannelRow(s, n));
    return Table(rows) + "\n" + SettingsText(s);
}

} // namespace rv::cli
