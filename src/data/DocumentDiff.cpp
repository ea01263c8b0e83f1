#include "DocumentDiff.h"

#include "Catalogue.h"

namespace rv {

std::string NoneText(int language) {
    return language == Chinese ? "（无）" : "(none)";
}

std::vector<ShownSetting> ShownSettings(const Session& s) {
    std::vector<ShownSetting> out;
    for (const SettingRow& r : Catalogue())
        if (r.address >= 0)
            out.push_back(
                {InLanguage(r.area, s.CurLanguage), LabelOf(r, s.CurLanguage), r.show(r, s)});
    return out;
}

std::vector<SettingDifference> CompareDocuments(const Session& a, const Session& b) {
    Session other = b;
    other.CurLanguage = a.CurLanguage;
    const auto left = ShownSettings(a);
    const auto right = ShownSettings(other);
    const auto shown = [&](const std::string& v) {
        return v.empty() ? NoneText(a.CurLanguage) : v;
    };
    // Both lists hold the same rows in the same order: by area, then by number.
    std::vector<SettingDifference> out;
    for (std::size_t i = 0; i < left.size(); ++i)
        if (left[i].value != right[i].value)
            out.push_back(
                {left[i].area, left[i].item, shown(left[i].value), shown(right[i].value)});
    return out;
}

} // namespace rv
