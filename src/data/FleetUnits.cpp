#include "FleetUnits.h"
#include "Strings.h"

#include "Csv.h"
#include "Messages.h"
#include "OutsideText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <map>

namespace rv {

namespace {

std::string Say(int language, std::string english, std::string chinese) {
    return language == Chinese ? std::move(chinese) : std::move(english);
}

std::string Trimmed(std::string_view s) {
    return std::string(TrimBlanks(s, " \t"));
}

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// A whole number of at most 15 digits, with an optional sign.
std::optional<long long> WholeNumber(std::string_view s) {
    const std::string_view digits = !s.empty() && (s[0] == '-' || s[0] == '+') ? s.substr(1) : s;
    if (!AllDigits(digits) || digits.size() > 15) return std::nullopt;
    long long n = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return s[0] == '-' ? -n : n;
}

// `n` with its digits padded to `width` places by `fill`; a minus sign stands before them.
std::string Padded(long long n, std::size_t width, char fill) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (digits.size() < width) digits.insert(0, width - digits.size(), fill);
    return n < 0 ? "-" + digits : digits;
}

// One placeholder of a pattern: "n", "n:03", "n:3" or "serial". The width of {n:W}, or -1
// for {serial}, or nullopt for anything else.
std::optional<int> PlaceholderWidth(std::string_view p) {
    if (p == "serial") return -1;
    if (p == "n") return 0;
    if (p.substr(0, 2) != "n:" || !AllDigits(p.substr(2)) || p.size() > 4) return std::nullopt;
    return std::stoi(std::string(p.substr(2)));
}

// Walks a pattern; `emit` gets each literal piece and each placeholder (with its text).
// False at a '{' that opens no known placeholder; `bad` then holds it.
template <class Literal, class Placeholder>
bool WalkPattern(std::string_view pattern, Literal literal, Placeholder placeholder,
                 std::string* bad = nullptr) {
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const auto open = pattern.find('{', pos);
        literal(pattern.substr(pos, open - pos));
        if (open == std::string_view::npos) break;
        const auto close = pattern.find('}', open);
        const std::string_view inner = close == std::string_view::npos
                                           ? pattern.substr(open)
                                           : pattern.substr(open + 1, close - open - 1);
        if (close == std::string_view::npos || !PlaceholderWidth(inner)) {
            if (bad)
                *bad = std::string(pattern.substr(
                    open, close == std::string_view::npos ? close : close - open + 1));
            return false;
        }
        placeholder(inner);
        pos = close + 1;
    }
    return true;
}

// Leading zeros dropped from a serial made of digits, for matching against a spreadsheet.
std::string DigitsWithoutZeros(std::string_view s) {
    if (!AllDigits(s)) return {};
    const auto first = s.find_first_not_of('0');
    return first == std::string_view::npos ? std::string("0") : std::string(s.substr(first));
}

bool IsSerialHeader(std::string_view field) {
    return AsciiLower(Trimmed(field)) == "serial";
}

std::string Quoted(const std::string& value) {
    return "\"" + value + "\"";
}

} // namespace

std::optional<EachRule> ParseEach(std::string_view arg, int language, std::string* error) {
    const auto fail = [&](const std::string& why) {
        if (error) *error = "--each " + std::string(arg) + ": " + why;
        return std::nullopt;
    };
    const auto eq = arg.find('=');
    EachRule rule;
    rule.key = Trimmed(arg.substr(0, eq));
    if (eq == std::string_view::npos || rule.key.empty())
        return fail(Say(language, "give it as KEY=START[:STEP] or KEY=PATTERN",
                        "应写作 KEY=起始值[:步长] 或 KEY=模式"));
    const std::string_view value = arg.substr(eq + 1);
    const auto colon = value.find(':');
    const auto start = WholeNumber(value.substr(0, colon));
    if (value.find('{') == std::string_view::npos && start) {
        rule.counts = true;
        rule.start = std::string(value.substr(0, colon));
        if (colon == std::string_view::npos) return rule;
        const auto step = WholeNumber(value.substr(colon + 1));
        if (!step)
            return fail(Say(language, "the step after ':' must be a whole number",
                            "冒号后的步长必须是整数"));
        rule.step = *step;
        return rule;
    }
    std::string bad;
    if (!WalkPattern(
            value, [](std::string_view) {}, [](std::string_view) {}, &bad))
        return fail(Say(language, Quoted(bad) + " is not {n}, {n:02} or {serial}",
                        Quoted(bad) + " 不是 {n}、{n:02} 或 {serial}"));
    rule.start = std::string(value);
    return rule;
}

