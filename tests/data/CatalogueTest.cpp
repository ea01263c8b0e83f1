#include "Fixtures.h"
#include "RandomDocuments.h"

#include "data/Catalogue.h"
#include "data/Conversions.h"
#include "data/Defaults.h"
#include "data/DocumentDiff.h"
#include "data/Image.h"
#include "data/ImageCompare.h"
#include "data/ImageMap.h"

#include <algorithm>
#include <set>

namespace {

using rvtest::Base;
using rvtest::Offered;
using rvtest::RandomDocuments;

using rv::RowKind;
using rv::SettingRow;

// Values a row might take, in the form `get` prints them.
std::vector<std::string> Candidates(const SettingRow& r) {
    std::vector<std::string> out;
    switch (r.kind) {
    case RowKind::Choice:
        for (auto c = r.choices.rbegin(); c != r.choices.rend(); ++c)
            out.push_back(c->text[1]);
        break;
    case RowKind::Flag:
        out = {"On", "Off"};
        break;
    case RowKind::Text:
        out = {std::string(std::size_t(std::max(r.minWidth, 4)),
                           r.allowed.empty() ? 'Q' : r.allowed[1])};
        break;
    case RowKind::Number:
        if (r.unit == "MHz") return {"446.50000", "401.00000"};
        out = {std::to_string(r.high * r.scale + r.offset),
               std::to_string((r.low + r.step) * r.scale + r.offset)};
        break;
    }
    return out;
}

rv::MemoryImage Encoded(const rv::Session& s) {
    rv::MemoryImage m;
    rv::InitImage(m);
    EXPECT_TRUE(rv::EncodeImage(s.Doc, m));
    return m;
}

// Bytes that follow from a list or channel as a whole, not from one setting: the channel
// map, the test-frequency marks and a channel's "has TX frequency" bit.
bool Bookkeeping(int address, int changedBits = 0) {
    const bool txMark = address >= 16 && address < 272 && address % 16 == 14 && changedBits == 0x10;
    return txMark || (address >= 380 && address <= 381) || (address >= 480 && address <= 495);
}

// For every row: a value set by key reaches the image at the row's place and bits, decodes
// back to the same text, and is the one difference a comparison finds, under the row's
// label; the verify message names the row by the same label.
TEST(Catalogue, EveryRowRoundTripsThroughTheImageUnderItsLabel) {
    const rv::Session base = Base();
    const rv::MemoryImage before = Encoded(base);
    std::set<std::string> keys;
    for (const SettingRow& r : rv::Catalogue()) {
        EXPECT_TRUE(keys.insert(r.key).second) << "duplicate key " << r.key;
        if (r.readOnly) continue;
        SCOPED_TRACE(r.key);
        rv::Session s = base;
        std::string value;
        for (const std::string& c : Candidates(r)) {
            if (c == rv::textOf(base, r.key)) continue;
            if (!rv::setFromText(s, r.key, c)) {
                value = c;
                break;
            }
        }
        ASSERT_FALSE(value.empty()) << "no candidate value taken";
        EXPECT_EQ(rv::textOf(s, r.key), value);

        const rv::MemoryImage after = Encoded(s);
        bool changed = false;
        for (int a = 0; a < int(after.size()); ++a) {
            if (after[a] == before[a] || Bookkeeping(a, after[a] ^ before[a])) continue;
            ASSERT_TRUE(a >= r.address && a < r.address + r.width) << "byte " << a;
            const int shift = 8 * std::min(a - r.address, 3);
            const unsigned bits = r.width > 4 ? 0xFFu : (r.mask >> shift) & 0xFF;
            EXPECT_EQ((after[a] ^ before[a]) & ~bits & 0xFF, 0u) << "byte " << a;
            changed = true;
        }
        EXPECT_TRUE(changed);

        rv::Session decoded = base;
        rv::DecodeImage(after, decoded);
        EXPECT_EQ(rv::textOf(decoded, r.key), value);

        for (const int lang : {rv::English, rv::Chinese}) {
            rv::Session a = base, b = s;
            a.CurLanguage = b.CurLanguage = lang;
            const auto rows = rv::CompareDocuments(a, b);
            ASSERT_EQ(rows.size(), 1u) << rows[1].area << " " << rows[1].item;
            EXPECT_EQ(rows[0].item, rv::LabelOf(r, lang));
            EXPECT_EQ(rows[0].area, rv::InLanguage(r.area, lang));
            const std::string verify = rv::AddressSetting(r.address, lang);
            if (!Bookkeeping(r.address)) {
                EXPECT_NE(verify.find(rv::LabelOf(r, lang)), std::string::npos) << verify;
            }
        }
    }
}

TEST(Catalogue, DefaultsAreThoseOfANewDocument) {
    rv::Session s;
    rv::InitRadioData(s, "20260101");
    int checked = 0;
    for (const SettingRow& r : rv::Catalogue()) {
        if (r.defaultText.empty()) continue;
        EXPECT_EQ(rv::textOf(s, r.key), r.defaultText) << r.key;
        ++checked;
    }
    EXPECT_GT(checked, 40);
}

// A value out of range, off the list or with a character the row does not take is refused
// with the key, the value and the rule, and changes nothing.
TEST(Catalogue, RefusedValuesNameKeyValueAndRuleAndChangeNothing) {
    const rv::Session base = Base();
    for (const SettingRow& r : rv::Catalogue()) {
        std::vector<std::string> bad;
        switch (r.kind) {
        case RowKind::Choice:
            bad = {"no such entry", "99"};
            break;
        case RowKind::Flag:
            bad = {"2", "maybe"};
            break;
        case RowKind::Text:
            bad = {
                std::string(std::size_t(r.textWidth + 1), r.allowed.empty() ? 'Q' : r.allowed[1]),
                "1\a2", "\xC3\xA9"};
            break;
        case RowKind::Number:
            bad = {r.unit == "MHz" ? "999" : std::to_string((r.high + 1) * r.scale + r.offset),
                   "x"};
            if (r.scale * r.step > 1) bad.push_back(std::to_string(r.low * r.scale + r.offset + 1));
            break;
        }
        for (const std::string& v : bad) {
            rv::Session s = base;
            const auto refusal = rv::setFromText(s, r.key, v);
            ASSERT_TRUE(refusal) << r.key << "=" << v;
            EXPECT_EQ(refusal->rfind(r.key + "=" + rv::ShownText(v) + ": ", 0), 0u) << *refusal;
            EXPECT_EQ(s.Doc, base.Doc) << r.key << "=" << v;
        }
    }
}

// Each choice stores the number the radio's map gives it, and list entries sit in their own
// slots (the fleet list's slots jump at 463), independent of the catalogue's own numbers.
TEST(Catalogue, ValuesLandAtThePublishedPlaces) {
    struct Case {
        const char* key;
        const char* text;
        int address;
        int mask;
        int value;        ///< the bits' value
        const char* item; ///< the comparison's label; nullptr: not checked
    };
    const Case cases[] = {
        {"channel.3.busy_lockout", "Off", 60, 0x18, 0, nullptr},
        {"channel.3.busy_lockout", "Carrier", 60, 0x18, 1, "Busy Channel Lockout"},
        {"channel.3.busy_lockout", "Option Signalling", 60, 0x18, 3, "Busy Channel Lockout"},
        {"channel.3.opt_signal", "None", 60, 0x06, 0, "Opt Signal"},
        {"channel.3.opt_signal", "FleetSync", 60, 0x06, 2, "Opt Signal"},
        {"channel.3.sp_unmute", "QT/DQT or Opt.Sig", 60, 0x60, 2, "SP Unmute"},
        {"optional.ptt_id", "Both", 306, 0xFF, 2, "PTT ID"},
        {"optional.ptt_id", "EOT", 306, 0xFF, 1, "PTT ID"},
        {"optional.ptt_id_type", "FleetSync", 307, 0xFF, 1, "PTT ID Type"},
        {"scan.priority", "None", 352, 0xFF, 0, nullptr},
        {"scan.priority", "Selected", 352, 0xFF, 2, "Priority"},
        {"autodial.2.code", "123", 528, 0xFF, '1', "Autodial Memory 2"},
        {"autodial.8.code", "9", 624, 0xFF, '9', "Autodial Memory 8"},
        {"fleet.4.fleet", "349", 460, 0xFF, 250, "Fleet List 4 Fleet"},
        {"fleet.5.fleet", "100", 467, 0xFF, 1, "Fleet List 5 Fleet"},
        {"testfreq.1.tx", "442", 646, 0xFF, 0x20, "Channel 1 TX[MHz]"},
        {"testfreq.16.rx", "441", 762, 0xFF, 0x10, "Channel 16 RX[MHz]"},
    };
    const rv::Session base = Base();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.text);
        rv::Session s = base;
        ASSERT_EQ(rv::setFromText(s, c.key, c.text), std::nullopt);
        const auto at = static_cast<std::size_t>(c.address);
        const rv::MemoryImage after = Encoded(s);
        int shift = 0;
        while (!((c.mask >> shift) & 1))
            ++shift;
        EXPECT_EQ((after[at] & c.mask) >> shift, c.value);
        if (!c.item) continue;
        const auto rows = rv::CompareDocuments(base, s);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.front().item, c.item);
    }
}

