#include "Catalogue.h"

#include "ChannelCommit.h"
#include "Conversions.h"
#include "Decimal.h"
#include "Defaults.h"
#include "DocumentDiff.h"
#include "ImageMap.h"
#include "Strings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace rv {

namespace {

using L = LangText;
using Rows = std::vector<SettingRow>;

const L ModelArea{"Model Information", "机型信息"};
const L InfoArea{"Radio Information", "对讲机信息"};
const L OptArea{"Optional Features", "可选功能"};
const L KeyArea{"Key Assignment", "键设定"};
const L ScanArea{"Scan Information", "扫描信息"};
const L DtmfArea{"DTMF", "DTMF(双音多频)"};
const L FleetArea{"FleetSync", "FleetSync(队列同步)"};
const L TestArea{"Test Frequency", "测试频率"};
const L MsgArea{"Embedded Message", "嵌入信息"};
const L OnWord{"On", "开"};
const L OffWord{"Off", "关"};

std::string N(int v) {
    return std::to_string(v);
}

L Numbered(const L& text, int n, const char* after = "") {
    return {text[1] + " " + N(n) + after, text[2] + " " + N(n) + after};
}

bool SameWord(std::string_view typed, const L& word) {
    const std::string t = AsciiLower(typed);
    return t == AsciiLower(word[1]) || t == AsciiLower(word[2]);
}

std::optional<int> ParseInt(std::string_view t) {
    int v = 0;
    const char* end = t.data() + t.size();
    const auto r = std::from_chars(t.data(), end, v);
    if (t.empty() || r.ec != std::errc() || r.ptr != end) return std::nullopt;
    return v;
}

// ---- the drop-down lists ------------------------------------------------------------------

const L NoneWord{"None", "无"};
const L AllWord{"All", "所有"};

const Choice* Find(const ChoiceList& list, int value) {
    auto it = std::find_if(list.begin(), list.end(),
                           [value](const Choice& c) { return c.value == value; });
    return it == list.end() ? nullptr : &*it;
}

// The text of `value` in `list`; empty when no entry holds that value.
std::string ChoiceText(const ChoiceList& list, int value, int language) {
    const Choice* c = Find(list, value);
    return c ? InLanguage(c->text, language) : std::string();
}

// As a setting prints: the list text, or the number for a value outside the list.
std::string ShownValue(const ChoiceList& list, int value, int language) {
    const std::string text = ChoiceText(list, value, language);
    return text.empty() ? N(value) : text;
}

// "On" for 1, "Off" for 0, the number otherwise.
std::string OnOffText(int value, int language) {
    if (value == 0 || value == 1) return InLanguage(value ? OnWord : OffWord, language);
    return N(value);
}

// A list whose entries read the same in both languages, stored by list position.
ChoiceList Plain(std::initializer_list<const char*> texts) {
    ChoiceList l;
    for (const char* t : texts)
        l.push_back({int(l.size()), {t, t}});
    return l;
}

// Key function names by stored code (255 is no function); 0 is a second name for reserved
// code 1.
const ChoiceList KeyFunctionNames{
    {255, NoneWord},
    {0, {"Reserved1", "保留1"}},
    {1, {"Reserved1", "保留1"}},
    {2, {"Key Lock", "按键锁定"}},
    {3, {"Key Lock with Backup", "按键锁定及备份"}},
    {4, {"Monitor", "监听"}},
    {5, {"Monitor Momentary", "监听瞬时"}},
    {6, {"Scan", "扫描"}},
    {7, {"Scan+Temporary Delete", "扫描+暂时删除"}},
    {8, {"Reserved2", "保留2"}},
    {9, {"Squelch Off", "取消静噪"}},
    {10, {"Squelch Off Momentary", "瞬时取消静噪"}},
    {11, {"Temporary Delete", "暂时删除"}},
};

// The functions a key offers: the reserved codes are not offered.
ChoiceList KeyFunctionChoices() {
    ChoiceList l;
    for (int code : {255, 2, 3, 4, 5, 6, 7, 9, 10, 11})
        l.push_back(*Find(KeyFunctionNames, code));
    return l;
}

const ChoiceList RevertChannels{{0, {"Selected", "选定"}},
                                {1, {"Selected+Talk Back", "选定+当前通话"}},
                                {2, {"Priority", "优先"}},
                                {3, {"Priority+Talk Back", "优先+当前通话"}}};

// The revert channels a priority mode offers; none for a mode outside the list.
ChoiceList RevertChoicesOfMode(int priorityMode) {
    static const std::vector<int> byMode[] = {{0, 1}, {0, 1, 2, 3}, {2, 3}};
    ChoiceList l;
    if (priorityMode < 0 || priorityMode > 2) return l;
    for (int v : byMode[priorityMode])
        l.push_back(RevertChannels[std::size_t(v)]);
    return l;
}

// Look-back times are stored 1 to 91 for 0.50 s to 5.00 s.
ChoiceList LookBackChoices() {
    ChoiceList l;
    for (int v = 1; v <= 91; ++v) {
        const int hundredths = 45 + 5 * v;
        const std::string t = N(hundredths / 100) + "." + N(100 + hundredths % 100).substr(1);
        l.push_back({v, {t, t}});
    }
    return l;
}

// 255 is no priority channel.
ChoiceList PriorityChannelChoices() {
    ChoiceList l{{255, NoneWord}};
    for (int n = 1; n <= 16; ++n)
        l.push_back({n, {N(n), N(n)}});
    return l;
}

ChoiceList DCodeChoices() {
    ChoiceList c{{0, {"D Code", "D 码"}}};
    for (int n = 1; n <= 16; ++n)
        c.push_back({n, {N(n) + "s", N(n) + "秒"}});
    return c;
}

// 0 is "Off", otherwise the character code of A-D, * or #.
ChoiceList GroupCodeChoices() {
    ChoiceList c{{0, OffWord}};
    for (char code : std::string("ABCD*#"))
        c.push_back({code, {std::string(1, code), std::string(1, code)}});
    return c;
}

const ChoiceList VoiceChoices{
    {0, OffWord}, {1, {"Chinese", "中文"}}, {2, {"English", "英语"}}, {3, {"Russian", "俄语"}}};

// Fleet numbers 100 to 349 are stored as 1 to 250, IDs 1000 to 4999 as 1 to 4000.
constexpr int FleetOffset = 99;
constexpr int IdOffset = 999;
constexpr int FleetNumberCount = 250;
constexpr int IdNumberCount = 4000;

// ---- rows of one stored number ----------------------------------------------------------

// How a row reaches its stored number in the document.
struct Field {
    std::function<int(const RadioData&)> get;
    std::function<void(RadioData&, int)> put;
};

template <class Rec, class F> Field In(Rec RadioData::*rec, F Rec::*field) {
    return {[=](const RadioData& d) { return int((d.*rec).*field); },
            [=](RadioData& d, int v) { (d.*rec).*field = F(v); }};
}

Field In(Int16 RadioData::*field) {
    return {[=](const RadioData& d) { return int(d.*field); },
            [=](RadioData& d, int v) { d.*field = Int16(v); }};
}

// What a row of one stored number may add to its kind's usual shape.
struct Shape {
    int fallback = 0;
    const char* unit = "";
    int scale = 1;
    int step = 1;
    int offset = 0;
    bool offAtZero = false;
    int low = 0; // a choice's decode range when it is not that of its entries
    int high = 0;
};

// The shown text of a stored value: list text, On/Off, the zero word or number with its
// offset.
std::string ValueShown(const SettingRow& r, int v, int language) {
    if (r.kind == RowKind::Choice) return ShownValue(r.choices, v, language);
    if (r.kind == RowKind::Flag) return OnOffText(v, language);
    if (HasZeroWord(r) && v == 0) return InLanguage(r.zeroWord, language);
    return N(v * r.scale + r.offset);
}

const ChoiceList FlagChoices{{0, OffWord}, {1, OnWord}};

// "one of A|B" for a list of entries.
std::string OneOf(const ChoiceList& list, int language) {
    std::string out;
    for (const std::string& t : ChoiceTexts(list, language))
        out += (out.empty() ? "" : "|") + t;
    return L{"one of ", "取值之一："}[language] + out;
}

// The stored value a typed text names, by the row's rule and what it offers for the
// document; nothing when refused.
std::optional<int> StoredOf(const SettingRow& r, const Session& s, std::string_view t) {
    if (r.kind == RowKind::Choice || r.kind == RowKind::Flag) {
        for (const Choice& c : OfferedChoices(r, s))
            if (SameWord(t, c.text) || (r.kind == RowKind::Flag && t == N(c.value))) return c.value;
        return std::nullopt;
    }
    if (HasZeroWord(r) && SameWord(t, r.zeroWord)) return 0;
    const auto shown = ParseInt(t);
    if (!shown || (*shown - r.offset) % r.scale) return std::nullopt;
    const int v = (*shown - r.offset) / r.scale;
    if (v < r.low || v > r.high || (v - r.low) % r.step) return std::nullopt;
    return v;
}

// The rule a refused value broke, with what the row offers for the document.
std::string RuleFor(const SettingRow& r, const Session& s) {
    return r.kind == RowKind::Choice ? OneOf(OfferedChoices(r, s), s.CurLanguage)
                                     : RuleText(r, s.CurLanguage);
}

std::string Refusal(const SettingRow& r, std::string_view value, const std::string& rule) {
    return r.key + "=" + ShownText(value) + ": " + rule;
}

// A row with what every row has: its key, where it shows, its kind and its address.
SettingRow Row(std::string key, const L& area, L label, RowKind kind, int address) {
    SettingRow r;
    r.key = std::move(key);
    r.area = area;
    r.label = std::move(label);
    r.kind = kind;
    r.address = address;
    return r;
}

SettingRow Stored(const char* key, const L& area, L label, RowKind kind, int address, Field f,
                  const char* def, const Shape& x) {
    SettingRow r = Row(key, area, std::move(label), kind, address);
    r.get = std::move(f.get);
    r.put = std::move(f.put);
    r.defaultText = def;
    r.fallback = x.fallback;
    r.unit = x.unit;
    r.scale = x.scale;
    r.step = x.step;
    r.offset = x.offset;
    if (x.offAtZero) r.zeroWord = OffWord;
    r.low = x.low;
    r.high = kind == RowKind::Flag ? 1 : x.high;
    return r;
}

SettingRow Num(const char* key, const L& area, L label, int at, Field f, int low, int high,
               const char* def, Shape x = {}) {
    x.low = low;
    x.high = high;
    SettingRow r = Stored(key, area, std::move(label), RowKind::Number, at, std::move(f), def, x);
    r.width = high > 255 ? 2 : 1;
    r.mask = high > 255 ? 0xFFFF : 0xFF;
    return r;
}

SettingRow Pick(const char* key, const L& area, L label, int at, Field f, ChoiceList choices,
                const char* def, Shape x = {}) {
    SettingRow r = Stored(key, area, std::move(label), RowKind::Choice, at, std::move(f), def, x);
    r.choices = std::move(choices);
    return r;
}

SettingRow Flag(const char* key, const L& area, L label, int at, Field f, const char* def,
                int fallback = 0) {
    return Stored(key, area, std::move(label), RowKind::Flag, at, std::move(f), def,
                  {.fallback = fallback});
}

// Fills in what a row leaves to its kind: the decode range of a choice, how it shows and
// how it is stored.
void Finish(SettingRow& r) {
    if (r.kind == RowKind::Choice && r.low == 0 && r.high == 0 && !r.choices.empty()) {
        r.low = r.high = r.choices.front().value;
        for (const Choice& c : r.choices) {
            r.low = std::min(r.low, c.value);
            r.high = std::max(r.high, c.value);
        }
    }
    if (!r.show)
        r.show = [](const SettingRow& row, const Session& s) {
            return ValueShown(row, row.get(s.Doc), s.CurLanguage);
        };
    if (!r.commit && !r.readOnly)
        r.commit = [](const SettingRow& row, Session& s,
                      std::string_view t) -> std::optional<std::string> {
            const auto v = StoredOf(row, s, t);
            if (!v) return RuleFor(row, s);
            row.put(s.Doc, *v);
            return std::nullopt;
        };
}

// True when `t` keeps a text row's rule: its length and its characters.
bool KeepsTextRule(const SettingRow& r, std::string_view t) {
    if (int(t.size()) < r.minWidth || int(t.size()) > r.textWidth) return false;
    return std::all_of(t.begin(), t.end(), [&r](char c) {
        return r.allowed.empty() ? c >= ' ' && c <= '~' : r.allowed.find(c) != std::string::npos;
    });
}

// A text row: how it reads and how a text that keeps the rule is stored.
SettingRow TextRow(std::string key, const L& area, L label, int address, int width,
                   std::function<std::string(const RadioData&)> read,
                   std::function<void(RadioData&, std::string_view)> store, const char* def,
                   std::string allowed = {}, int minWidth = 0) {
    SettingRow r = Row(std::move(key), area, std::move(label), RowKind::Text, address);
    r.width = width;
    r.textWidth = width;
    r.minWidth = minWidth;
    r.allowed = std::move(allowed);
    r.defaultText = def;
    r.show = [read](const SettingRow&, const Session& s) { return ShownText(read(s.Doc)); };
    r.commit = [store](const SettingRow& row, Session& s,
                       std::string_view t) -> std::optional<std::string> {
        if (!KeepsTextRule(row, t)) return RuleText(row, s.CurLanguage);
        store(s.Doc, t);
        return std::nullopt;
    };
    return r;
}

const std::string DtmfDigits = "0123456789ABCD*#";

// A message line as typed: up to its end mark, leading blanks kept; a line without end
// mark (it fills the field) loses only its trailing blanks.
std::string MessageLineText(const Text<32>& line) {
    std::string_view t = line.full();
    const auto nul = t.find('\0');
    if (nul != std::string_view::npos) return std::string(t.substr(0, nul));
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    return std::string(t);
}

std::function<std::string(const RadioData&)> ReadsLine(Text<32> RadioData::*f) {
    return [f](const RadioData& d) { return MessageLineText(d.*f); };
}

// ---- the settings windows ------------------------------------------------------------

ChoiceList FirstOf(const ChoiceList& list, int count) {
    return ChoiceList(list.begin(),
                      list.begin() + std::min<std::ptrdiff_t>(count, std::ssize(list)));
}

SettingRow WithOffers(SettingRow r,
                      std::function<ChoiceList(const SettingRow&, const Session&)> offers) {
    r.offers = std::move(offers);
    return r;
}

// A setting the document keeps but no window shows.
SettingRow Hidden(SettingRow r) {
    r.hidden = true;
    return r;
}

void AddOptions(Rows& rows) {
    using O = OptFeatures;
    const auto o = &RadioData::OptFeatures;
    const int at = image::OptFeaturesAt;
    const auto ptt = [](Text<16> O::*f) {
        return std::pair{[f](const RadioData& d) { return (d.OptFeatures.*f).get(); },
                         // the window's fixed-width field
                         [f](RadioData& d, std::string_view t) { (d.OptFeatures.*f).assign(t); }};
    };
    const auto bot = ptt(&O::PttIdBot), eot = ptt(&O::PttIdEot);
    rows.insert(
        rows.end(),
        {Num("optional.time_out_timer", OptArea, {"Time Out Timer(TOT)[s]", "超时定时器(TOT)[秒]"},
             at + 4, In(o, &O::TotTime), 1, 40, "60", {.fallback = 4, .unit = "s", .scale = 15}),
         Num("optional.tot_pre_alert", OptArea, {"TOT Pre-Alert[s]", "超时定时器预警[秒]"}, at + 5,
             In(o, &O::TotPreAlert), 0, 10, "Off", {.unit = "s", .offAtZero = true}),
         Num("optional.squelch_level", OptArea, {"Squelch Level", "静躁电平"}, at + 8,
             In(o, &O::SquelchLevel), 0, 9, "5", {.fallback = 5}),
         Hidden(Pick("optional.mic_sensitivity", OptArea, {"Mic Sensitivity", "麦克风灵敏度"},
                     at + 17, In(o, &O::MicSensitivity),
                     {{0, {"Normal", "常规"}}, {1, {"High", "高"}}}, "Normal")),
         WithOffers(Pick("optional.voice_annunciation", OptArea, {"Voice Annunciation", "语音通知"},
                         at + 3, In(o, &O::VoiceAnnunciation), VoiceChoices, "Off"),
                    [](const SettingRow&, const Session& s) {
                        // Russian voice prompts exist only in the export models.
                        const bool russian = s.CurModelCode == "6415" || s.CurModelCode == "7415";
                        return FirstOf(VoiceChoices, russian ? 4 : 3);
                    }),
         Flag("optional.battery_save", OptArea, {"Battery Save", "电池省电"}, at + 9,
              In(o, &O::BatterySave), "Off"),
         Flag("optional.beep", OptArea, {"Beep", "哗音"}, at + 10, In(o, &O::Beep), "On", 1),
         Hidden(Flag("optional.scrambler_activation", OptArea,
                     {"Scrambler Activation", "扰频器激活"}, at, In(o, &O::ScramblerActivation),
                     "Off")),
         Hidden(Flag("optional.scrambler_backup", OptArea, {"Scrambler Backup", "扰频器备份"},
                     at + 1, In(o, &O::ScramblerBackup), "Off")),
         Hidden(Pick("optional.ptt_id_type", OptArea, {"PTT ID Type", "PTT ID类型"}, at + 7,
                     In(o, &O::PttIdMode),
                     {{0, {"DTMF", "DTMF(双音多频)"}}, {1, {"FleetSync", "FleetSync(队列同步)"}}},
                     "DTMF", {.high = 2})),
         Hidden(Pick("optional.ptt_id", OptArea, {"PTT ID", "PTT ID"}, at + 6, In(o, &O::PttIdType),
                     {{0, {"BOT", "发射开始"}}, {1, {"EOT", "发射结束"}}, {2, {"Both", "两者"}}},
                     "BOT")),
         Hidden(TextRow("optional.begin_of_tx", OptArea, {"Begin of TX", "发射开始"},
                        image::PttIdBotAt, 16, bot.first, bot.second, "12345", DtmfDigits)),
         Hidden(TextRow("optional.end_of_tx", OptArea, {"End of TX", "发射结束"}, image::PttIdEotAt,
                        16, eot.first, eot.second, "", DtmfDigits)),
         Flag("optional.vox_function", OptArea, {"VOX Function", "VOX功能"}, at + 13,
              In(o, &O::VoxFunction), "Off"),
         Num("optional.vox_gain_level", OptArea, {"VOX Gain Level", "VOX增益电平"}, at + 14,
             In(o, &O::VoxGain), 0, 10, "5", {.fallback = 5, .offAtZero = true}),
         Pick("optional.vox_delay_time", OptArea, {"VOX Delay Time[s]", "VOX延迟时间[秒]"}, at + 15,
              In(o, &O::VoxDelay), Plain({"0.3", "0.5", "1", "1.5", "2", "3"}), "0.5",
              {.fallback = 1, .unit = "s"}),
         Flag("optional.vox_cancel_operation", OptArea, {"Cancel Operation", "取消操作"}, at + 11,
              In(o, &O::VoxCancelOperation), "Off"),
         Flag("optional.vox_proceed_tone", OptArea, {"VOX Proceed Tone", "VOX可进行音调"}, at + 16,
              In(o, &O::VoxProceedTone), "Off"),
         Flag("optional.vox_inhibit_on_receive", OptArea,
              {"VOX Inhibit on Receive", "接收时禁止VOX"}, at + 12, In(o, &O::VoxInhibitOnRx),
              "Off"),
         Flag("optional.clone_mode", OptArea, {"Clone Mode", "复制模式"}, at + 18,
              In(o, &O::CloneMode), "Off")});
}

void AddKeysAndScan(Rows& rows) {
    using Sc = ScanInfo;
    // Reserved codes show by name but are not offered.
    const auto key = [](const char* k, const char* name, int at, Int16 RadioData::*f,
                        const char* def) {
        SettingRow r = Pick(k, KeyArea, {name, name}, at, In(f), KeyFunctionChoices(), def,
                            {.fallback = 255, .high = 255});
        r.show = [f](const SettingRow&, const Session& s) {
            return ShownValue(KeyFunctionNames, s.Doc.*f, s.CurLanguage);
        };
        return r;
    };
    const auto s = &RadioData::ScanInfo;
    const int at = image::ScanInfoAt;
    rows.insert(
        rows.end(),
        {key("key.pf1", "PF1", image::KeyFunc1At, &RadioData::KeyFunc1, "None"),
         key("key.pf2", "PF2", image::KeyFunc2At, &RadioData::KeyFunc2, "Squelch Off Momentary"),
         Pick("scan.priority", ScanArea, {"Priority", "优先"}, at, In(s, &Sc::PriorityType),
              {{0, NoneWord}, {1, {"Fixd", "固定"}}, {2, {"Selected", "选定"}}}, "None"),
         Pick("scan.priority_channel", ScanArea, {"Priority Channel", "优先信道"}, at + 1,
              In(s, &Sc::PriorityChannel), PriorityChannelChoices(), "None",
              {.fallback = 255, .high = 16}),
         Pick("scan.look_back_time_a", ScanArea, {"Look Back Time A[s]", "回扫时间A[秒]"}, at + 2,
              In(s, &Sc::LookBackA), LookBackChoices(), "2.00", {.fallback = 29, .unit = "s"}),
         Pick("scan.look_back_time_b", ScanArea, {"Look Back Time B[s]", "回扫时间B[秒]"}, at + 3,
              In(s, &Sc::LookBackB), LookBackChoices(), "3.00", {.fallback = 49, .unit = "s"}),
         WithOffers(Pick("scan.revert_channel", ScanArea, {"Revert Channel", "返回信道"}, at + 4,
                         In(s, &Sc::RevertChannel), RevertChannels, "Selected+Talk Back",
                         {.fallback = 1}),
                    [](const SettingRow&, const Session& s) {
                        // A mode outside the list offers what no priority offers.
                        const int mode = s.Doc.ScanInfo.PriorityType;
                        return RevertChoicesOfMode(mode >= 0 && mode <= 2 ? mode : 0);
                    }),
         Num("scan.dropout_delay_time", ScanArea,
             {"Dropout Delay Time[s]", "扫描接收恢复延迟时间[秒]"}, at + 5,
             In(s, &Sc::DropoutDelay), 0, 300, "3", {.fallback = 3, .unit = "s"}),
         Num("scan.tx_dwell_time", ScanArea, {"TX Dwell Time[s]", "扫描发射恢复延迟时间[秒]"},
             at + 7, In(s, &Sc::TxDwell), 0, 300, "3", {.fallback = 3, .unit = "s"})});
}

void AddDtmf(Rows& rows) {
    using T = DtmfInfo;
    const auto t = &RadioData::DtmfInfo;
    const int at = image::DtmfInfoAt;
    SettingRow id = TextRow(
        "dtmf.id_code", DtmfArea, {"ID Code", "ID 码"}, image::IdCodeAt, 10,
        [](const RadioData& d) { return d.DtmfInfo.IdCode.get(); },
        [](RadioData& d, std::string_view v) { d.DtmfInfo.IdCode.assign(v); }, "000", "0123456789",
        3);
    id.unique = true;
    rows.insert(
        rows.end(),
        {Pick("dtmf.speed", DtmfArea, {"DTMF Speed[digit/s]", "DTMF 速率[数字/秒]"}, at,
              In(t, &T::DtmfSpeed), Plain({"6", "8", "10", "15"}), "6"),
         Pick("dtmf.first_digit_time", DtmfArea, {"First Digit Time[ms]", "首位数码时间[毫秒]"},
              at + 1, In(t, &T::FirstDigitTime), Plain({"0", "100", "500", "1000"}), "0"),
         Num("dtmf.first_digit_delay", DtmfArea, {"First Digit Delay[ms]", "首位数码延迟[毫秒]"},
             at + 2, In(t, &T::FirstDigitDelay), 10, 100, "100",
             {.fallback = 10, .unit = "ms", .scale = 10, .step = 5}),
         Pick("dtmf.star_hash_tone", DtmfArea, {"* and # Tone[ms]", "*和#音[毫秒]"}, at + 3,
              In(t, &T::StarHashTone), Plain({"0", "100", "500", "1000"}), "0"),
         Pick("dtmf.d_code_assignment", DtmfArea, {"D Code Assignment", "D键设定"}, at + 4,
              In(t, &T::DCodeAssign), DCodeChoices(), "D Code"),
         Flag("dtmf.side_tone", DtmfArea, {"DTMF Side Tone", "DTMF 侧音"}, at + 5,
              In(t, &T::DtmfSideTone), "On", 1),
         id,
         Pick("dtmf.group_code", DtmfArea, {"Group Code", "组呼码"}, at + 6, In(t, &T::GroupCode),
              GroupCodeChoices(), "Off"),
         Num("dtmf.auto_reset_timer", DtmfArea, {"Auto Reset Timer[s]", "自动复位定时器[秒]"},
             at + 7, In(t, &T::AutoResetTimer), 0, 15, "10",
             {.fallback = 10, .unit = "s", .offAtZero = true}),
         Pick("dtmf.call_alert", DtmfArea, {"Call Alert", "呼叫告警"}, at + 8, In(t, &T::CallAlert),
              {{0, OffWord}, {1, {"Normal", "常规"}}, {2, {"Continuous", "连续"}}}, "Off"),
         Pick("dtmf.transpond", DtmfArea, {"Transpond", "自动应答"}, at + 9, In(t, &T::Transpond),
              {{0, OffWord}, {1, {"Alert", "告警"}}, {2, {"ID Code", "ID 码"}}}, "Off"),
         Flag("dtmf.clear_to_transpond", DtmfArea, {"Clear to Transpond", "清除自动应答"}, at + 10,
              In(t, &T::ClearToTranspond), "Off"),
         TextRow(
             "dtmf.stun_code", DtmfArea, {"Stun Code", "遥毙码"}, image::StunCodeAt, 10,
             [](const RadioData& d) { return d.DtmfInfo.StunCode.get(); },
             // a-d count as A-D
             [](RadioData& d, std::string_view v) { d.DtmfInfo.StunCode.set(AsciiUpper(v)); }, "",
             DtmfDigits + "abcd"),
         Pick("dtmf.stun_type", DtmfArea, {"Stun Type", "遥毙类型"}, image::StunTypeAt,
              In(t, &T::StunType),
              {{0, {"TX Inhibit", "发射抑制"}}, {1, {"TX/RX Inhibit", "发射/接收 抑制"}}},
              "TX Inhibit")});
}

void AddFleetSync(Rows& rows) {
    using F = FleetSyncInfo;
    const auto f = &RadioData::FleetSyncInfo;
    const int at = image::FleetSyncAt;
    // Own fleet and ID show blank while no own fleet is set (255).
    const auto own = [](bool isId) {
        return [isId](const SettingRow& r, const Session& s) {
            const FleetSyncInfo& fs = s.Doc.FleetSyncInfo;
            if (fs.OwnFleet == 255 || (isId && fs.OwnId == 0)) return std::string();
            return N((isId ? fs.OwnId : fs.OwnFleet) + r.offset);
        };
    };
    SettingRow fleet =
        Num("fleetsync.own_fleet", FleetArea, {"Fleet(Own)", "队列（自身）"}, at,
            In(f, &F::OwnFleet), 1, FleetNumberCount, "", {.fallback = 255, .offset = FleetOffset});
    SettingRow id = Num("fleetsync.own_id", FleetArea, {"ID(Own)", "ID（自身）"}, at + 1,
                        In(f, &F::OwnId), 1, IdNumberCount, "", {.offset = IdOffset});
    fleet.show = own(false);
    id.show = own(true);
    // As in the window: a blank fleet blanks the ID too; a fleet chosen while the ID is
    // blank takes ID 1000, an ID chosen while the fleet is blank takes fleet 100.
    const auto ownCommit = [](bool isId) {
        return [isId](const SettingRow& row, Session& s,
                      std::string_view t) -> std::optional<std::string> {
            FleetSyncInfo& fs = s.Doc.FleetSyncInfo;
            if (t.empty()) {
                fs.OwnId = 0;
                if (!isId) fs.OwnFleet = 255;
                return std::nullopt;
            }
            const auto v = StoredOf(row, s, t);
            if (!v) return RuleText(row, s.CurLanguage);
            const bool idBlank = fs.OwnFleet == 255 || fs.OwnId == 0;
            if (fs.OwnFleet == 255) fs.OwnFleet = 1;
            if (idBlank) fs.OwnId = 1;
            if (isId)
                fs.OwnId = *v;
            else
                fs.OwnFleet = Int16(*v);
            return std::nullopt;
        };
    };
    fleet.commit = ownCommit(false);
    id.commit = ownCommit(true);
    fleet.unique = id.unique = true;
    rows.insert(
        rows.end(),
        {fleet, id,
         Pick("fleetsync.baud_rate", FleetArea, {"FleetSync Baud Rate[bps]", "队列同步波特率[bps]"},
              at + 5, In(f, &F::BaudRate), Plain({"1200", "2400"}), "1200"),
         Num("fleetsync.tx_modulation_delay", FleetArea,
             {"Data TX Modulation Delay Time[ms]", "数据发射调制延迟时间[毫秒]"}, at + 3,
             In(f, &F::TxModDelay), 0, 6000, "400", {.fallback = 400, .unit = "ms"}),
         Num("fleetsync.message_mode_timer", FleetArea,
             {"Message Mode Timer[s]", "信息模式定时器[秒]"}, at + 6, In(f, &F::MsgModeTimer), 0,
             300, "10", {.fallback = 10, .unit = "s", .offAtZero = true}),
         Flag("fleetsync.ptt_id_side_tone", FleetArea, {"PTT ID Side Tone", "PTT ID 侧音"}, at + 8,
              In(f, &F::PttIdSideTone), "On")});
}

// A row changed by other commands (radio information, model and band), not by `set`.
SettingRow ReadOnly(const char* key, const L& area, L label, int address,
                    std::function<std::string(const Session&)> text) {
    SettingRow r = Row(key, area, std::move(label), RowKind::Text, address);
    r.readOnly = true;
    r.show = [text](const SettingRow&, const Session& s) { return text(s); };
    return r;
}

void AddMessageAndInfo(Rows& rows) {
    const auto line = [](Text<32> RadioData::*f) {
        return [f](RadioData& d, std::string_view t) { (d.*f).set(t); };
    };
    rows.push_back(TextRow("message.line1", MsgArea, {"Line 1", "第 1 行"}, image::EmbMsg1At, 32,
                           ReadsLine(&RadioData::EmbMsg1), line(&RadioData::EmbMsg1), ""));
    rows.push_back(TextRow("message.line2", MsgArea, {"Line 2", "第 2 行"}, image::EmbMsg2At, 32,
                           ReadsLine(&RadioData::EmbMsg2), line(&RadioData::EmbMsg2), ""));
    using S = const Session&;
    rows.insert(rows.end(),
                {ReadOnly("info.serial_number", InfoArea, {"Serial Number", "序号"}, -1,
                          [](S s) { return ShownText(s.Doc.SerialNumber.get()); }),
                 ReadOnly("info.version", InfoArea, {"Version", "版本"}, -1,
                          [](S s) { return ShownText(VersionText(s.Doc)); }),
                 ReadOnly("info.model_type", InfoArea, {"Model Type", "机型类型"}, -1,
                          [](S s) { return ShownText(s.Doc.ModelType.get()); }),
                 ReadOnly("info.frequency_code", InfoArea, {"Frequency Code", "频率代码"}, -1,
                          [](S s) { return N(s.Doc.FrequencyCode); }),
                 ReadOnly("info.type_letter", InfoArea, {"Type Letter", "类型字母"}, -1, [](S s) {
                     const int c = s.Doc.TypeLetter;
                     return c > 0x20 && c < 0x7F ? std::string(1, char(c)) : N(c);
                 })});
}

void AddModel(Rows& rows) {
    rows.push_back(ReadOnly("model.model", ModelArea, {"Model Type", "机型类型"},
                            image::ModelByteAt, [](const Session& s) { return s.CurModelCode; }));
    rows.push_back(ReadOnly("model.band", ModelArea, {"Frequency", "频率"}, image::BandCodeAt,
                            [](const Session& s) { return s.CurBand; }));
}

// ---- the lists ---------------------------------------------------------------------------

struct ChannelColumn {
    const char* key;
    L label;
    ChannelFieldKind kind;
    int offset;
    int width;
    unsigned mask;
};

// The channel settings under the captions of the channel grid; those the grid does not
// show under the captions of the channel dialog.
const ChannelColumn ChannelColumns[] = {
    {"rx_frequency", {"RX Frequency", "接收频率"}, ChannelFieldKind::RxFreq, 0, 4, 0xFFFFFFFF},
    {"tx_frequency", {"TX FreQuency", "发射频率"}, ChannelFieldKind::TxFreq, 4, 4, 0xFFFFFFFF},
    {"decode_tone", {"QT/DQT Dec", "解码"}, ChannelFieldKind::RxCode, 8, 2, 0xFFFF},
    {"encode_tone", {"QT/DQT Enc", "编码"}, ChannelFieldKind::TxCode, 10, 2, 0xFFFF},
    {"tx_power", {"TX Power", "发射功率"}, ChannelFieldKind::TxPower, 13, 1, 0x20},
    {"scan_add", {"Scan Add", "扫描添加"}, ChannelFieldKind::ScanAdd, -1, 1, 0},
    {"opt_signal", {"Opt Signal", "可选信令"}, ChannelFieldKind::OptSignal, 12, 1, 0x06},
    {"ptt_id", {"PTT ID", "PTT ID"}, ChannelFieldKind::PttId, 14, 1, 0x01},
    {"wide_narrow", {"W/N", "带宽"}, ChannelFieldKind::WideNarrow, 13, 1, 0x10},
    {"busy_lockout",
     {"Busy Channel Lockout", "繁忙信道锁定"},
     ChannelFieldKind::BusyLockout,
     12,
     1,
     0x18},
    {"sp_unmute", {"SP Unmute", "SP不静音"}, ChannelFieldKind::SpUnmute, 12, 1, 0x60},
    {"autodial", {"Autodial Memory", "自动拨号存储器"}, ChannelFieldKind::AutodialMem, 15, 1, 0x07},
    {"beat_shift", {"Beat Shift", "拍频偏移"}, ChannelFieldKind::BeatShift, 13, 1, 0x40},
    {"compander", {"Compander", "压扩器"}, ChannelFieldKind::Compander, 12, 1, 0x01},
};

bool IsFlagColumn(ChannelFieldKind k) {
    return k == ChannelFieldKind::BeatShift || k == ChannelFieldKind::Compander;
}

std::optional<std::string> BandFrequency(const Session& s, std::string_view t);
std::string FrequencyRule(const Session& s);

bool HasTone(const ChannelInfo& ch) {
    return ch.RxCode.get() != "FFFF";
}

// The entries a channel's list offers with the channel's other settings: busy lockout and
// speaker unmute follow the decode tone and the optional signalling; a channel without TX
// frequency has no encode tone.
ChoiceList ChannelOffers(const SettingRow& row, ChannelFieldKind k, const ChannelInfo* ch) {
    using K = ChannelFieldKind;
    if (!ch) return row.choices;
    const bool opt = ch->OptSignal != 0;
    ChoiceList out;
    switch (k) {
    case K::BusyLockout:
        for (const int v : BusyLockoutValues(HasTone(*ch), opt))
            out.push_back({v, {ChannelValueText(k, v, English), ChannelValueText(k, v, Chinese)}});
        return out;
    case K::SpUnmute:
        for (const int v : SpUnmuteValues(opt))
            out.push_back(
                {v,
                 {SpUnmuteText(v, HasTone(*ch), English), SpUnmuteText(v, HasTone(*ch), Chinese)}});
        return out;
    case K::TxCode:
        return HasFrequency(ch->TxFreq.get()) ? row.choices : out;
    default:
        return row.choices;
    }
}

// The window's text of a typed channel value, or nothing when the window offers no such
// entry: a frequency of the band on its raster or an entry of the column's list.
std::optional<std::string> ChannelTyped(const Session& s, const SettingRow& row, ChannelFieldKind k,
                                        std::string_view t) {
    using K = ChannelFieldKind;
    if (k == K::RxFreq || k == K::TxFreq)
        return t.empty() ? std::optional<std::string>("") : BandFrequency(s, t);
    const auto v = StoredOf(row, s, t);
    if (!v) return std::nullopt;
    if (row.kind == RowKind::Flag) return N(*v);
    return ChoiceText(OfferedChoices(row, s), *v, s.CurLanguage);
}

void AddChannels(Rows& rows) {
    for (int n = 1; n <= 16; ++n) {
        const L area = Numbered({"Channel", "信道"}, n);
        for (const ChannelColumn& c : ChannelColumns) {
            const auto k = c.kind;
            const bool freq = k == ChannelFieldKind::RxFreq || k == ChannelFieldKind::TxFreq;
            SettingRow r = Row("channel." + N(n) + "." + c.key, area, c.label,
                               freq              ? RowKind::Number
                               : IsFlagColumn(k) ? RowKind::Flag
                                                 : RowKind::Choice,
                               c.offset < 0 ? image::ScanMapAt + (n <= 8 ? 0 : 1)
                                            : image::ChannelBase(n) + c.offset);
            if (freq) r.unit = "MHz";
            r.width = c.width;
            r.mask = c.offset < 0 ? 1u << ((n - 1) % 8) : c.mask;
            r.choices = ChannelChoices(k);
            if (k == ChannelFieldKind::RxCode || k == ChannelFieldKind::TxCode)
                for (std::size_t i = 0; i < ToneList(English).size(); ++i)
                    r.choices.push_back({int(i), {ToneList(English)[i], ToneList(Chinese)[i]}});
            if (k == ChannelFieldKind::SpUnmute)
                for (const bool tone : {false, true})
                    for (int v = 0; v < 3; ++v)
                        r.choices.push_back(
                            {v, {SpUnmuteText(v, tone, English), SpUnmuteText(v, tone, Chinese)}});
            if (k == ChannelFieldKind::AutodialMem)
                for (int v = 0; v < 8; ++v)
                    r.choices.push_back({v, {N(v + 1), N(v + 1)}});
            r.show = [n, k](const SettingRow&, const Session& s) {
                const ChannelInfo* ch = ChannelOf(s.Doc, n);
                if (!ch) return std::string();
                if (IsFlagColumn(k))
                    return OnOffText(k == ChannelFieldKind::BeatShift ? ch->BeatShift
                                                                      : ch->Compander,
                                     s.CurLanguage);
                return ChannelFieldText(s, *ch, k);
            };
            r.offers = [n, k](const SettingRow& row, const Session& s) {
                return ChannelOffers(row, k, ChannelOf(s.Doc, n));
            };
            r.commit = [n, k](const SettingRow& row, Session& s,
                              std::string_view t) -> std::optional<std::string> {
                const ChannelInfo* ch = ChannelOf(s.Doc, n);
                if (!ch && k != ChannelFieldKind::RxFreq)
                    return L{"channel " + N(n) + " is not programmed: set channel." + N(n) +
                                 ".rx_frequency first",
                             "信道 " + N(n) + " 未编程：请先设置 channel." + N(n) +
                                 ".rx_frequency"}[s.CurLanguage];
                const auto typed = ChannelTyped(s, row, k, t);
                if (typed) SetChannelField(s, n, k, *typed);
                if (typed && (row.kind != RowKind::Choice || row.show(row, s) == *typed))
                    return std::nullopt;
                if (row.unit == "MHz") return FrequencyRule(s);
                if (k == ChannelFieldKind::TxCode && !HasFrequency(ch->TxFreq.get()))
                    return L{"the channel has no TX frequency",
                             "该信道没有发射频率"}[s.CurLanguage];
                return RuleFor(row, s);
            };
            rows.push_back(std::move(r));
        }
    }
}

// A typed frequency of the band on its raster, as the window shows it ("446.00625"); nothing
// for any other text, which is refused rather than moved onto the raster or into the band.
std::optional<std::string> BandFrequency(const Session& s, std::string_view t) {
    const auto d = ParseDecimal(t);
    if (!d || d->negative || t.size() > 12) return std::nullopt;
    const bool exact =
        d->fracDigits.size() <= 5 || d->fracDigits.find_first_not_of('0', 5) == std::string::npos;
    const std::int64_t units = ScaledValue(*d, 5);
    const auto edge = [](double mhz) { return std::int64_t(std::llround(mhz * 100000)); };
    if (!exact || units < edge(s.BandLow) || units > edge(s.BandHigh)) return std::nullopt;
    const std::string shown = FormatUnits(units);
    if (CheckFreq(s, shown) != shown) return std::nullopt;
    return shown;
}

std::string FrequencyRule(const Session& s) {
    const std::string band = ShortestText(s.BandLow) + ".." + ShortestText(s.BandHigh);
    return L{"a frequency of " + band + " MHz on the 5 / 6.25 kHz raster",
             band + " MHz 内、位于 5 / 6.25 kHz 栅格上的频率"}[s.CurLanguage];
}

// The entry numbered `no` of a list, or nullptr.
template <class List, class E> auto* EntryOf(List& list, Int16 count, int no, Int16 E::*number) {
    const auto end = list.begin() + image::Used(count, int(list.size()));
    const auto it = std::find_if(list.begin(), end, [&](const E& e) { return e.*number == no; });
    return it == end ? nullptr : &*it;
}

// Removes entry `e` of a list; later entries move up.
template <class E, std::size_t C> void RemoveEntry(std::array<E, C>& list, Int16& count, E* e) {
    const auto end = list.begin() + image::Used(count, int(C));
    std::move(e + 1, end, e);
    *(end - 1) = E{};
    count = Int16(image::Used(count, int(C)) - 1);
}

// A new entry at the end of a list; nothing when every record is in use.
template <class E, std::size_t C> E* AppendEntry(std::array<E, C>& list, Int16& count) {
    const int used = image::Used(count, int(C));
    if (used == int(C)) return nullptr;
    count = Int16(used + 1);
    list[std::size_t(used)] = E{};
    return &list[std::size_t(used)];
}

// Commits a text into entry `no` of a list as the list windows do: an empty text removes
// the entry; any other is refused with `refusal`, when there is one, or written by `store`
// into the entry, a new one (`fresh`) appended unless every record of the list is in use.
template <class E, std::size_t C>
std::optional<std::string> CommitEntry(std::array<E, C>& list, Int16& count, int no,
                                       Int16 E::*number, std::string_view t, const L& listName,
                                       int language, const std::optional<std::string>& refusal,
                                       const std::function<void(E&, bool fresh)>& store) {
    E* e = EntryOf(list, count, no, number);
    if (t.empty()) {
        if (e) RemoveEntry(list, count, e);
        return std::nullopt;
    }
    if (refusal) return refusal;
    const bool fresh = !e;
    if (!e && !(e = AppendEntry(list, count)))
        return L{"the " + listName[English] + " holds no free record",
                 listName[Chinese] + "没有空闲记录"}[language];
    e->*number = Int16(no);
    store(*e, fresh);
    return std::nullopt;
}

// The marks of test entry `e` for the frequencies a commit changed: 15 while a frequency is
// its slot's default, 2 once changed. The other entries, and an unchanged frequency, keep
// the marks they were read with.
void MarkTestFrequency(const Session& s, TestFre& e, const TestFre& was) {
    if (e.No < 1 || e.No > 16) return;
    const auto defaults = DefaultTestFrequencies(BandIndexOf(s.CurBand))[std::size_t(e.No - 1)];
    const auto mark = [&](const Text<8>& f, const std::string& def) {
        std::string a = f.get(), b = def.empty() ? "" : FreqToStorage(s, def);
        a.resize(8, '0');
        b.resize(8, '0');
        return Int16(!def.empty() && a == b ? 15 : 2);
    };
    if (e.RxFreq != was.RxFreq || was.No != e.No) e.RxSig = mark(e.RxFreq, defaults[0]);
    if (e.TxFreq != was.TxFreq || was.No != e.No) e.TxSig = mark(e.TxFreq, defaults[1]);
}

void AddAutodial(Rows& rows) {
    for (int n = 1; n <= 8; ++n) {
        SettingRow r = TextRow(
            "autodial." + N(n) + ".code", DtmfArea,
            Numbered({"Autodial Memory", "自动拨号存储器"}, n), image::AutodialAt(n), 16,
            [n](const RadioData& d) {
                const DtmfCode* e = EntryOf(d.DtmfCodes, d.DtmfCodeCount, n, &DtmfCode::No);
                return e ? e->Code.get() : std::string();
            },
            {}, "", DtmfDigits);
        r.commit = [n](const SettingRow& row, Session& s, std::string_view t) {
            const auto rule =
                KeepsTextRule(row, t) ? std::nullopt : std::optional(RuleText(row, s.CurLanguage));
            return CommitEntry<DtmfCode>(s.Doc.DtmfCodes, s.Doc.DtmfCodeCount, n, &DtmfCode::No, t,
                                         {"autodial list", "自动拨号列表"}, s.CurLanguage, rule,
                                         [t](DtmfCode& e, bool) { e.Code.set(t); });
        };
        rows.push_back(std::move(r));
    }
}

// A fleet-list cell: "A" or the word for all is 0; otherwise a number of the row's range,
// digits only.
std::optional<int> FleetCellValue(const SettingRow& r, std::string_view t) {
    if (t == "A" || SameWord(t, r.zeroWord)) return 0;
    if (t.size() > (r.width == 1 ? 3u : 4u) || t.find_first_not_of("0123456789") != t.npos)
        return std::nullopt;
    const auto v = ParseInt(t);
    if (!v || *v - r.offset < 1 || *v - r.offset > r.high) return std::nullopt;
    return *v - r.offset;
}

void AddFleetList(Rows& rows) {
    for (int n = 1; n <= 8; ++n) {
        for (const bool isId : {false, true}) {
            SettingRow r = Row("fleet." + N(n) + (isId ? ".id" : ".fleet"), FleetArea,
                               Numbered({"Fleet List", "队列表"}, n, isId ? " ID" : " Fleet"),
                               RowKind::Number, image::FleetSlotAt(n) + (isId ? 1 : 0));
            if (!isId) r.label[2] = "队列表 " + N(n) + " 队列";
            r.width = isId ? 2 : 1;
            r.mask = isId ? 0xFFFF : 0xFF;
            r.low = 0;
            r.high = isId ? IdNumberCount : FleetNumberCount;
            r.offset = isId ? IdOffset : FleetOffset;
            r.zeroWord = AllWord;
            r.show = [n, isId](const SettingRow& row, const Session& s) {
                const FleetEntry* e = EntryOf(s.Doc.Fleets, s.Doc.FleetCount, n, &FleetEntry::Slot);
                if (!e) return std::string();
                // A fleet of 255 is a slot never filled; an ID of 255 is ID 1254.
                const int v = isId ? e->IdValue : e->Fleet;
                if (!isId && v == 255) return std::string();
                return v == 0 ? InLanguage(AllWord, s.CurLanguage) : N(v + row.offset);
            };
            r.commit = [n, isId](const SettingRow& row, Session& s,
                                 std::string_view t) -> std::optional<std::string> {
                const auto v = FleetCellValue(row, t);
                const auto rule = v ? std::nullopt : std::optional(RuleText(row, s.CurLanguage));
                return CommitEntry<FleetEntry>(s.Doc.Fleets, s.Doc.FleetCount, n, &FleetEntry::Slot,
                                               t, {"fleet list", "队列列表"}, s.CurLanguage, rule,
                                               [&](FleetEntry& e, bool) {
                                                   if (isId)
                                                       e.IdValue = *v;
                                                   else
                                                       e.Fleet = Int16(*v);
                                               });
            };
            rows.push_back(std::move(r));
        }
    }
}

void AddTestFrequencies(Rows& rows) {
    for (int n = 1; n <= 16; ++n) {
        for (const bool tx : {false, true}) {
            SettingRow r = Row("testfreq." + N(n) + (tx ? ".tx" : ".rx"), TestArea,
                               {"Channel " + N(n) + (tx ? " TX[MHz]" : " RX[MHz]"),
                                "信道 " + N(n) + (tx ? " 发射[MHz]" : " 接收[MHz]")},
                               RowKind::Number, image::TestFreAt(n) + (tx ? 4 : 0));
            r.unit = "MHz";
            r.width = 4;
            r.mask = 0xFFFFFFFF;
            r.show = [n, tx](const SettingRow&, const Session& s) {
                const TestFre* e = EntryOf(s.Doc.TestFres, s.Doc.TestFreCount, n, &TestFre::No);
                return e ? StorageToFreq(s, (tx ? e->TxFreq : e->RxFreq).get()) : std::string();
            };
            r.commit = [n, tx](const SettingRow&, Session& s,
                               std::string_view t) -> std::optional<std::string> {
                // As in the window: an emptied cell empties its row, and the other cell of
                // a new row takes the same frequency.
                const auto shown = t.empty() ? std::nullopt : BandFrequency(s, t);
                const auto rule = shown ? std::nullopt : std::optional(FrequencyRule(s));
                return CommitEntry<TestFre>(s.Doc.TestFres, s.Doc.TestFreCount, n, &TestFre::No, t,
                                            {"test frequency list", "测试频率列表"}, s.CurLanguage,
                                            rule, [&](TestFre& e, bool fresh) {
                                                const TestFre was = fresh ? TestFre{} : e;
                                                const std::string stored = FreqToStorage(s, *shown);
                                                (tx ? e.TxFreq : e.RxFreq).set(stored);
                                                if (fresh) (tx ? e.RxFreq : e.TxFreq).set(stored);
                                                MarkTestFrequency(s, e, was);
                                            });
            };
            rows.push_back(std::move(r));
        }
    }
}

Rows BuildCatalogue() {
    Rows rows;
    AddModel(rows);
    AddChannels(rows);
    AddOptions(rows);
    AddKeysAndScan(rows);
    AddDtmf(rows);
    AddAutodial(rows);
    AddFleetSync(rows);
    AddFleetList(rows);
    AddTestFrequencies(rows);
    AddMessageAndInfo(rows);
    return rows;
}

} // namespace