std::string EachValue(const EachRule& rule, int number, std::string_view serial) {
    if (rule.counts) {
        long long n = 0;
        long long offset = 0;
        if (__builtin_mul_overflow(rule.step, static_cast<long long>(number) - 1, &offset) ||
            __builtin_add_overflow(*WholeNumber(rule.start), offset, &n)) {
            // Far beyond any setting's range; the key's rule refuses it by the number shown.
            char text[64];
            std::snprintf(text, sizeof text, "%.0Lf",
                          static_cast<long double>(*WholeNumber(rule.start)) +
                              static_cast<long double>(rule.step) * (number - 1));
            return text;
        }
        // "0101" counts on as 0102, 0103 ...: the width of a start with leading zeros stays.
        const std::string_view digits =
            std::string_view(rule.start)
                .substr(rule.start[0] == '-' || rule.start[0] == '+' ? 1 : 0);
        return Padded(n, digits.size() > 1 && digits[0] == '0' ? digits.size() : 0, '0');
    }
    std::string out;
    WalkPattern(
        rule.start, [&](std::string_view piece) { out += piece; },
        [&](std::string_view p) {
            const int width = *PlaceholderWidth(p);
            if (width < 0)
                out += serial;
            else
                out += Padded(number, static_cast<std::size_t>(width),
                              p.size() > 2 && p[2] == '0' ? '0' : ' ');
        });
    return out;
}

const UnitsTable::Row* UnitsTable::find(std::string_view serial) const {
    const std::string wanted = Trimmed(serial);
    for (const Row& r : rows)
        if (r.serial == wanted) return &r;
    const std::string digits = DigitsWithoutZeros(wanted);
    if (digits.empty()) return nullptr;
    for (const Row& r : rows)
        if (DigitsWithoutZeros(r.serial) == digits) return &r;
    return nullptr;
}

std::optional<UnitsTable> ParseUnits(std::string_view csvText, int language, std::string* error) {
    const auto fail = [&](int line, const std::string& en, const std::string& zh) {
        if (error)
            *error = Say(language, "units file, line " + std::to_string(line) + ": " + en,
                         "各机设置文件第 " + std::to_string(line) + " 行：" + zh);
        return std::nullopt;
    };
    const CsvTable csv = ParseCsv(csvText);
    if (csv.unclosedQuote)
        return fail(csv.unclosedQuote, "a quote opens here and never closes", "此处的引号没有闭合");
    if (csv.records.empty() || csv.records[0].fields.empty() ||
        !IsSerialHeader(csv.records[0].fields[0]))
        return fail(csv.records.empty() ? 1 : csv.records[0].line,
                    "the first line must be the header: serial, then the keys",
                    "第一行必须是标题：serial，然后是各设置键");
    UnitsTable table;
    const CsvRecord& header = csv.records[0];
    for (std::size_t i = 1; i < header.fields.size(); ++i) {
        const std::string key = Trimmed(header.fields[i]);
        if (key.empty()) return fail(header.line, "a column has no key", "有一列没有设置键");
        if (std::find(table.keys.begin(), table.keys.end(), key) != table.keys.end())
            return fail(header.line, key + " is named twice", key + " 出现了两次");
        table.keys.push_back(key);
    }
    for (std::size_t r = 1; r < csv.records.size(); ++r) {
        const CsvRecord& rec = csv.records[r];
        UnitsTable::Row row{rec.line, Trimmed(rec.fields[0]), {}};
        const std::string shown = ShownText(row.serial);
        if (row.serial.empty()) return fail(rec.line, "the serial number is missing", "缺少序号");
        if (rec.fields.size() > header.fields.size())
            return fail(rec.line, "more cells than the header has keys", "单元格比标题中的键多");
        // "0001" and "1" are one radio to the look-up, so they are one here too.
        const std::string digits = DigitsWithoutZeros(row.serial);
        for (const auto& other : table.rows)
            if (other.serial == row.serial ||
                (!digits.empty() && DigitsWithoutZeros(other.serial) == digits))
                return fail(rec.line,
                            "serial " + shown + " has a row already (line " +
                                std::to_string(other.line) + ")",
                            "序号 " + shown + " 已在第 " + std::to_string(other.line) + " 行出现");
        row.values.assign(table.keys.size(), std::string());
        for (std::size_t i = 1; i < rec.fields.size(); ++i)
            row.values[i - 1] = rec.fields[i];
        table.rows.push_back(std::move(row));
    }
    return table;
}

