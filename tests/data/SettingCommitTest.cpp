#include "RandomDocuments.h"

#include "data/Catalogue.h"

#include <gtest/gtest.h>

namespace {

using rv::Chinese;
using rv::English;

// A stored value shows as its window shows it: the list text, a reserved key code by name,
// and a value outside the list as its number.
TEST(SettingCommit, StoredValuesShowAsTheWindowShowsThem) {
    struct Case {
        const char* key;
        int stored;
        int lang;
        const char* shown;
    };
    const Case cases[] = {
        {"key.pf1", 255, English, "None"},
        {"key.pf1", 0, English, "Reserved1"},
        {"key.pf1", 1, Chinese, "保留1"},
        {"key.pf2", 8, English, "Reserved2"},
        {"key.pf2", 11, Chinese, "暂时删除"},
        {"key.pf2", 12, English, "12"},
        {"scan.revert_channel", 1, Chinese, "选定+当前通话"},
        {"dtmf.call_alert", 2, English, "Continuous"},
        {"dtmf.call_alert", 3, English, "3"},
        {"dtmf.stun_type", -2, Chinese, "-2"},
        {"dtmf.speed", 3, English, "15"},
        {"dtmf.d_code_assignment", 16, Chinese, "16秒"},
        {"dtmf.d_code_assignment", 17, Chinese, "17"},
        {"dtmf.group_code", 0, Chinese, "关"},
        {"dtmf.group_code", '#', English, "#"},
        {"dtmf.group_code", 'E', English, "69"},
        {"optional.beep", 2, English, "2"},
        {"scan.priority_channel", 255, English, "None"},
        {"scan.priority_channel", 16, English, "16"},
        {"scan.look_back_time_a", 1, English, "0.50"},
        {"scan.look_back_time_a", 2, English, "0.55"},
        {"scan.look_back_time_b", 11, English, "1.00"},
        {"scan.look_back_time_b", 91, English, "5.00"},
        {"scan.look_back_time_b", 92, English, "92"},
        {"fleetsync.own_fleet", 1, English, "100"},
        {"fleetsync.own_fleet", 250, English, "349"},
        {"fleetsync.own_fleet", 255, English, ""},
    };
    for (const Case& c : cases) {
        rv::Session s = rvtest::Base();
        s.CurLanguage = c.lang;
        const rv::SettingRow* r = rv::findRow(c.key);
        ASSERT_TRUE(r && r->put) << c.key;
        r->put(s.Doc, c.stored);
        EXPECT_EQ(rv::textOf(s, c.key), c.shown) << c.key << " " << c.stored;
    }
}

// What a typed value stores, as `get` then shows it; nullptr where it is refused. Texts
// that reach a box without a key press (paste, drop, input method) meet the same rules.
TEST(SettingCommit, TypedValuesAreTakenOrRefusedByTheRowsRule) {
    struct Case {
        const char* before; ///< "key=value" set first, or ""
        const char* key;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"", "key.pf1", "Reserved1", nullptr},
        {"", "key.pf1", "key lock", "Key Lock"},
        {"scan.priority=None", "scan.revert_channel", "Priority", nullptr},
        {"scan.priority=Selected", "scan.revert_channel", "Selected", nullptr},
        {"scan.priority=Fixd", "scan.revert_channel", "Priority+Talk Back", "Priority+Talk Back"},
        {"", "dtmf.id_code", "1234567890", "1234567890"},
        {"", "dtmf.id_code", "12", nullptr},
        {"", "dtmf.id_code", "1*#d", nullptr},
        {"", "dtmf.id_code", "12 3", nullptr},
        {"", "dtmf.stun_code", "", ""},
        {"", "dtmf.stun_code", "ab*", "AB*"},
        {"", "dtmf.stun_code", "000ABCDEF", nullptr},
        {"", "dtmf.stun_code", "12345678901", nullptr},
        {"", "autodial.1.code", "0123456789ABCD*#", "0123456789ABCD*#"},
        {"", "autodial.1.code", "0123456789ABCD*#1", nullptr},
        {"", "autodial.1.code", "12E", nullptr},
        {"", "message.line2", "  ~Hello, radio!", "  ~Hello, radio!"},
        {"", "message.line2", "caf\xc3\xa9", nullptr},
        {"", "message.line2", "tab\there", nullptr},
        {"", "message.line2", "del\x7f", nullptr},
        {"", "message.line2", "123456789012345678901234567890123", nullptr},
        {"", "fleet.1.fleet", "A", "All"},
        {"", "fleet.2.id", "all", "All"},
        {"", "fleet.2.id", "所有", "All"},
        {"", "fleet.1.fleet", "50", nullptr},
        {"", "fleet.1.fleet", "099", nullptr},
        {"", "fleet.1.fleet", "100", "100"},
        {"", "fleet.1.fleet", "349", "349"},
        {"", "fleet.1.fleet", "350", nullptr},
        {"", "fleet.1.fleet", "1500", nullptr},
        {"", "fleet.1.fleet", "-5", nullptr},
        {"", "fleet.1.id", "5000", nullptr},
        {"", "fleet.1.id", "4999", "4999"},
        {"", "fleet.1.id", "1000", "1000"},
        {"", "fleet.1.id", "1254", "1254"}, // stored 255, which is no empty slot for an ID
        {"", "fleet.1.id", "12A", nullptr},
        {"fleet.3.fleet=", "fleet.3.id", "2000", "2000"},
        {"", "fleet.3.fleet", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " " + c.key + "=" + c.typed);
        rv::Session s = rvtest::Base();
        if (*c.before) {
            const std::string b = c.before;
            ASSERT_EQ(rv::setFromText(s, b.substr(0, b.find('=')), b.substr(b.find('=') + 1)),
                      std::nullopt);
        }
        const rv::Session kept = s;
        const auto refusal = rv::setFromText(s, c.key, c.typed);
        EXPECT_EQ(refusal.has_value(), c.shown == nullptr);
        if (c.shown) {
            EXPECT_EQ(rv::textOf(s, c.key), c.shown);
        } else {
            EXPECT_EQ(s.Doc, kept.Doc);
        }
    }
}