// A commit lists exactly the settings that now show another value, the committed one first,
// and names the coupled ones.
TEST(Catalogue, CommitReportsEveryChangedKey) {
    rv::Session base = Base();
    ASSERT_EQ(rv::setFromText(base, "channel.2.busy_lockout", "QT/DQ"), std::nullopt);
    for (const auto& [key, value] : {std::pair{"channel.2.busy_lockout", "Carrier"},
                                     {"channel.2.opt_signal", "None"},
                                     {"channel.2.decode_tone", "None"},
                                     {"channel.2.rx_frequency", ""},
                                     {"fleetsync.own_fleet", ""},
                                     {"testfreq.3.rx", "441"},
                                     {"fleet.2.fleet", ""}}) {
        SCOPED_TRACE(std::string(key) + "=" + value);
        rv::Session s = base;
        const rv::CommitResult r = rv::commitText(s, key, value);
        std::set<std::string> expected;
        for (const SettingRow& row : rv::Catalogue())
            if (rv::textOf(base, row.key) != rv::textOf(s, row.key)) expected.insert(row.key);
        ASSERT_FALSE(r.changed.empty());
        EXPECT_EQ(r.changed.front().key, key);
        std::set<std::string> reported;
        for (const rv::Change& c : r.changed)
            reported.insert(c.key);
        EXPECT_EQ(reported, expected);
        EXPECT_EQ(r.changed.size() > 1, !rv::AlsoChangedText(r, key, rv::English).empty());
    }
}

