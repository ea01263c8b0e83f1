#include "FleetRules.h"

#include "Catalogue.h"

namespace rv {

FleetKeyRules CatalogueRules(const Session& base) {
    FleetKeyRules rules;
    rules.check = [base](const std::string& key, const std::string& text) {
        Session copy = base;
        return setFromText(copy, key, text).value_or(std::string());
    };
    // The unique rows of one area make one identity: the own fleet and the own ID together.
    rules.uniqueGroup = [](const std::string& key) {
        const SettingRow* row = findRow(key);
        if (!row || !row->unique) return std::string();
        return key.substr(0, key.rfind('.'));
    };
    rules.fileValue = [base](const std::string& key) { return textOf(base, key); };
    return rules;
}

std::string PerRadioKeyRefusal(const std::string& key, int language) {
    const SettingRow* row = findRow(key);
    if (!row) return language == Chinese ? "没有设置键 " + key : "there is no key " + key;
    if (row->readOnly)
        return language == Chinese ? key + " 由其他命令更改，不能按每台对讲机给出"
                                   : key + " is changed by other commands, not per radio";
    return {};
}

std::optional<std::string> ApplyPlan(Session& s, const RadioPlan& plan) {
    for (const auto& kv : plan.values)
        if (auto why = setFromText(s, kv.key, kv.value)) return why;
    return std::nullopt;
}

} // namespace rv