const std::vector<SettingRow>& Catalogue() {
    static const Rows rows = [] {
        Rows r = BuildCatalogue();
        for (SettingRow& row : r)
            Finish(row);
        return r;
    }();
    return rows;
}

const SettingRow* findRow(std::string_view key) {
    for (const SettingRow& r : Catalogue())
        if (r.key == key) return &r;
    return nullptr;
}

ChoiceList OfferedChoices(const SettingRow& row, const Session& s) {
    if (row.kind == RowKind::Flag) return FlagChoices;
    return row.offers ? row.offers(row, s) : row.choices;
}

const std::string& LabelOf(const SettingRow& row, int language) {
    return InLanguage(row.label, language);
}

std::string textOf(const Session& s, std::string_view key) {
    const SettingRow* r = findRow(key);
    return r ? r->show(*r, s) : std::string();
}

namespace {

// The rows a commit of `row` may change: those of its window or channel.
const std::vector<const SettingRow*>& RowsOfArea(const SettingRow& row) {
    static const auto areas = [] {
        std::map<std::string, std::vector<const SettingRow*>> m;
        for (const SettingRow& r : Catalogue())
            m[r.area[1]].push_back(&r);
        return m;
    }();
    return areas.at(row.area[1]);
}

std::vector<std::string> ShownOf(const std::vector<const SettingRow*>& rows, const Session& s) {
    std::vector<std::string> out;
    out.reserve(rows.size());
    for (const SettingRow* r : rows)
        out.push_back(r->show(*r, s));
    return out;
}

} // namespace

