// Any byte string given as a channel CSV file is planned and imported without harm: every
// channel it leaves is one the radio takes, and exporting the result and importing that
// again changes nothing.
#include "data/ChannelCsv.h"
#include "data/Conversions.h"
#include "data/Defaults.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const rv::Session blank = [] {
        rv::Session s;
        // The conventional table: each DQT code read as an octal number.
        const auto& tones = rv::ToneList(rv::English);
        for (std::size_t i = 0; i < s.Dqt.size(); ++i)
            s.Dqt[i] = static_cast<rv::Int16>(std::stoi(tones[40 + i].substr(1, 3), nullptr, 8));
        rv::SetBandLimits(s);
        rv::InitRadioData(s, "20260101");
        return s;
    }();
    const std::string_view csv(reinterpret_cast<const char*>(data), size);
    const bool renumber = size > 0 && (data[0] & 1);
    const bool replaceAll = size > 0 && (data[0] & 2);
    rv::Session s = blank;
    s.onMessage = [](rv::Msg) { std::abort(); }; // every value was checked before
    rv::ApplyChannelImport(s, rv::PlanChannelImport(s, csv, {renumber, replaceAll}));
    if (s.Doc.ChannelCount < 0 || s.Doc.ChannelCount > 16) std::abort();

    const std::string exported = rv::ExportChannelsCsv(s);
    const rv::RadioData before = s.Doc;
    const auto again = rv::PlanChannelImport(s, exported, {});
    if (again.skippedCount() != 0) std::abort();
    rv::ApplyChannelImport(s, again);
    if (!(s.Doc == before)) std::abort();
    return 0;
}