bool FleetValues::keyTaken(const std::string& key, int language, std::string* error) const {
    const bool taken =
        std::any_of(each_.begin(), each_.end(), [&](const EachRule& r) { return r.key == key; }) ||
        (units_ && std::find(units_->keys.begin(), units_->keys.end(), key) != units_->keys.end());
    if (taken && error)
        *error = Say(language, key + " is given twice (--each or the units file)",
                     key + " 被给出了两次（--each 或各机设置文件）");
    return taken;
}

bool FleetValues::addEach(std::string_view arg, int language, std::string* error) {
    auto rule = ParseEach(arg, language, error);
    if (!rule || keyTaken(rule->key, language, error)) return false;
    each_.push_back(std::move(*rule));
    return true;
}

bool FleetValues::setUnits(std::string_view csvText, int language, std::string* error) {
    auto table = ParseUnits(csvText, language, error);
    if (!table) return false;
    units_.reset();
    for (const auto& key : table->keys)
        if (keyTaken(key, language, error)) return false;
    units_ = std::move(table);
    return true;
}

std::vector<std::string> FleetValues::keys() const {
    std::vector<std::string> out;
    for (const auto& r : each_)
        out.push_back(r.key);
    if (units_) out.insert(out.end(), units_->keys.begin(), units_->keys.end());
    return out;
}

RadioPlan FleetValues::planFor(int number, const std::string& serial) const {
    RadioPlan plan{number, serial, true, {}};
    for (const auto& r : each_)
        plan.values.push_back({r.key, EachValue(r, number, serial)});
    if (!units_) return plan;
    const UnitsTable::Row* row = units_->find(serial);
    plan.inUnits = row != nullptr;
    if (!row) return plan;
    for (std::size_t i = 0; i < units_->keys.size(); ++i)
        if (!row->values[i].empty()) plan.values.push_back({units_->keys[i], row->values[i]});
    return plan;
}

std::vector<RadioPlan> FleetValues::unitsPlans() const {
    std::vector<RadioPlan> plans;
    if (!units_) return plans;
    for (const auto& row : units_->rows)
        plans.push_back(planFor(static_cast<int>(plans.size()) + 1, row.serial));
    return plans;
}

std::string RadioName(const RadioPlan& plan, int language) {
    const std::string n = std::to_string(plan.number);
    if (plan.serial.empty()) return Say(language, "radio " + n, "第 " + n + " 台对讲机");
    const std::string serial = ShownText(plan.serial);
    return Say(language, "radio " + n + " (serial " + serial + ")",
               "第 " + n + " 台对讲机（序号 " + serial + "）");
}

std::string NotInUnitsText(int language) {
    return Say(language, "not in the units file", "不在各机设置文件中");
}

std::string ValuesText(const std::vector<KeyValue>& values) {
    std::string out;
    for (const auto& kv : values) {
        if (!out.empty()) out += "; ";
        out += kv.key + '=';
        // A ';' or '\' inside a value is escaped, so two different sets never read the same.
        for (char c : kv.value) {
            if (c == ';' || c == '\\') out += '\\';
            out += c;
        }
    }
    return out;
}

