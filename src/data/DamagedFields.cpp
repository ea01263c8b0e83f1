#include "DamagedFields.h"

#include "ChannelCommit.h"
#include "Conversions.h"

#include <algorithm>

namespace rv {

namespace {

using Words = LangText;

const Words ChannelRx{"channel %d RX frequency", "信道 %d 接收频率"};
const Words ChannelTx{"channel %d TX frequency", "信道 %d 发射频率"};
const Words TestRx{"test frequency %d RX", "测试频率 %d 接收"};
const Words TestTx{"test frequency %d TX", "测试频率 %d 发射"};
const Words Lead{"Not a number, shown as the lower band edge: ", "不是数字，显示为频段下限："};
const Words Separator{", ", "，"};
const Words Stop{".", "。"};

void Add(std::string& list, const Words& w, int number, int language) {
    std::string name = w[language];
    name.replace(name.find("%d"), 2, std::to_string(number));
    if (!list.empty()) list += Separator[language];
    list += name;
}

} // namespace

std::string DamagedFrequencyList(const Session& s) {
    const RadioData& d = s.Doc;
    const int lang = s.CurLanguage;
    std::string list;
    for (int i = 0; i < std::clamp<int>(d.ChannelCount, 0, 16); ++i) {
        const ChannelInfo& c = d.Channels[static_cast<std::size_t>(i)];
        if (IsDamagedFreq(c.RxFreq.get())) Add(list, ChannelRx, c.ChNo, lang);
        if (HasFrequency(c.TxFreq.get()) && IsDamagedFreq(c.TxFreq.get()))
            Add(list, ChannelTx, c.ChNo, lang);
    }
    for (int i = 0; i < std::clamp<int>(d.TestFreCount, 0, 16); ++i) {
        const TestFre& t = d.TestFres[static_cast<std::size_t>(i)];
        if (IsDamagedFreq(t.RxFreq.get())) Add(list, TestRx, t.No, lang);
        if (IsDamagedFreq(t.TxFreq.get())) Add(list, TestTx, t.No, lang);
    }
    return list;
}

bool ReportDamagedFrequencies(const Session& s) {
    const std::string list = DamagedFrequencyList(s);
    if (list.empty()) return false;
    const int lang = s.CurLanguage;
    s.report(Msg::NotIsNumeric, Lead[lang] + list + Stop[lang]);
    return true;
}

} // namespace rv