CommitResult commitText(Session& s, std::string_view key, std::string_view text) {
    const SettingRow* r = findRow(key);
    if (!r) return {std::string(key) + L{": no such key", "：没有此键"}[s.CurLanguage], {}};
    if (r->readOnly || !r->commit) return {Refusal(*r, text, ReadOnlyText(s.CurLanguage)), {}};
    const auto& area = RowsOfArea(*r);
    const std::vector<std::string> before = ShownOf(area, s);
    const std::string was = r->show(*r, s);
    // What `get` prints goes back unchanged, whatever it is.
    if (text == was) return {};
    const RadioData kept = s.Doc;
    const auto rule = r->commit(*r, s, text);
    // The same value in other words (another case or language) changes nothing either.
    if (rule || r->show(*r, s) == was) {
        s.Doc = kept;
        return {rule ? std::optional(Refusal(*r, text, *rule)) : std::nullopt, {}};
    }
    const std::vector<std::string> after = ShownOf(area, s);
    CommitResult result;
    for (std::size_t i = 0; i < area.size(); ++i) {
        if (before[i] == after[i]) continue;
        const Change c{area[i]->key, before[i], after[i]};
        if (area[i] == r)
            result.changed.insert(result.changed.begin(), c);
        else
            result.changed.push_back(c);
    }
    return result;
}