namespace {

// The unique groups given per radio, with their keys in catalogue order of appearance.
std::map<std::string, std::vector<std::string>> GivenGroups(const std::vector<RadioPlan>& plans,
                                                            const FleetKeyRules& rules) {
    std::map<std::string, std::vector<std::string>> groups;
    if (!rules.uniqueGroup) return groups;
    for (const auto& p : plans)
        for (const auto& kv : p.values) {
            const std::string g = rules.uniqueGroup(kv.key);
            if (g.empty()) continue;
            auto& keys = groups[g];
            if (std::find(keys.begin(), keys.end(), kv.key) == keys.end()) keys.push_back(kv.key);
        }
    return groups;
}

std::string ValueOf(const RadioPlan& p, const std::string& key, const FleetKeyRules& rules) {
    for (const auto& kv : p.values)
        if (kv.key == key) return Trimmed(kv.value);
    return rules.fileValue ? Trimmed(rules.fileValue(key)) : std::string();
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts)
        out += (out.empty() ? "" : " + ") + p;
    return out;
}

} // namespace

std::vector<std::string> CheckPlans(const std::vector<RadioPlan>& plans, const FleetKeyRules& rules,
                                    int language) {
    std::vector<std::string> refusals;
    std::vector<const RadioPlan*> written;
    for (const auto& p : plans)
        if (p.inUnits) written.push_back(&p);
    for (const RadioPlan* p : written)
        for (const auto& kv : p->values) {
            const std::string why = rules.check ? rules.check(kv.key, kv.value) : std::string();
            if (!why.empty()) refusals.push_back(RadioName(*p, language) + ": " + why);
        }
    for (const auto& [group, keys] : GivenGroups(plans, rules)) {
        std::map<std::vector<std::string>, const RadioPlan*> seen;
        for (const RadioPlan* p : written) {
            std::vector<std::string> values;
            for (const auto& key : keys)
                values.push_back(ValueOf(*p, key, rules));
            const auto [it, fresh] = seen.emplace(values, p);
            if (fresh) continue;
            refusals.push_back(
                Say(language,
                    RadioName(*it->second, language) + " and " + RadioName(*p, language) +
                        " would both get " + Joined(keys) + " = " + Joined(values) +
                        ": it must differ from radio to radio",
                    RadioName(*it->second, language) + "和" + RadioName(*p, language) + "的 " +
                        Joined(keys) + " 都将是 " + Joined(values) + "：每台对讲机必须不同"));
        }
    }
    return refusals;
}

std::vector<std::string> FleetPlanner::checkAhead(int radios) const {
    auto refusals = CheckPlans(values_.unitsPlans(), rules_, language_);
    std::vector<RadioPlan> counted;
    for (int n = 1; n <= radios && !values_.each().empty(); ++n) {
        counted.push_back({n, {}, true, {}});
        for (const auto& r : values_.each())
            counted.back().values.push_back({r.key, EachValue(r, n, Padded(n, 8, '0'))});
    }
    for (auto& why : CheckPlans(counted, rules_, language_))
        if (std::find(refusals.begin(), refusals.end(), why) == refusals.end())
            refusals.push_back(std::move(why));
    return refusals;
}

std::vector<std::string> FleetPlanner::plan(int number, const std::string& serial,
                                            RadioPlan* plan) {
    std::vector<RadioPlan> plans;
    auto refusals = planAll({{number, serial}}, &plans);
    if (refusals.empty() && plan) *plan = plans.front();
    return refusals;
}

std::vector<std::string> FleetPlanner::planAll(const std::vector<Radio>& radios,
                                               std::vector<RadioPlan>* plans) {
    std::vector<RadioPlan> all = planned_;
    std::vector<RadioPlan> out;
    for (const Radio& radio : radios) {
        const std::string& serial = radio.second;
        // A radio planned before that comes again keeps its plan; two radios of one serial
        // number that come together are two radios, checked against each other.
        const auto known = std::find_if(planned_.begin(), planned_.end(), [&](const RadioPlan& p) {
            return !serial.empty() && p.serial == serial;
        });
        if (known != planned_.end()) {
            out.push_back(*known);
            continue;
        }
        int n = radio.first;
        if (n <= 0) {
            n = 1;
            for (const auto& p : all)
                n = std::max(n, p.number + 1);
        }
        all.push_back(values_.planFor(n, serial));
        out.push_back(all.back());
    }
    auto refusals = CheckPlans(all, rules_, language_);
    if (!refusals.empty()) return refusals;
    planned_ = std::move(all);
    if (plans) *plans = std::move(out);
    return {};
}

} // namespace rv
