#include "data/SettingCommit.h"
#include "data/Catalogue.h"

#include <gtest/gtest.h>

namespace {

// Texts that reach a box without a key press (paste, drop, input method) meet these rules.
TEST(SettingCommit, DtmfCodesRefuseWhatTheKeysRefuse) {
    struct Case {
        const char* text;
        bool idOk, stunOk;
    };
    const Case cases[] = {
        {"123", true, true},           {"1234567890", true, true},
        {"12", false, true},           {"", false, true},
        {"000ABCDEF", false, false},   {"ABCDEF", false, false},
        {"12345678901", false, false}, {"1*#d", false, true},
        {"12 3", false, false},
    };
    for (const Case& c : cases) {
        rv::RadioData d;
        d.DtmfInfo.IdCode.assign("555");
        d.DtmfInfo.StunCode.set("9");
        EXPECT_EQ(!rv::setFromText(d, "dtmf.id_code", c.text), c.idOk) << c.text;
        EXPECT_EQ(d.DtmfInfo.IdCode.get(), c.idOk ? std::string(c.text) : "555") << c.text;
        EXPECT_EQ(!rv::setFromText(d, "dtmf.stun_code", c.text), c.stunOk) << c.text;
        if (!c.stunOk) {
            EXPECT_EQ(d.DtmfInfo.StunCode.get(), "9") << c.text;
        }
    }
    rv::RadioData d;
    ASSERT_FALSE(rv::setFromText(d, "dtmf.stun_code", "ab*"));
    EXPECT_EQ(d.DtmfInfo.StunCode.get(), "AB*");
    EXPECT_FALSE(rv::setFromText(d, "autodial.1.code", "0123456789ABCD*#"));
    EXPECT_TRUE(rv::setFromText(d, "autodial.1.code", "0123456789ABCD*#1"));
    EXPECT_TRUE(rv::setFromText(d, "autodial.1.code", "12E"));
}

TEST(SettingCommit, EmbeddedMessageTakesPrintableAsciiOnly) {
    rv::RadioData d;
    d.EmbMsg2.set("KEEP");
    for (const char* bad : {"caf\xc3\xa9", "\xe4\xbd\xa0", "tab\there", "del\x7f",
                            "123456789012345678901234567890123"}) {
        EXPECT_TRUE(rv::setFromText(d, "message.line2", bad)) << bad;
        EXPECT_EQ(d.EmbMsg2.get(), "KEEP");
    }
    EXPECT_FALSE(rv::setFromText(d, "message.line2", "  ~Hello, radio!"));
    EXPECT_EQ(rv::MessageLineText(d.EmbMsg2), "  ~Hello, radio!");
}

TEST(SettingCommit, FleetCellsReadAllOrANumberInRange) {
    using rv::FleetColumn;
    struct Case {
        const char* typed;
        FleetColumn column;
        std::optional<int> stored;
    };
    const Case cases[] = {
        {"A", FleetColumn::Fleet, 0},
        {"All", FleetColumn::Id, 0},
        {"\xe6\x89\x80\xe6\x9c\x89", FleetColumn::Id, 0},
        {"50", FleetColumn::Fleet, std::nullopt},
        {"099", FleetColumn::Fleet, std::nullopt},
        {"100", FleetColumn::Fleet, 1},
        {"150", FleetColumn::Fleet, 51},
        {"349", FleetColumn::Fleet, 250},
        {"350", FleetColumn::Fleet, std::nullopt},
        {"5000", FleetColumn::Id, std::nullopt},
        {"4999", FleetColumn::Id, 4000},
        {"1000", FleetColumn::Id, 1},
        {"1500", FleetColumn::Fleet, std::nullopt},
        {"ABCDEF", FleetColumn::Id, std::nullopt},
        {"12A", FleetColumn::Id, std::nullopt},
        {"", FleetColumn::Fleet, std::nullopt},
        {"-5", FleetColumn::Fleet, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rv::FleetCellValue(c.typed, c.column), c.stored) << c.typed;
}

TEST(SettingCommit, FleetEntriesRefuseValuesTheRadioCannotHold) {
    rv::RadioData d;
    EXPECT_FALSE(rv::SetFleetEntry(d, 1, 0, -999)); // "All" with a pasted ID of letters
    EXPECT_FALSE(rv::SetFleetEntry(d, 1, 251, 0));
    EXPECT_FALSE(rv::SetFleetEntry(d, 9, 1, 1));
    EXPECT_EQ(d.FleetCount, 0);

    ASSERT_TRUE(rv::SetFleetEntry(d, 3, 51, 0));
    ASSERT_TRUE(rv::SetFleetEntry(d, 1, 1, 4000));
    ASSERT_TRUE(rv::SetFleetEntry(d, 3, 2, 2)); // the row's entry, not a new one
    ASSERT_EQ(d.FleetCount, 2);
    EXPECT_EQ(d.Fleets[0], (rv::FleetEntry{3, 2, 2}));
    rv::RemoveFleetEntry(d, 3);
    ASSERT_EQ(d.FleetCount, 1);
    EXPECT_EQ(d.Fleets[0], (rv::FleetEntry{1, 1, 4000}));
    EXPECT_EQ(d.Fleets[1], rv::FleetEntry{});
}

} // namespace