std::string AlsoChangedText(const CommitResult& result, std::string_view key, int language) {
    // A slot that held nothing (a channel being filled) says so rather than showing a gap.
    const std::string empty = NoneText(language);
    const auto shown = [&](const std::string& v) { return v.empty() ? empty : v; };
    std::string out;
    for (const Change& c : result.changed)
        if (c.key != key)
            out +=
                (out.empty() ? "" : ", ") + c.key + " " + shown(c.before) + " → " + shown(c.after);
    if (out.empty()) return out;
    return (language == Chinese ? "同时更改：" : "also changed: ") + out;
}

std::optional<std::string> setFromText(Session& s, std::string_view key, std::string_view text) {
    return commitText(s, key, text).refusal;
}

bool HasZeroWord(const SettingRow& row) {
    return !row.zeroWord[1].empty();
}

int CheckedValue(const SettingRow& r, int value) {
    if (r.key == "key.pf1" || r.key == "key.pf2") // the reserved codes 0 and 8 stay
        return (value == 1 || (value > 11 && value < 255)) ? 255 : value;
    if (r.key == "dtmf.group_code")
        return ChoiceText(r.choices, value, English).empty() ? r.fallback : value;
    if (value < r.low || value > r.high) return r.fallback;
    return value - (value - r.low) % r.step;
}