// `set` takes only what the window offers for the document and stores exactly what it was
// given: no value turned into a neighbour, moved onto the raster or trimmed.
TEST(Catalogue, SetTakesOnlyOfferedValuesAndStoresThemAsGiven) {
    using Setup = std::vector<std::pair<const char*, const char*>>;
    const Setup plain{{"channel.5.decode_tone", "None"}, {"channel.5.opt_signal", "None"}};
    struct Case {
        const char* model;
        Setup setup;
        const char* key;
        const char* value;
        std::vector<std::pair<const char*, const char*>> shown; ///< empty: refused
    };
    const Case cases[] = {
        {"592", {}, "optional.voice_annunciation", "Russian", {}},
        {"7415", {}, "optional.voice_annunciation", "Russian", {{"", "Russian"}}},
        {"7415", plain, "channel.5.busy_lockout", "QT/DQ", {}},
        {"7415", plain, "channel.5.sp_unmute", "Carrier + Opt.Sig.", {}},
        {"7415", {}, "channel.5.sp_unmute", "Carrier", {}},
        {"7415", {}, "channel.5.rx_frequency", "446.0037", {}},
        {"7415", {}, "testfreq.5.rx", "446.0037", {}},
        {"7415", {}, "message.line1", "  TWO  BLANKS", {{"", "  TWO  BLANKS"}}},
        {"7415",
         {{"fleetsync.own_fleet", ""}},
         "fleetsync.own_id",
         "2100",
         {{"", "2100"}, {"fleetsync.own_fleet", "100"}}},
        {"7415",
         {{"fleetsync.own_fleet", ""}},
         "fleetsync.own_fleet",
         "300",
         {{"", "300"}, {"fleetsync.own_id", "1000"}}},
        {"7415", {}, "fleetsync.own_fleet", "", {{"", ""}, {"fleetsync.own_id", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + c.key + "=" + c.value);
        rv::Session s = Base();
        s.CurModelCode = c.model;
        for (const auto& [k, v] : c.setup)
            ASSERT_EQ(rv::setFromText(s, k, v), std::nullopt) << k;
        const rv::Session before = s;
        const auto refusal = rv::setFromText(s, c.key, c.value);
        EXPECT_EQ(refusal.has_value(), c.shown.empty());
        if (c.shown.empty()) {
            EXPECT_EQ(Encoded(s), Encoded(before));
        }
        for (const auto& [k, v] : c.shown)
            EXPECT_EQ(rv::textOf(s, *k ? k : c.key), v);
    }
}

// A test-frequency edit changes the bytes of that entry only: every other entry keeps the
// marks it was read with, and an unchanged frequency keeps its own.
TEST(Catalogue, TestFrequencyEditKeepsTheOtherEntriesMarks) {
    rv::Session s = Base();
    rv::MemoryImage image = Encoded(s);
    for (int n = 1; n <= 16; ++n)
        image[std::size_t(rv::image::TestSigAt(n))] = 0xF2; // as a radio might hold them
    rv::DecodeImage(image, s);
    for (const char* value : {"441", "440"}) {
        ASSERT_EQ(rv::setFromText(s, "testfreq.2.rx", value), std::nullopt);
        const rv::MemoryImage after = Encoded(s);
        for (int n = 1; n <= 16; ++n) {
            const auto at = std::size_t(rv::image::TestSigAt(n));
            EXPECT_EQ(after[at], n == 2 ? 0x22 : 0xF2) << "entry " << n;
        }
    }
}

// Every row on random documents: each value it offers is stored as given, read back and
// reported as the change; a value it does not offer is refused, and the same value again,
// like a refusal, leaves the image byte for byte.
TEST(Catalogue, EveryRowTakesExactlyWhatItOffersOnRandomDocuments) {
    std::vector<const SettingRow*> rows;
    for (const SettingRow& r : rv::Catalogue())
        if (!r.readOnly) rows.push_back(&r);
    const std::vector<rv::Session> docs = RandomDocuments(24);
    for (int doc = 0; doc < int(docs.size()); ++doc) {
        const rv::Session& base = docs[std::size_t(doc)];
        const rv::MemoryImage image = Encoded(base);
        for (const SettingRow* r : rows) {
            SCOPED_TRACE(std::to_string(doc) + " " + r->key);
            const std::string was = rv::textOf(base, r->key);
            for (const std::string& v : Offered(*r, base)) {
                rv::Session s = base;
                const rv::CommitResult c = rv::commitText(s, r->key, v);
                ASSERT_EQ(c.refusal, std::nullopt) << v;
                EXPECT_EQ(rv::textOf(s, r->key), v);
                if (v == was) {
                    EXPECT_TRUE(c.changed.empty());
                    EXPECT_EQ(Encoded(s), image) << v;
                } else {
                    ASSERT_FALSE(c.changed.empty()) << v;
                    EXPECT_EQ(c.changed.front(), (rv::Change{r->key, was, v}));
                }
            }
            rv::Session s = base;
            EXPECT_TRUE(rv::commitText(s, r->key, "\x7Fnot offered").refusal);
            EXPECT_EQ(Encoded(s), image);
        }
    }
}

} // namespace
