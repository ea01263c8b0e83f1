#include "data/FleetUnits.h"
#include "data/Messages.h"

#include <gtest/gtest.h>

namespace {

using rv::English;

TEST(FleetUnits, EachCountsNumbersAndFillsPatterns) {
    struct Case {
        const char* arg;
        int number;
        const char* expected;
    };
    const Case cases[] = {
        {"fleetsync.own_id=1000", 3, "1002"},
        {"fleetsync.own_id=1000:10", 3, "1020"},
        {"dtmf.id_code=0101", 2, "0102"}, // leading zeros keep the width
        {"x=5:-2", 4, "-1"},              // counted below zero: left for the key's rule
        {"message.line1=UNIT {n:02}", 7, "UNIT 07"},
        {"message.line1=UNIT {n:02}", 123, "UNIT 123"},
        {"message.line1=U{n}-{serial}", 12, "U12-C0000003"},
        {"message.line1=ID:{n:3}", 5, "ID:  5"},
        {"message.line1=ACME", 9, "ACME"},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto rule = rv::ParseEach(c.arg, English, &error);
        ASSERT_TRUE(rule) << c.arg << ": " << error;
        EXPECT_EQ(rv::EachValue(*rule, c.number, "C0000003"), c.expected) << c.arg;
    }
    // The largest start and step count past the 64-bit range without wrapping round: the
    // value stays far beyond any key's range.
    const auto huge = rv::ParseEach("x=999999999999999:999999999999999", English, nullptr);
    ASSERT_TRUE(huge);
    EXPECT_EQ(rv::EachValue(*huge, 9224, "").substr(0, 5), "92239");
    for (const char* bad : {"novalue", "=5", "k=5:x", "k=5:", "k=UNIT {m}", "k=UNIT {n",
                            "k={n:123}", "k={serial:2}"}) {
        std::string error;
        EXPECT_FALSE(rv::ParseEach(bad, English, &error)) << bad;
        EXPECT_EQ(error.rfind(std::string("--each ") + bad + ": ", 0), 0u) << error;
    }
}

TEST(FleetUnits, UnitsFileGivesEachRadioItsRow) {
    rv::FleetValues values;
    std::string error;
    ASSERT_TRUE(values.addEach("message.line1=UNIT {n:02}", English, &error));
    // Semicolons and a byte order mark, as a spreadsheet saves it; a serial of digits that lost
    // its leading zeros; an empty cell leaves the file's value.
    ASSERT_TRUE(values.setUnits("\xEF\xBB\xBFSerial;fleetsync.own_id;dtmf.id_code\r\n"
                                "C0000003;1003;303\r\n"
                                "12345;1004;\r\n",
                                English, &error))
        << error;
    EXPECT_EQ(values.keys(),
              (std::vector<std::string>{"message.line1", "fleetsync.own_id", "dtmf.id_code"}));
    const auto first = values.planFor(1, "C0000003");
    EXPECT_TRUE(first.inUnits);
    EXPECT_EQ(first.values, (std::vector<rv::KeyValue>{{"message.line1", "UNIT 01"},
                                                       {"fleetsync.own_id", "1003"},
                                                       {"dtmf.id_code", "303"}}));
    EXPECT_EQ(values.planFor(2, "00012345").values.size(), 2u);
    EXPECT_FALSE(values.planFor(3, "C0000009").inUnits);
    EXPECT_FALSE(values.planFor(3, "000123456").inUnits);
    EXPECT_EQ(values.unitsPlans().size(), 2u);
    EXPECT_EQ(rv::ValuesText(first.values),
              "message.line1=UNIT 01; fleetsync.own_id=1003; dtmf.id_code=303");
    EXPECT_EQ(rv::ValuesText({{"a", "x;y\\"}}), "a=x\\;y\\\\");

    // A key given twice is refused, and so is a file that is no units file.
    EXPECT_FALSE(values.addEach("dtmf.id_code=100", English, &error));
    EXPECT_EQ(error, "dtmf.id_code is given twice (--each or the units file)");
    const std::pair<const char*, const char*> badFiles[] = {
        {"id,own\n1,2\n", "units file, line 1: the first line must be the header: serial, then "
                          "the keys"},
        {"serial,a,a\n", "units file, line 1: a is named twice"},
        {"serial,a\nS1,1\n\nS1,2\n", "units file, line 4: serial S1 has a row already (line 2)"},
        {"serial,a\n0001,1\n1,2\n", "units file, line 3: serial 1 has a row already (line 2)"},
        {"serial,a\nS1,\"1\nS2,2\n", "units file, line 2: a quote opens here and never closes"},
        {"serial,a\nS1,1,2\n", "units file, line 2: more cells than the header has keys"},
        {"serial,a\n,1\n", "units file, line 2: the serial number is missing"},
        {"serial,message.line1\n", "message.line1 is given twice (--each or the units file)"},
    };
    for (const auto& [text, message] : badFiles) {
        EXPECT_FALSE(values.setUnits(text, English, &error)) << text;
        EXPECT_EQ(error, message);
    }
    EXPECT_FALSE(values.hasUnits());
}

TEST(FleetUnits, CheckNamesEveryRefusalBeforeAnythingIsWritten) {
    rv::FleetKeyRules rules;
    rules.check = [](const std::string& key, const std::string& text) {
        return key == "fleetsync.own_id" && (text < "1000" || text > "4999" || text.size() != 4)
                   ? key + "=" + text + ": a number 1000 to 4999"
                   : std::string();
    };
    rules.uniqueGroup = [](const std::string& key) {
        return key.rfind("fleetsync.own_", 0) == 0 ? std::string("own") : std::string();
    };
    rules.fileValue = [](const std::string& key) {
        return key == "fleetsync.own_fleet" ? std::string("100") : std::string("1000");
    };
    const std::vector<rv::RadioPlan> plans{
        {1, "S1", true, {{"fleetsync.own_id", "1001"}}},
        {2, "S2", true, {{"fleetsync.own_id", "5000"}, {"message.line1", "A"}}},
        {3, "S3", true, {{"fleetsync.own_id", "1001"}, {"fleetsync.own_fleet", "101"}}},
        {4, "S4", true, {{"fleetsync.own_id", "1001"}}},
        {5, "S5", false, {{"fleetsync.own_id", "1001"}}}, // not written: never a duplicate
    };
    EXPECT_EQ(rv::CheckPlans(plans, rules, English),
              (std::vector<std::string>{
                  "radio 2 (serial S2): fleetsync.own_id=5000: a number 1000 to 4999",
                  "radio 1 (serial S1) and radio 4 (serial S4) would both get "
                  "fleetsync.own_id + fleetsync.own_fleet = 1001 + 100: it must differ from "
                  "radio to radio"}));
    // The same value of a key radios may share is no refusal.
    EXPECT_TRUE(rv::CheckPlans({{1, "S1", true, {{"message.line1", "A"}}},
                                {2, "S2", true, {{"message.line1", "A"}}}},
                               rules, English)
                    .empty());
}

// What a run can give is checked before any radio is written; radios that come later are
// numbered on, one that comes again keeps its plan, and a refused radio takes no number.
TEST(FleetUnits, PlannerChecksAheadAndNumbersRadiosAsTheyCome) {
    rv::FleetValues values;
    std::string error;
    ASSERT_TRUE(values.addEach("dtmf.id_code=101:-60", English, &error));
    ASSERT_TRUE(values.addEach("message.line1=U{serial}", English, &error));
    rv::FleetKeyRules rules;
    rules.check = [](const std::string& key, const std::string& text) {
        return text.size() > 4 || text[0] == '-' ? key + "=" + text + ": too long or negative" : "";
    };
    rules.uniqueGroup = [](const std::string& key) { return key == "dtmf.id_code" ? key : ""; };
    rv::FleetPlanner planner(values, rules, English);
    EXPECT_EQ(planner.checkAhead(3),
              (std::vector<std::string>{"radio 1: message.line1=U00000001: too long or negative",
                                        "radio 2: message.line1=U00000002: too long or negative",
                                        "radio 3: dtmf.id_code=-19: too long or negative",
                                        "radio 3: message.line1=U00000003: too long or negative"}));
    // A value made of the serial number differs from radio to radio before the serials are
    // known: no radio is refused as another's duplicate.
    rv::FleetValues bySerial;
    ASSERT_TRUE(bySerial.addEach("dtmf.id_code=9{serial}", English, &error));
    rv::FleetKeyRules unique;
    unique.uniqueGroup = rules.uniqueGroup;
    EXPECT_TRUE(rv::FleetPlanner(bySerial, unique, English).checkAhead(3).empty());

    rules.check = nullptr;
    ASSERT_TRUE(values.setUnits("serial,fleetsync.own_id\nS1,1001\nS2,1001\n", English, &error));
    rv::FleetPlanner units(values, rules, English);
    EXPECT_TRUE(units.checkAhead(2).empty()); // own ID is no unique key here
    const auto planned = [&](int number, const std::string& serial) {
        rv::RadioPlan plan;
        std::string shown;
        for (const auto& r : units.plan(number, serial, &plan))
            shown += r + "\n";
        return shown.empty() ? std::to_string(plan.number) + (plan.inUnits ? ": " : "!: ") +
                                   rv::ValuesText(plan.values)
                             : shown;
    };
    EXPECT_EQ(planned(2, "S2"), "2: dtmf.id_code=41; message.line1=US2; fleetsync.own_id=1001");
    EXPECT_EQ(planned(0, "S9"), "3!: dtmf.id_code=-19; message.line1=US9");
    EXPECT_EQ(planned(0, "S2"), "2: dtmf.id_code=41; message.line1=US2; fleetsync.own_id=1001");
    rules.uniqueGroup = [](const std::string& key) { return key == "fleetsync.own_id" ? key : ""; };
    rv::FleetPlanner strict(values, rules, English);
    const std::string duplicate = "radio 1 (serial S1) and radio 2 (serial S2) would both get "
                                  "fleetsync.own_id = 1001: it must differ from radio to radio";
    EXPECT_EQ(strict.checkAhead(2), std::vector<std::string>{duplicate});
    rv::RadioPlan plan;
    EXPECT_TRUE(strict.plan(1, "S1", &plan).empty());
    EXPECT_EQ(strict.plan(0, "S2", &plan), std::vector<std::string>{duplicate});
    EXPECT_TRUE(strict.plan(0, "S7", &plan).empty());
    EXPECT_EQ(plan.number, 2);
}

} // namespace
