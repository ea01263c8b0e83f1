#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Values that differ from radio to radio in a fleet run: counted on (`--each KEY=START:STEP`),
// made from a pattern (`--each 'message.line1=UNIT {n:02}'`) or taken from a units file (a CSV
// with a row per serial number). Everything here is checked before any radio is written.

namespace rv {

/// One setting given to one radio: its key and its value as text.
struct KeyValue {
    std::string key;
    std::string value;
    bool operator==(const KeyValue&) const = default;
};

/// One `--each KEY=START[:STEP]`.
struct EachRule {
    std::string key;
    std::string start;   ///< the first number (its width kept when it has leading zeros), or
                         ///< the pattern
    long long step = 1;  ///< added for each following radio
    bool counts = false; ///< START is a number counted on; otherwise a pattern
};

/// "KEY=START[:STEP]". A START that is a whole number is counted on by STEP; any other START
/// is a pattern in which {n} is the radio's number in the run (from 1), {n:03} the number
/// padded with zeros to 3 places and {serial} its serial number. Nullopt with `error` when the
/// text is not of this form.
std::optional<EachRule> ParseEach(std::string_view arg, int language, std::string* error);

/// The value `rule` gives radio `number` (from 1) with the serial number `serial`.
std::string EachValue(const EachRule& rule, int number, std::string_view serial);

/// A units file: the header `serial` followed by keys, then a row per radio.
struct UnitsTable {
    struct Row {
        int line = 0; ///< where it stands in the file, from 1
        std::string serial;
        std::vector<std::string> values; ///< by key; an empty cell leaves the file's value
    };
    std::vector<std::string> keys;
    std::vector<Row> rows;

    /// The row of a serial number. A spreadsheet may have dropped the leading zeros of a
    /// serial made of digits; such a row still matches. Null when no row matches.
    const Row* find(std::string_view serial) const;
};

/// Reads a units file. Nullopt with `error` (naming the line) for a file without the header,
/// a key named twice, a row without a serial number or with more cells than the header, or
/// two rows of one serial number.
std::optional<UnitsTable> ParseUnits(std::string_view csvText, int language, std::string* error);

/// What one radio of a run is to receive.
struct RadioPlan {
    int number = 0; ///< its place in port order, from 1
    std::string serial;
    bool inUnits = true; ///< false when a units file was given and has no row for it
    std::vector<KeyValue> values;
};

/// The per-radio values of a run: the `--each` rules and the units file.
class FleetValues {
public:
    /// Adds an `--each` argument. False with `error` when it cannot be read or names a key
    /// that is given already.
    bool addEach(std::string_view arg, int language, std::string* error);
    /// Takes the text of a units file. False with `error` when it cannot be read or names a
    /// key that an `--each` gives too; the run then has no units file.
    bool setUnits(std::string_view csvText, int language, std::string* error);

    bool empty() const { return each_.empty() && !units_; }
    bool hasUnits() const { return units_.has_value(); }
    const std::vector<EachRule>& each() const { return each_; }
    /// Every key given, `--each` ones first.
    std::vector<std::string> keys() const;
    /// The plan of radio `number` (from 1) with serial number `serial`.
    RadioPlan planFor(int number, const std::string& serial) const;
    /// A plan for each row of the units file, numbered in file order: what the units file
    /// would give if all its radios came.
    std::vector<RadioPlan> unitsPlans() const;

private:
    bool keyTaken(const std::string& key, int language, std::string* error) const;

    std::vector<EachRule> each_;
    std::optional<UnitsTable> units_;
};

/// What the settings catalogue says about the keys of a run.
struct FleetKeyRules {
    /// The refusal of `text` as the value of `key` by the rule of its window, naming the key,
    /// the value and the rule; empty when the value is taken.
    std::function<std::string(const std::string& key, const std::string& text)> check;
    /// The group of keys whose values taken together must differ from radio to radio;
    /// empty for a key that radios may share.
    std::function<std::string(const std::string& key)> uniqueGroup;
    /// The value of a key in the file being written, for the keys of a group that are not
    /// given per radio.
    std::function<std::string(const std::string& key)> fileValue;
};

/// Every refusal among `plans`: each value by its key's rule, then each unique group that is
/// given per radio and would be the same in two radios. Radios that are not in the units
/// file are passed over. Empty when every radio may be written.
std::vector<std::string> CheckPlans(const std::vector<RadioPlan>& plans, const FleetKeyRules& rules,
                                    int language);

/// The plans of a fleet run as its radios come, side by side or (repeating) one after the
/// other: checks ahead what the run can give before any radio is written, then plans each
/// radio with those planned before. A radio that comes again gets the plan it had.
class FleetPlanner {
public:
    FleetPlanner(FleetValues values, FleetKeyRules rules, int language)
        : values_(std::move(values)), rules_(std::move(rules)), language_(language) {}

    /// The refusals among what the run can give before any radio is written: every row of
    /// the units file, and the `--each` values of radios 1 to `radios` (the radio's number as
    /// eight digits standing in for a serial number a pattern names).
    std::vector<std::string> checkAhead(int radios) const;
    /// Plans radio `number` (0: the number after every radio planned so far) with the serial
    /// number `serial`. Empty with the plan in `plan` when it may be written; otherwise the
    /// refusals, and nothing is planned.
    std::vector<std::string> plan(int number, const std::string& serial, RadioPlan* plan);
    /// A radio to plan: its number (0 as for `plan`) and its serial number.
    using Radio = std::pair<int, std::string>;
    /// Plans radios that are written together, checked with each other and with those planned
    /// before: all of them with their plans in `plans` (in the order given), or none with the
    /// refusals.
    std::vector<std::string> planAll(const std::vector<Radio>& radios,
                                     std::vector<RadioPlan>* plans);
    const FleetValues& values() const { return values_; }

private:
    FleetValues values_;
    FleetKeyRules rules_;
    int language_;
    std::vector<RadioPlan> planned_;
};

/// "radio 3 (serial C0000003)" in a language.
std::string RadioName(const RadioPlan& plan, int language);

/// The result word of a radio whose serial number the units file has no row for.
std::string NotInUnitsText(int language);

/// `key=value` pairs joined by "; ", as the fleet log keeps them.
std::string ValuesText(const std::vector<KeyValue>& values);

} // namespace rv