std::string RuleText(const SettingRow& r, int language) {
    switch (r.kind) {
    case RowKind::Choice:
        return OneOf(r.choices, language);
    case RowKind::Flag:
        return InLanguage(OffWord, language) + "|" + InLanguage(OnWord, language);
    case RowKind::Text: {
        const std::string count = r.minWidth ? N(r.minWidth) + L{" to ", " 到 "}[language]
                                             : L{"at most ", "最多 "}[language];
        const std::string from =
            r.allowed.empty() ? L{"printable ASCII", "可打印 ASCII"}[language] : r.allowed;
        return L{count + N(r.textWidth) + " characters of " + from,
                 count + N(r.textWidth) + " 个字符（" + from + "）"}[language];
    }
    case RowKind::Number:
        break;
    }
    if (r.unit == "MHz")
        return L{"a frequency of the band in MHz", "频段内的频率（MHz）"}[language];
    std::string out = (HasZeroWord(r) ? InLanguage(r.zeroWord, language) + "|" : "") +
                      N((HasZeroWord(r) ? r.low + r.step : r.low) * r.scale + r.offset) + ".." +
                      N(r.high * r.scale + r.offset);
    if (r.step * r.scale != 1) out += L{" in steps of ", "，步长 "}[language] + N(r.step * r.scale);
    return out + (r.unit.empty() ? "" : " " + r.unit);
}