// The fleet list keeps one entry per row: a row emptied gives its entry up, later entries
// move up, and a new row takes the freed entry with the other number "All".
TEST(SettingCommit, FleetListEntriesFollowTheirRows) {
    rv::Session s;
    const rv::RadioData& d = s.Doc;
    ASSERT_FALSE(rv::setFromText(s, "fleet.3.fleet", "150"));
    ASSERT_FALSE(rv::setFromText(s, "fleet.1.id", "4999"));
    ASSERT_FALSE(rv::setFromText(s, "fleet.3.id", "1001"));
    ASSERT_EQ(d.FleetCount, 2);
    EXPECT_EQ(d.Fleets[0], (rv::FleetEntry{3, 51, 2}));
    ASSERT_FALSE(rv::setFromText(s, "fleet.3.fleet", ""));
    ASSERT_EQ(d.FleetCount, 1);
    EXPECT_EQ(d.Fleets[0], (rv::FleetEntry{1, 0, 4000}));
    EXPECT_EQ(d.Fleets[1], rv::FleetEntry{});
    EXPECT_EQ(rv::textOf(s, "fleet.1.fleet"), "All");
}

} // namespace

namespace {

// A damaged list whose records all carry other numbers has no room for a new entry: the
// commit says so instead of storing nothing without a word.
TEST(SettingCommit, FullListRefusesANewEntryWithItsReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"autodial.2.code=123", "the autodial list holds no free record"},
        {"fleet.2.fleet=120", "the fleet list holds no free record"},
        {"testfreq.2.rx=441", "the test frequency list holds no free record"},
    };
    rv::Session full = rvtest::Base();
    for (auto& e : full.Doc.DtmfCodes)
        e.No = 1;
    for (auto& e : full.Doc.Fleets)
        e.Slot = 1;
    for (auto& e : full.Doc.TestFres)
        e.No = 1;
    full.Doc.DtmfCodeCount = full.Doc.FleetCount = 8;
    full.Doc.TestFreCount = 16;
    for (const auto& [set, why] : cases) {
        rv::Session s = full;
        const std::string kv = set;
        const auto eq = kv.find('=');
        EXPECT_EQ(rv::setFromText(s, kv.substr(0, eq), kv.substr(eq + 1)), kv + ": " + why);
        EXPECT_EQ(s.Doc, full.Doc) << set;
    }
}

} // namespace
