// Any byte string as a history log, a fleet log or a units file is read without harm: every
// history line read is written back and read again the same, a log cell comes back from its
// neutralised form, and each field as shown is valid UTF-8 without a control character and
// within its length.
#include "data/FleetLog.h"
#include "data/FleetUnits.h"
#include "data/Messages.h"
#include "data/OutsideText.h"
#include "data/RadioHistory.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Valid UTF-8 with no C0 control and no DEL, of at most `limit` characters.
void CheckShown(std::string_view text) {
    const std::string shown = rv::ShownText(text);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < shown.size(); ++characters) {
        const auto b = static_cast<unsigned char>(shown[i]);
        if (b < 0x20 || b == 0x7F) std::abort();
        const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (n == 0 || i + n > shown.size()) std::abort();
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(shown[i + k]) & 0xC0) != 0x80) std::abort();
        i += n;
    }
    if (characters > rv::ShownFieldLimit) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto entries = rv::ParseHistory(text);
    std::string again = rv::HistoryHeader();
    for (const auto& e : entries) {
        again += rv::HistoryLine(e);
        for (const std::string* f : {&e.time, &e.serial, &e.file, &e.hash, &e.outcome}) {
            if (rv::CellOfLog(rv::LogCell(*f)) != *f) std::abort();
            CheckShown(*f);
        }
    }
    if (rv::ParseHistory(again) != entries) std::abort();
    for (const auto& [serial, hash] : rv::LatestWrites(text))
        if (serial.empty()) std::abort();
    std::string error;
    if (const auto units = rv::ParseUnits(text, rv::English, &error)) {
        for (const auto& row : units->rows)
            if (row.serial.empty() || row.values.size() != units->keys.size()) std::abort();
    } else if (error.empty()) {
        std::abort(); // a refusal always says why
    }
    CheckShown(text);
    return 0;
}
