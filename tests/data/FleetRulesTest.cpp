#include "data/FleetRules.h"
#include "data/Catalogue.h"
#include "data/Defaults.h"

#include <gtest/gtest.h>

namespace {

// The catalogue's rules as a fleet run asks them: the window's rule, the own identity made of
// own fleet and own ID together, and the keys that cannot be given per radio.
TEST(FleetRules, CatalogueRulesCheckGroupAndStoreValues) {
    rv::Session base;
    rv::InitRadioData(base, "20260101");
    const rv::FleetKeyRules rules = rv::CatalogueRules(base);
    EXPECT_EQ(rules.check("fleetsync.own_id", "1001"), "");
    EXPECT_EQ(rules.check("fleetsync.own_id", "5000").rfind("fleetsync.own_id=5000: ", 0), 0u);
    EXPECT_EQ(rules.uniqueGroup("fleetsync.own_fleet"), "fleetsync");
    EXPECT_EQ(rules.uniqueGroup("fleetsync.own_id"), "fleetsync");
    EXPECT_EQ(rules.uniqueGroup("dtmf.id_code"), "dtmf");
    EXPECT_EQ(rules.uniqueGroup("message.line1"), "");
    EXPECT_EQ(rules.fileValue("message.line1"), rv::textOf(base, "message.line1"));
    EXPECT_EQ(rv::PerRadioKeyRefusal("message.line1", rv::English), "");
    EXPECT_EQ(rv::PerRadioKeyRefusal("nosuch.key", rv::English), "there is no key nosuch.key");
    EXPECT_EQ(rv::PerRadioKeyRefusal("info.serial_number", rv::English),
              "info.serial_number is changed by other commands, not per radio");

    rv::Session own = base;
    EXPECT_FALSE(rv::ApplyPlan(own, {1,
                                     "S1",
                                     true,
                                     {{"fleetsync.own_fleet", "100"},
                                      {"message.line1", "UNIT 01"},
                                      {"fleetsync.own_id", "1001"}}}));
    EXPECT_EQ(rv::textOf(own, "message.line1"), "UNIT 01");
    EXPECT_EQ(rv::textOf(own, "fleetsync.own_id"), "1001");
    EXPECT_TRUE(rv::ApplyPlan(own, {2, "S2", true, {{"fleetsync.own_id", "x"}}}));
}

} // namespace
