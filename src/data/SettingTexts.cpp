#include "SettingTexts.h"

#include <algorithm>
#include <cstddef>

namespace rv {

namespace {

const LangText OffWord{"Off", "关"};
const LangText OnWord{"On", "开"};
const LangText NoneWord{"None", "无"};
const LangText AllWord{"All", "所有"};

/// A list whose entries read the same in both languages, stored by list position.
ChoiceList Plain(std::initializer_list<const char*> texts) {
    ChoiceList l;
    for (const char* t : texts)
        l.push_back({static_cast<int>(l.size()), {t, t}});
    return l;
}

/// Key function names by stored code; 0 is a second name for reserved code 1.
const ChoiceList KeyFunctionNames{
    {255, {"None", "无"}},
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

/// The revert channels each priority mode offers, in list order.
const std::vector<int> RevertByMode[] = {{0, 1}, {0, 1, 2, 3}, {2, 3}};

const Choice* Find(const ChoiceList& list, int value) {
    auto it = std::find_if(list.begin(), list.end(),
                           [value](const Choice& c) { return c.value == value; });
    return it == list.end() ? nullptr : &*it;
}

} // namespace

const std::string& InLanguage(const LangText& t, int language) {
    return t[language];
}

std::string ChoiceText(const ChoiceList& list, int value, int language) {
    const Choice* c = Find(list, value);
    return c ? InLanguage(c->text, language) : std::string();
}

std::vector<std::string> ChoiceTexts(const ChoiceList& list, int language) {
    std::vector<std::string> texts;
    for (const Choice& c : list)
        texts.push_back(InLanguage(c.text, language));
    return texts;
}

int ChoiceValue(const ChoiceList& list, int pos) {
    return pos >= 0 && pos < static_cast<int>(list.size()) ? list[std::size_t(pos)].value : -1;
}

std::string ShownValue(const ChoiceList& list, int value, int language) {
    return OrNumber(ChoiceText(list, value, language), value);
}

std::string OrNumber(const std::string& text, int value) {
    return text.empty() ? std::to_string(value) : text;
}

std::string OffText(int language) {
    return InLanguage(OffWord, language);
}

std::string OnOffText(int value, int language) {
    if (value == 0 || value == 1) return InLanguage(value ? OnWord : OffWord, language);
    return std::to_string(value);
}

const ChoiceList& KeyFunctionChoices() {
    // The reserved codes are not offered.
    static const ChoiceList offered = [] {
        ChoiceList l;
        for (int code : {255, 2, 3, 4, 5, 6, 7, 9, 10, 11})
            l.push_back(*Find(KeyFunctionNames, code));
        return l;
    }();
    return offered;
}

std::string KeyFunctionText(int code, int language) {
    return ChoiceText(KeyFunctionNames, code, language);
}

const ChoiceList& PriorityModeChoices() {
    static const ChoiceList l{
        {0, {"None", "无"}}, {1, {"Fixd", "固定"}}, {2, {"Selected", "选定"}}};
    return l;
}

const ChoiceList& RevertChannelChoices() {
    static const ChoiceList l{{0, {"Selected", "选定"}},
                              {1, {"Selected+Talk Back", "选定+当前通话"}},
                              {2, {"Priority", "优先"}},
                              {3, {"Priority+Talk Back", "优先+当前通话"}}};
    return l;
}

ChoiceList RevertChoicesOfMode(int priorityMode) {
    ChoiceList l;
    if (priorityMode < 0 || priorityMode > 2) return l;
    for (int v : RevertByMode[priorityMode])
        l.push_back(RevertChannelChoices()[std::size_t(v)]);
    return l;
}

std::string PriorityChannelText(int value, int language) {
    return value == 255 ? InLanguage(NoneWord, language) : std::to_string(value);
}

std::string LookBackText(int value) {
    if (value < 1 || value > LookBackCount) return {};
    const int hundredths = 45 + 5 * value;
    const std::string cents = std::to_string(100 + hundredths % 100).substr(1);
    return std::to_string(hundredths / 100) + "." + cents;
}

const ChoiceList& DtmfSpeedChoices() {
    static const ChoiceList l = Plain({"6", "8", "10", "15"});
    return l;
}

const ChoiceList& DigitTimeChoices() {
    static const ChoiceList l = Plain({"0", "100", "500", "1000"});
    return l;
}

const ChoiceList& DCodeChoices() {
    static const ChoiceList l = [] {
        ChoiceList c{{0, {"D Code", "D 码"}}};
        for (int n = 1; n <= 16; ++n)
            c.push_back({n, {std::to_string(n) + "s", std::to_string(n) + "秒"}});
        return c;
    }();
    return l;
}

const ChoiceList& CallAlertChoices() {
    static const ChoiceList l{
        {0, OffWord}, {1, {"Normal", "常规"}}, {2, {"Continuous", "连续"}}};
    return l;
}

const ChoiceList& TranspondChoices() {
    static const ChoiceList l{
        {0, OffWord}, {1, {"Alert", "告警"}}, {2, {"ID Code", "ID 码"}}};
    return l;
}

const ChoiceList& StunTypeChoices() {
    static const ChoiceList l{{0, {"TX Inhibit", "发射抑制"}},
                              {1, {"TX/RX Inhibit", "发射/接收 抑制"}}};
    return l;
}

const ChoiceList& GroupCodeChoices() {
    static const ChoiceList l = [] {
        ChoiceList c{{0, OffWord}};
        for (char code : std::string("ABCD*#"))
            c.push_back({code, {std::string(1, code), std::string(1, code)}});
        return c;
    }();
    return l;
}

const ChoiceList& BaudRateChoices() {
    static const ChoiceList l = Plain({"1200", "2400"});
    return l;
}

std::string FleetNumberText(int value, int offset, bool allowsAll, int language) {
    if (value == 255) return {};
    if (value == 0 && allowsAll) return AllText(language);
    return std::to_string(value + offset);
}

std::string AllText(int language) {
    return InLanguage(AllWord, language);
}

const ChoiceList& MicSensitivityChoices() {
    static const ChoiceList l{{0, {"Normal", "常规"}}, {1, {"High", "高"}}};
    return l;
}

bool HasRussianVoice(const std::string& modelCode) {
    return modelCode == "6415" || modelCode == "7415";
}

int PriorityChannelsOfModel(const std::string& modelCode) {
    return modelCode == "813" || modelCode == "913" ? 8 : 16;
}

const ChoiceList& VoiceChoices() {
    static const ChoiceList l{{0, OffWord},
                              {1, {"Chinese", "中文"}},
                              {2, {"English", "英语"}},
                              {3, {"Russian", "俄语"}}};
    return l;
}

const ChoiceList& PttIdModeChoices() {
    static const ChoiceList l{{0, {"DTMF", "DTMF(双音多频)"}},
                              {1, {"FleetSync", "FleetSync(队列同步)"}}};
    return l;
}

const ChoiceList& PttIdTypeChoices() {
    static const ChoiceList l{
        {0, {"BOT", "发射开始"}}, {1, {"EOT", "发射结束"}}, {2, {"Both", "两者"}}};
    return l;
}

const ChoiceList& VoxDelayChoices() {
    static const ChoiceList l = Plain({"0.3", "0.5", "1", "1.5", "2", "3"});
    return l;
}

} // namespace rv
