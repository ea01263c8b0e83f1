#include "Show.h"

#include "data/Catalogue.h"

namespace rv::cli {

namespace {

bool IsListRow(const SettingRow& r) {
    for (const char* list : {"autodial.", "fleet.", "testfreq."})
        if (r.key.rfind(list, 0) == 0) return true;
    return false;
}

} // namespace

std::string SettingsText(const Session& s) {
    const int lang = s.CurLanguage;
    std::string out;
    const LangText* area = nullptr;
    for (const SettingRow& r : Catalogue()) {
        if (r.key.rfind("channel.", 0) == 0) continue; // in the channel table
        const std::string v = r.show(r, s);
        if (IsListRow(r) && v.empty()) continue; // list slots in use only
        if (!area || *area != r.area) out += "[" + InLanguage(r.area, lang) + "]\n";
        area = &r.area;
        out += LabelOf(r, lang) + (v.empty() ? ":" : ": " + v) + "\n";
    }
    return out;
}

} // namespace rv::cli
