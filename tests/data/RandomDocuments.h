#pragma once

#include "Fixtures.h"

#include "data/Catalogue.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace rvtest {

/// A new document with every channel programmed (with a TX frequency) and an own fleet, so
/// that every row can take a value.
inline rv::Session Base() {
    rv::Session s = RecordingSession().s;
    s.onMessage = nullptr;
    rv::InitRadioData(s, "20260101");
    for (int n = 1; n <= 16; ++n)
        for (const auto& [field, value] : {std::pair{".rx_frequency", "440"},
                                           {".tx_frequency", "440"},
                                           {".decode_tone", rv::ToneList(rv::English)[1].c_str()},
                                           {".opt_signal", "DTMF"}})
            EXPECT_FALSE(rv::setFromText(s, "channel." + std::to_string(n) + field, value));
    EXPECT_FALSE(rv::setFromText(s, "fleetsync.own_fleet", "120"));
    for (int n = 1; n <= 16; ++n) {
        const std::string slot = std::to_string(n);
        EXPECT_FALSE(rv::setFromText(s, "testfreq." + slot + ".rx", "440"));
        if (n <= 8) {
            EXPECT_FALSE(rv::setFromText(s, "fleet." + slot + ".fleet", "120"));
        }
    }
    return s;
}

/// Values a row offers for the document, in the form `get` prints them: its list entries,
/// the ends of its range, a frequency of the band, a text of its characters.
inline std::vector<std::string> Offered(const rv::SettingRow& r, const rv::Session& s) {
    switch (r.kind) {
    case rv::RowKind::Choice:
    case rv::RowKind::Flag:
        return rv::ChoiceTexts(rv::OfferedChoices(r, s), s.CurLanguage);
    case rv::RowKind::Text:
        return {std::string(std::size_t(std::max(r.minWidth, 3)),
                            r.allowed.empty() ? 'Z' : r.allowed[2])};
    case rv::RowKind::Number:
        break;
    }
    if (r.unit == "MHz") return {"446.00625", "470.00000"};
    std::vector<std::string> out{std::to_string(r.high * r.scale + r.offset)};
    if (rv::HasZeroWord(r)) out.push_back(rv::InLanguage(r.zeroWord, s.CurLanguage));
    out.push_back(std::to_string((r.low + (rv::HasZeroWord(r) ? r.step : 0)) * r.scale + r.offset));
    return out;
}

/// `count` documents, the same on every run: both models and both languages, each after 60
/// commits of offered values to rows drawn at random.
inline std::vector<rv::Session> RandomDocuments(int count) {
    std::mt19937 rng(52);
    std::vector<const rv::SettingRow*> rows;
    for (const rv::SettingRow& r : rv::Catalogue())
        if (!r.readOnly) rows.push_back(&r);
    std::vector<rv::Session> docs;
    for (int doc = 0; doc < count; ++doc) {
        rv::Session s = Base();
        s.CurModelCode = doc % 3 ? "7415" : "592";
        s.CurLanguage = doc % 4 ? rv::English : rv::Chinese;
        for (int i = 0; i < 60; ++i) {
            const rv::SettingRow& r = *rows[rng() % rows.size()];
            const auto values = Offered(r, s);
            if (!values.empty()) rv::commitText(s, r.key, values[rng() % values.size()]);
        }
        docs.push_back(std::move(s));
    }
    return docs;
}

} // namespace rvtest
