#include "PrintReport.h"

#include "Captions.h"
#include "data/Conversions.h"
#include "data/Session.h"
#include "data/SettingTexts.h"

#include <QStringList>

namespace rv::ui {

namespace {

QString T(const rv::Session& s, const rv::LangText& t) {
    return QString::fromStdString(t[s.CurLanguage == rv::Chinese ? 2 : 1]);
}

QString Esc(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

const rv::LangText ModelWord{"", "Model", "机型"};
const rv::LangText BandWord{"", "Band", "频段"};
const rv::LangText DateWord{"", "Date", "日期"};
const rv::LangText ChannelsWord{"", "Channels", "信道"};
const rv::LangText SettingsWord{"", "Settings", "设置"};
const rv::LangText MessageWord{"", "Embedded message", "嵌入信息"};
const rv::LangText NoChannels{"", "No channels programmed.", "没有已编程的信道。"};

// Channel table headings, as the channel window shows them.
const rv::LangText ChannelHeads[] = {
    {"", "CH No.", "信道"},           {"", "RX Frequency", "接收频率"},
    {"", "TX FreQuency", "发射频率"}, {"", "QT/DQT Dec", "解码"},
    {"", "QT/DQT Enc", "编码"},       {"", "TX Power", "发射功率"},
    {"", "Scan Add", "扫描添加"},     {"", "W/N", "带宽"},
};
const rv::LangText High{"", "High", "高"}, Low{"", "Low", "低"};
const rv::LangText Yes{"", "Yes", "有"}, No{"", "No", "无"};
const rv::LangText Wide{"", "Wide", "宽带"}, Narrow{"", "Narrow", "窄带"};

bool IsNone(const std::string& storage) {
    return storage.empty() || storage == "FFFFFFFF";
}

QString Row(const QStringList& cells, const char* tag = "td") {
    QString r = QStringLiteral("<tr>");
    for (const QString& c : cells)
        r += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), c);
    return r + QStringLiteral("</tr>");
}

QString ChannelTable(const rv::Session& s) {
    const auto& d = s.Doc;
    if (d.ChannelCount <= 0) return QStringLiteral("<p>%1</p>").arg(T(s, NoChannels));
    QStringList heads;
    for (const auto& h : ChannelHeads)
        heads << T(s, h);
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") +
                   Row(heads, "th");
    // One row per channel number, in channel order (records are kept in order of creation).
    for (int n = 1; n <= 16; ++n) {
        for (int k = 0; k < d.ChannelCount && k < 16; ++k) {
            const auto& c = d.Channels[static_cast<std::size_t>(k)];
            if (c.ChNo != n) continue;
            const std::string tx = c.TxFreq.get();
            html += Row({QString::number(n), Esc(rv::StorageToFreq(s, c.RxFreq.get())),
                         IsNone(tx) ? QString() : Esc(rv::StorageToFreq(s, tx)),
                         Esc(rv::ToneToText(s, c.RxCode.get())),
                         IsNone(tx) ? QString() : Esc(rv::ToneToText(s, c.TxCode.get())),
                         T(s, c.TxPower ? High : Low), T(s, c.ScanAdd ? Yes : No),
                         T(s, c.WideNarrow ? Wide : Narrow)});
        }
    }
    return html + QStringLiteral("</table>");
}

struct Setting {
    rv::LangText name;
    std::string value;
};

/// A key function by name; a code without one (a damaged file) as its number.
std::string KeyText(int code, int language) {
    return rv::OrNumber(rv::KeyFunctionText(code, language), code);
}

QString SettingsTable(const rv::Session& s) {
    const auto& o = s.Doc.OptFeatures;
    const auto& sc = s.Doc.ScanInfo;
    const int lang = s.CurLanguage;
    // Values read as the settings windows show them.
    const Setting rows[] = {
        {{"", "Time-out timer (s)", "发射限时(秒)"}, std::to_string(rv::TotSeconds(o.TotTime))},
        {{"", "TOT pre-alert (s)", "发射限时预警(秒)"}, rv::OffOrNumberText(o.TotPreAlert, lang)},
        {{"", "Squelch level", "静噪等级"}, std::to_string(o.SquelchLevel)},
        {{"", "Battery save", "省电"}, rv::OnOffText(o.BatterySave, lang)},
        {{"", "Beep", "按键音"}, rv::OnOffText(o.Beep, lang)},
        {{"", "Scrambler", "扰频"}, rv::OnOffText(o.ScramblerActivation, lang)},
        {{"", "VOX", "声控"}, rv::OnOffText(o.VoxFunction, lang)},
        {{"", "VOX gain", "声控增益"}, rv::OffOrNumberText(o.VoxGain, lang)},
        {{"", "Clone mode", "克隆模式"}, rv::OnOffText(o.CloneMode, lang)},
        {{"", "Key 1 function", "按键1功能"}, KeyText(s.Doc.KeyFunc1, lang)},
        {{"", "Key 2 function", "按键2功能"}, KeyText(s.Doc.KeyFunc2, lang)},
        {{"", "Priority channel", "优先信道"}, rv::PriorityChannelText(sc.PriorityChannel, lang)},
    };
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    for (const Setting& r : rows)
        html += Row({T(s, r.name), Esc(r.value)});
    return html + QStringLiteral("</table>");
}

} // namespace

QString BuildReportHtml(const rv::Session& s, const QDate& date) {
    const QString fileName = QString::fromStdString(s.DocPath).section(QLatin1Char('/'), -1);
    QString html = QStringLiteral("<html><body><h2>%1</h2>").arg(ProductName);
    html += QStringLiteral("<table cellpadding=\"2\">");
    html += Row({T(s, ModelWord), Esc(s.CurModelCode)});
    html += Row({T(s, BandWord), Esc(s.CurBand)});
    html += Row({T(s, CaptionOf(Cap::PrintListColumn)), fileName.toHtmlEscaped()});
    html += Row({T(s, DateWord), date.toString(Qt::ISODate)});
    html += QStringLiteral("</table><h3>%1</h3>").arg(T(s, ChannelsWord)) + ChannelTable(s);
    html += QStringLiteral("<h3>%1</h3>").arg(T(s, SettingsWord)) + SettingsTable(s);
    html += QStringLiteral("<h3>%1</h3><p>%2<br>%3</p>")
                .arg(T(s, MessageWord), Esc(s.Doc.EmbMsg1.get()), Esc(s.Doc.EmbMsg2.get()));
    return html + QStringLiteral("</body></html>");
}

} // namespace rv::ui
