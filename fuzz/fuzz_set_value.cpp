// Any text typed as the value of any setting, in either language, is stored by the rule of its
// row or refused: a refusal names the key and changes not a byte of the document; a stored
// value as shown in the other language, typed again, changes nothing, and the document still
// saves and opens as it is.
#include "data/Catalogue.h"
#include "data/DataFile.h"
#include "data/Defaults.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace {

const rv::Session& NewDocument() {
    static const rv::Session s = [] {
        rv::Session fresh;
        rv::InitRadioData(fresh, "20260101");
        // A programmed first channel, so that its other fields take values too.
        if (rv::commitText(fresh, "channel.1.rx_frequency", "446.00625").refusal) std::abort();
        return fresh;
    }();
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes pick the row (and the language), the rest is what is typed.
    const auto& rows = rv::Catalogue();
    const rv::SettingRow& row = rows[(data[0] | data[1] << 8) % rows.size()];
    const std::string_view typed(reinterpret_cast<const char*>(data + 2), size - 2);
    rv::Session s = NewDocument();
    s.CurLanguage = data[0] & 1 ? rv::Chinese : rv::English;
    const rv::Record before = rv::ToRecord(s.Doc);
    const rv::CommitResult r = rv::commitText(s, row.key, typed);
    const rv::Record after = rv::ToRecord(s.Doc);
    if (r.refusal) {
        if (r.refusal->rfind(row.key + "=", 0) != 0 || !r.changed.empty() || after != before)
            std::abort();
        return 0;
    }
    if (!r.changed.empty() && r.changed.front().key != row.key) std::abort();
    // What the other language shows is the same value in other words: typed, it changes nothing.
    rv::Session other = s;
    other.CurLanguage = s.CurLanguage == rv::Chinese ? rv::English : rv::Chinese;
    const rv::CommitResult again = rv::commitText(s, row.key, rv::textOf(other, row.key));
    if (again.refusal || !again.changed.empty() || rv::ToRecord(s.Doc) != after) std::abort();
    const auto reopened = rv::FromRecord(std::span<const std::uint8_t>(after.data(), after.size()));
    if (!reopened || rv::ToRecord(*reopened) != after) std::abort();
    return 0;
}