std::string ReadOnlyText(int language) {
    return L{"read only (set with the radio information or model commands)",
             "只读（用对讲机信息或机型命令设置）"}[language];
}

std::string KindText(RowKind kind, int language) {
    static const std::map<RowKind, L> words{{RowKind::Number, {"number", "数字"}},
                                            {RowKind::Choice, {"choice", "选项"}},
                                            {RowKind::Flag, {"flag", "开关"}},
                                            {RowKind::Text, {"text", "文本"}}};
    return words.at(kind)[language];
}

std::string DefaultShown(const SettingRow& r, int language) {
    if (r.defaultText.empty()) return {};
    // The defaults are those of a new document, shown as its window shows them.
    static const auto fresh = [] {
        Session s;
        InitRadioData(s, "20260101");
        return s;
    }();
    Session s = fresh;
    s.CurLanguage = language;
    return r.show(r, s);
}

std::string VersionText(const RadioData& d) {
    const std::string v = d.Version.get();
    return !v.empty() && (v[0] == 'V' || v[0] == 'v') ? v.substr(1) : v;
}

std::string ShownText(std::string_view stored) {
    std::string out;
    for (const char ch : stored) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            out += "\xEF\xBF\xBD";
        } else if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

const std::string& InLanguage(const LangText& t, int language) {
    return t[language];
}

std::vector<std::string> ChoiceTexts(const ChoiceList& list, int language) {
    std::vector<std::string> texts;
    for (const Choice& c : list)
        texts.push_back(InLanguage(c.text, language));
    return texts;
}

} // namespace rv
