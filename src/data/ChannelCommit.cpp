#include "ChannelCommit.h"

#include "Conversions.h"
#include "Defaults.h"

#include <algorithm>
#include <map>

namespace rv {

namespace {

using K = ChannelFieldKind;

constexpr const char* NoFrequency = "FFFFFFFF";
constexpr const char* NoTone = "FFFF";

// Speaker unmute texts: [decode tone set][value].
const LangText SpUnmuteTexts[2][3] = {
    {{"Carrier", "载波"},
     {"Carrier + Opt.Sig.", "载波+可选信令"},
     {"Carrier or Opt.Sig", "载波或可选信令"}},
    {{"QT/DQT", "QT/DQT"},
     {"QT/DQT + Opt.Sig.", "QT/DQT +可选信令"},
     {"QT/DQT or Opt.Sig", "QT/DQT或可选信令"}},
};

int ClampedCount(const RadioData& doc) {
    return std::clamp<int>(doc.ChannelCount, 0, static_cast<int>(doc.Channels.size()));
}

int ChannelIndexOf(const RadioData& doc, int chNo) {
    const int count = ClampedCount(doc);
    for (int i = 0; i < count; ++i)
        if (doc.Channels[static_cast<std::size_t>(i)].ChNo == chNo) return i;
    return -1;
}

// The stored number behind a setting; nullptr for frequencies and tones.
Int16* NumberOf(ChannelInfo& ch, K kind) {
    using C = ChannelInfo;
    static const std::map<K, Int16 C::*> fields{{K::TxPower, &C::TxPower},
                                                {K::ScanAdd, &C::ScanAdd},
                                                {K::ScanAddCheck, &C::ScanAdd},
                                                {K::OptSignal, &C::OptSignal},
                                                {K::PttId, &C::PttId},
                                                {K::WideNarrow, &C::WideNarrow},
                                                {K::SpUnmute, &C::SpUnmute},
                                                {K::BusyLockout, &C::BusyLockout},
                                                {K::AutodialMem, &C::AutodialMem},
                                                {K::BeatShift, &C::BeatShift},
                                                {K::Compander, &C::Compander}};
    const auto it = fields.find(kind);
    return it == fields.end() ? nullptr : &(ch.*(it->second));
}

bool HasDecodeTone(const ChannelInfo& ch) {
    return ch.RxCode.get() != NoTone;
}

// The stored value a text names for a setting held as a number, or -1: a list text in the
// language, a speaker unmute text of the channel's decode tone, an autodial memory 1 to 8,
// or a check box value "0" or "1".
int ValueOfText(const ChannelInfo& ch, K kind, std::string_view text, int language) {
    if (kind == K::SpUnmute) {
        for (int v = 0; v < 3; ++v)
            if (SpUnmuteTexts[HasDecodeTone(ch) ? 1 : 0][v][language] == text) return v;
        return -1;
    }
    for (const auto& c : ChannelChoices(kind))
        if (c.text[language] == text) return c.value;
    const char low = kind == K::AutodialMem ? '1' : '0';
    const char high = kind == K::AutodialMem ? '8' : '1';
    if (!ChannelChoices(kind).empty() || text.size() != 1 || text[0] < low || text[0] > high)
        return -1;
    return text[0] - low;
}

bool IsToneListEntry(std::string_view text, int language) {
    const auto& list = ToneList(language);
    return std::find(list.begin(), list.end(), text) != list.end();
}

void ApplyTxFreq(const Session& s, ChannelInfo& ch, std::string_view text) {
    if (text.empty()) {
        ch.TxFreq.set(NoFrequency);
        ch.AuxBit4 = 1;
        // An encode tone without a transmit frequency would be sent nowhere.
        if (ch.TxCode.get() != NoTone) ch.TxCode.set(NoTone);
        return;
    }
    ch.TxFreq.set(FreqToStorage(s, text));
    ch.AuxBit4 = 0;
}

// Writes one setting into a record, with the rules that tie the settings together.
void ApplyChannelField(const Session& s, ChannelInfo& ch, K kind, std::string_view text) {
    const int lang = s.CurLanguage;
    switch (kind) {
    case K::RxFreq:
        ch.RxFreq.set(FreqToStorage(s, text));
        return;
    case K::TxFreq:
        return ApplyTxFreq(s, ch, text);
    case K::RxCode:
    case K::TxCode:
        // Only list entries are tones; anything else would store a code the radio rejects.
        if (IsToneListEntry(text, lang))
            (kind == K::RxCode ? ch.RxCode : ch.TxCode).set(TextToTone(s, text));
        break;
    default:
        if (const int v = ValueOfText(ch, kind, text, lang); v >= 0) *NumberOf(ch, kind) = Int16(v);
    }
    // Without option signalling, no lockout or unmute may wait for it.
    if (kind == K::OptSignal && ch.OptSignal == 0) {
        if (ch.BusyLockout == 3) ch.BusyLockout = 0;
        if (ch.SpUnmute == 1 || ch.SpUnmute == 2) ch.SpUnmute = 0;
    }
    // A lockout on the decode tone cannot stay once the channel has none.
    if ((kind == K::OptSignal || kind == K::RxCode) && !HasDecodeTone(ch) && ch.BusyLockout == 2)
        ch.BusyLockout = 1;
}

// Appends channel `n` with the new-channel defaults and the given receive frequency; false
// when every record is in use.
bool AddChannel(Session& s, int n, std::string_view rxText) {
    RadioData& doc = s.Doc;
    const int count = ClampedCount(doc);
    if (count >= static_cast<int>(doc.Channels.size())) return false;
    ChannelInfo ch = NewChannel(n);
    ch.RxFreq.set(FreqToStorage(s, rxText));
    doc.Channels[static_cast<std::size_t>(count)] = ch;
    doc.ChannelCount = static_cast<Int16>(count + 1);
    return true;
}

// Removes the record at `index`; later records move down one entry.
void DeleteChannel(RadioData& doc, int index) {
    const int count = ClampedCount(doc);
    auto first = doc.Channels.begin() + index;
    std::move(first + 1, doc.Channels.begin() + count, first);
    // The freed last entry is beyond the count; clear it so no stale record lingers.
    doc.Channels[static_cast<std::size_t>(count - 1)] = ChannelInfo{};
    doc.ChannelCount = static_cast<Int16>(count - 1);
}

} // namespace

const ChoiceList& ChannelChoices(ChannelFieldKind kind) {
    static const std::map<K, ChoiceList> lists{
        {K::TxPower, {{1, {"High", "高"}}, {0, {"Low", "低"}}}},
        {K::ScanAdd, {{1, {"Yes", "有"}}, {0, {"No", "无"}}}},
        {K::OptSignal,
         {{0, {"None", "无"}}, {1, {"DTMF", "DTMF"}}, {2, {"FleetSync", "FleetSync"}}}},
        {K::PttId, {{0, {"Off", "关"}}, {1, {"On", "开"}}}},
        {K::WideNarrow, {{0, {"Narrow", "窄带"}}, {1, {"Wide", "宽带"}}}},
        // The English text of value 2 has always been "QT/DQ"; saved habits depend on it.
        {K::BusyLockout,
         {{0, {"Off", "关"}},
          {1, {"Carrier", "载波"}},
          {2, {"QT/DQ", "QT/DQT"}},
          {3, {"Option Signalling", "可选信令"}}}},
    };
    static const ChoiceList none;
    const auto it = lists.find(kind);
    return it == lists.end() ? none : it->second;
}

std::vector<std::string> ChannelChoiceTexts(ChannelFieldKind kind, int language) {
    return ChoiceTexts(ChannelChoices(kind), language);
}

std::string ChannelValueText(ChannelFieldKind kind, int value, int language) {
    for (const auto& c : ChannelChoices(kind))
        if (c.value == value) return c.text[language];
    return {};
}

std::string SpUnmuteText(int value, bool hasDecodeTone, int language) {
    if (value < 0 || value > 2) return {};
    return SpUnmuteTexts[hasDecodeTone ? 1 : 0][value][language];
}

std::vector<int> SpUnmuteValues(bool hasOptSignal) {
    return hasOptSignal ? std::vector<int>{0, 1, 2} : std::vector<int>{0};
}

std::vector<int> BusyLockoutValues(bool hasDecodeTone, bool hasOptSignal) {
    std::vector<int> values{0, 1};
    if (hasDecodeTone) values.push_back(2);
    if (hasOptSignal) values.push_back(3);
    return values;
}

bool HasFrequency(std::string_view storage) {
    const auto nul = storage.find('\0');
    if (nul != std::string_view::npos) storage = storage.substr(0, nul);
    while (!storage.empty() && storage.back() == ' ')
        storage.remove_suffix(1);
    return !storage.empty() && storage != NoFrequency;
}

const ChannelInfo* ChannelOf(const RadioData& doc, int chNo) {
    const int i = ChannelIndexOf(doc, chNo);
    return i < 0 ? nullptr : &doc.Channels[static_cast<std::size_t>(i)];
}

std::string ChannelFieldText(const Session& s, const ChannelInfo& ch, ChannelFieldKind kind) {
    const bool hasTx = HasFrequency(ch.TxFreq.get());
    switch (kind) {
    case K::RxFreq:
        return StorageToFreq(s, ch.RxFreq.get());
    case K::TxFreq:
        return hasTx ? StorageToFreq(s, ch.TxFreq.get()) : std::string();
    case K::RxCode:
        return ToneToText(s, ch.RxCode.get());
    case K::TxCode:
        return hasTx ? ToneToText(s, ch.TxCode.get()) : std::string();
    case K::SpUnmute:
        return SpUnmuteText(ch.SpUnmute, HasDecodeTone(ch), s.CurLanguage);
    case K::AutodialMem:
        return std::to_string(ch.AutodialMem + 1);
    default:
        break;
    }
    const int v = *NumberOf(const_cast<ChannelInfo&>(ch), kind);
    return ChannelChoices(kind).empty() ? std::to_string(v)
                                        : ChannelValueText(kind, v, s.CurLanguage);
}

ChannelChange SetChannelField(Session& s, int n, ChannelFieldKind kind, std::string_view text) {
    if (n < 1 || n > static_cast<int>(s.Doc.Channels.size())) return ChannelChange::None;
    std::string value(text);
    const bool isFreq = kind == K::RxFreq || kind == K::TxFreq;
    if (isFreq && !value.empty()) value = CheckFreq(s, value);

    const int index = ChannelIndexOf(s.Doc, n);
    if (index >= 0) {
        if (kind == K::RxFreq && value.empty()) {
            DeleteChannel(s.Doc, index);
            return ChannelChange::Deleted;
        }
        ChannelInfo& ch = s.Doc.Channels[static_cast<std::size_t>(index)];
        const ChannelInfo before = ch;
        ApplyChannelField(s, ch, kind, value);
        return ch == before ? ChannelChange::None : ChannelChange::Changed;
    }
    if (kind == K::RxFreq && !value.empty()) {
        if (AddChannel(s, n, value)) return ChannelChange::Added;
        // Only a damaged record can fill the list while this slot is empty.
        s.report(Msg::NoFreeChannelRecord);
    }
    return ChannelChange::None;
}

} // namespace rv
