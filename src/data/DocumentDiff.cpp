#include "DocumentDiff.h"

#include "Catalogue.h"

namespace rv {

std::string NoneText(int language) {
    return language == Chinese ? "（无）" : "(none)";
}

// Every setting the radio's memory holds, in catalogue order (by area, then by number); a
// channel or list slot that holds nothing shows empty.
std::vector<SettingDifference> CompareDocuments(const Session& a, const Session& b) {
    Session other = b;
    other.CurLanguage = a.CurLanguage;
    const auto shown = [&](const std::string& v) {
        return v.empty() ? NoneText(a.CurLanguage) : v;
    };
    std::vector<SettingDifference> out;
    for (const SettingRow& r : Catalogue()) {
        if (r.address < 0) continue;
        const std::string left = r.show(r, a), right = r.show(r, other);
        if (left != right)
            out.push_back({InLanguage(r.area, a.CurLanguage), LabelOf(r, a.CurLanguage),
                           shown(left), shown(right)});
    }
    return out;
}

} // namespace rv
