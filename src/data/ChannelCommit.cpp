#include "ChannelCommit.h"

#include "Conversions.h"
#include "Defaults.h"

#include <algorithm>
#include <optional>

namespace rv {

namespace {

using K = ChannelFieldKind;

constexpr const char* NoFrequency = "FFFFFFFF";
constexpr const char* NoTone = "FFFF";

const std::vector<ChannelChoice> PowerChoices{{1, {"High", "高"}}, {0, {"Low", "低"}}};
const std::vector<ChannelChoice> ScanAddChoices{{1, {"Yes", "有"}}, {0, {"No", "无"}}};
const std::vector<ChannelChoice> OptSignalChoices{
    {0, {"None", "无"}}, {1, {"DTMF", "DTMF"}}, {2, {"FleetSync", "FleetSync"}}};
const std::vector<ChannelChoice> PttIdChoices{{0, {"Off", "关"}}, {1, {"On", "开"}}};
const std::vector<ChannelChoice> WideNarrowChoices{{0, {"Narrow", "窄带"}}, {1, {"Wide", "宽带"}}};
// The English text of value 2 has always been "QT/DQ"; saved habits depend on it.
const std::vector<ChannelChoice> BusyLockoutChoices{{0, {"Off", "关"}},
                                                    {1, {"Carrier", "载波"}},
                                                    {2, {"QT/DQ", "QT/DQT"}},
                                                    {3, {"Option Signalling", "可选信令"}}};
const std::vector<ChannelChoice> NoChoices{};

// Speaker unmute texts: [decode tone set][value].
const LangText SpUnmuteTexts[2][3] = {
    {{"Carrier", "载波"},
     {"Carrier + Opt.Sig.", "载波+可选信令"},
     {"Carrier or Opt.Sig", "载波或可选信令"}},
    {{"QT/DQT", "QT/DQT"},
     {"QT/DQT + Opt.Sig.", "QT/DQT +可选信令"},
     {"QT/DQT or Opt.Sig", "QT/DQT或可选信令"}},
};

const std::string& TextIn(const LangText& t, int language) {
    return t[language];
}

int ClampedCount(const RadioData& doc) {
    return std::clamp<int>(doc.ChannelCount, 0, static_cast<int>(doc.Channels.size()));
}

// The value whose text in the language equals `text`, or -1.
int ValueOfText(K kind, std::string_view text, int language) {
    for (const auto& c : ChannelChoices(kind))
        if (TextIn(c.text, language) == text) return c.value;
    return -1;
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

// A lockout on the decode tone cannot stay once the channel has none.
void DropToneLockout(ChannelInfo& ch) {
    if (ch.RxCode.get() == NoTone && ch.BusyLockout == 2) ch.BusyLockout = 1;
}

void ApplyOptSignal(ChannelInfo& ch, std::string_view text, int language) {
    const int v = ValueOfText(K::OptSignal, text, language);
    if (v == 0) {
        ch.OptSignal = 0;
        if (ch.BusyLockout == 3) ch.BusyLockout = 0;
        if (ch.SpUnmute == 1 || ch.SpUnmute == 2) ch.SpUnmute = 0;
    } else if (v > 0) {
        ch.OptSignal = static_cast<Int16>(v);
    }
    DropToneLockout(ch);
}

void ApplySpUnmute(ChannelInfo& ch, std::string_view text, int language) {
    const bool hasDecode = ch.RxCode.get() != NoTone;
    for (int v = 0; v < 3; ++v) {
        if (TextIn(SpUnmuteTexts[hasDecode ? 1 : 0][v], language) == text) {
            ch.SpUnmute = static_cast<Int16>(v);
            return;
        }
    }
}

// A flag from a check box value "0" or "1"; anything else is not a value.
int FlagOf(std::string_view text) {
    if (text == "0") return 0;
    if (text == "1") return 1;
    return -1;
}

void ApplyFlag(Int16& field, std::string_view text) {
    const int v = FlagOf(text);
    if (v >= 0) field = static_cast<Int16>(v);
}

void ApplyAutodial(ChannelInfo& ch, std::string_view text) {
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '8')
        ch.AutodialMem = static_cast<Int16>(text[0] - '1');
}

} // namespace

const std::vector<ChannelChoice>& ChannelChoices(ChannelFieldKind kind) {
    switch (kind) {
    case K::TxPower:
        return PowerChoices;
    case K::ScanAdd:
        return ScanAddChoices;
    case K::OptSignal:
        return OptSignalChoices;
    case K::PttId:
        return PttIdChoices;
    case K::WideNarrow:
        return WideNarrowChoices;
    case K::BusyLockout:
        return BusyLockoutChoices;
    default:
        return NoChoices;
    }
}

std::vector<std::string> ChannelChoiceTexts(ChannelFieldKind kind, int language) {
    std::vector<std::string> texts;
    for (const auto& c : ChannelChoices(kind))
        texts.push_back(TextIn(c.text, language));
    return texts;
}

std::string ChannelValueText(ChannelFieldKind kind, int value, int language) {
    for (const auto& c : ChannelChoices(kind))
        if (c.value == value) return TextIn(c.text, language);
    return {};
}

std::string SpUnmuteText(int value, bool hasDecodeTone, int language) {
    if (value < 0 || value > 2) return {};
    return TextIn(SpUnmuteTexts[hasDecodeTone ? 1 : 0][value], language);
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

int ChannelIndexOf(const RadioData& doc, int chNo) {
    const int count = ClampedCount(doc);
    for (int i = 0; i < count; ++i)
        if (doc.Channels[static_cast<std::size_t>(i)].ChNo == chNo) return i;
    return -1;
}

const ChannelInfo* ChannelOf(const RadioData& doc, int chNo) {
    const int i = ChannelIndexOf(doc, chNo);
    return i < 0 ? nullptr : &doc.Channels[static_cast<std::size_t>(i)];
}

std::string ChannelFieldText(const Session& s, const ChannelInfo& ch, ChannelFieldKind kind) {
    const int lang = s.CurLanguage;
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
    case K::TxPower:
        return ChannelValueText(kind, ch.TxPower, lang);
    case K::ScanAdd:
        return ChannelValueText(kind, ch.ScanAdd, lang);
    case K::OptSignal:
        return ChannelValueText(kind, ch.OptSignal, lang);
    case K::PttId:
        return ChannelValueText(kind, ch.PttId, lang);
    case K::WideNarrow:
        return ChannelValueText(kind, ch.WideNarrow, lang);
    case K::SpUnmute:
        return SpUnmuteText(ch.SpUnmute, ch.RxCode.get() != NoTone, lang);
    case K::BusyLockout:
        return ChannelValueText(kind, ch.BusyLockout, lang);
    case K::AutodialMem:
        return std::to_string(ch.AutodialMem + 1);
    case K::BeatShift:
        return std::to_string(ch.BeatShift);
    case K::Compander:
        return std::to_string(ch.Compander);
    case K::ScanAddCheck:
        return std::to_string(ch.ScanAdd);
    }
    return {};
}

void AddChannel(Session& s, int n, std::string_view rxText) {
    RadioData& doc = s.Doc;
    const int count = ClampedCount(doc);
    if (count >= static_cast<int>(doc.Channels.size())) return;
    ChannelInfo ch = NewChannel(n);
    ch.RxFreq.set(FreqToStorage(s, rxText));
    doc.Channels[static_cast<std::size_t>(count)] = ch;
    doc.ChannelCount = static_cast<Int16>(count + 1);
}

void DeleteChannel(RadioData& doc, int index) {
    const int count = ClampedCount(doc);
    if (index < 0 || index >= count) return;
    auto first = doc.Channels.begin() + index;
    std::move(first + 1, doc.Channels.begin() + count, first);
    // The freed last entry is beyond the count; clear it so no stale record lingers.
    doc.Channels[static_cast<std::size_t>(count - 1)] = ChannelInfo{};
    doc.ChannelCount = static_cast<Int16>(count - 1);
}

void ApplyChannelField(const Session& s, ChannelInfo& ch, ChannelFieldKind kind,
                       std::string_view text) {
    const int lang = s.CurLanguage;
    switch (kind) {
    case K::RxFreq:
        ch.RxFreq.set(FreqToStorage(s, text));
        break;
    case K::TxFreq:
        ApplyTxFreq(s, ch, text);
        break;
    case K::RxCode:
        // Only list entries are tones; anything else would store a code the radio rejects.
        if (!IsToneListEntry(text, lang)) break;
        ch.RxCode.set(TextToTone(s, text));
        DropToneLockout(ch);
        break;
    case K::TxCode:
        if (IsToneListEntry(text, lang)) ch.TxCode.set(TextToTone(s, text));
        break;
    case K::TxPower:
        ch.TxPower = text == TextIn(PowerChoices[0].text, lang) ? 1 : 0;
        break;
    case K::ScanAdd:
        ch.ScanAdd = text == TextIn(ScanAddChoices[0].text, lang) ? 1 : 0;
        break;
    case K::OptSignal:
        ApplyOptSignal(ch, text, lang);
        break;
    case K::PttId:
        ch.PttId = text == TextIn(PttIdChoices[0].text, lang) ? 0 : 1;
        break;
    case K::WideNarrow:
        ch.WideNarrow = text == TextIn(WideNarrowChoices[0].text, lang) ? 0 : 1;
        break;
    case K::SpUnmute:
        ApplySpUnmute(ch, text, lang);
        break;
    case K::BusyLockout: {
        const int v = ValueOfText(K::BusyLockout, text, lang);
        if (v >= 0) ch.BusyLockout = static_cast<Int16>(v);
        break;
    }
    case K::AutodialMem:
        ApplyAutodial(ch, text);
        break;
    case K::BeatShift:
        ApplyFlag(ch.BeatShift, text);
        break;
    case K::Compander:
        ApplyFlag(ch.Compander, text);
        break;
    case K::ScanAddCheck:
        ApplyFlag(ch.ScanAdd, text);
        break;
    }
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
        const int before = s.Doc.ChannelCount;
        AddChannel(s, n, value);
        if (s.Doc.ChannelCount != before) return ChannelChange::Added;
        // Only a damaged record can fill the list while this slot is empty.
        s.report(Msg::NoFreeChannelRecord);
    }
    return ChannelChange::None;
}

} // namespace rv
