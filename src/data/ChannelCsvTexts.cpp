#include "ChannelCsv.h"

#include "Messages.h"
#include "OutsideText.h"
#include "Strings.h"

#include <algorithm>

namespace rv {

namespace {

using K = ChannelFieldKind;

// In the order of CsvRowAction.
const LangText ActionTexts[] = {
    {"New", "新建"},
    {"Change", "修改"},
    {"No change", "无变化"},
    {"Skipped", "跳过"},
};

// In the order of CsvSkip.
const LangText SkipTexts[] = {
    {"not a number", "不是有效数字"},
    {"no channel 1 to 16", "信道号不在 1 至 16 之间"},
    {"no channel left, all 16 are filled", "已无空余信道，16 个信道已满"},
    {"the channel is already set by an earlier row", "该信道已由前面的行设置"},
    {"outside the band", "超出频段"},
    {"not on the 5 / 6.25 kHz raster", "不在 5 / 6.25 kHz 步进上"},
    {"tone not in the radio's lists", "对讲机不支持该亚音"},
    {"unknown tone mode", "未知的亚音方式"},
    {"unknown mode (the radio has FM and NFM)", "未知的调制方式（对讲机只有 FM 和 NFM）"},
    {"unknown duplex", "未知的双工方式"},
    {"DTCS polarity is two letters, N (normal) or R (reversed), for transmit then receive",
     "DTCS 极性应为两个字母，N（正常）或 R（反相），依次为发射、接收"},
};

// In the order of CsvFileError, from NoHeader on.
const LangText FileErrorTexts[] = {
    {"No header row naming a Frequency column was found: the file is not a channel list in "
     "the community CSV layout.",
     "未找到含 Frequency 列的标题行：该文件不是社区 CSV 格式的信道表。"},
    {"The header has no Location column: fill the channels from 1 in file order instead "
     "(--renumber).",
     "标题行没有 Location 列：请改为按文件顺序从 1 开始填充信道（--renumber）。"},
    {"The file is in UTF-16: save it as UTF-8 (in a spreadsheet, \"CSV UTF-8\") and import "
     "it again.",
     "该文件为 UTF-16 编码：请另存为 UTF-8（电子表格中选择“CSV UTF-8”）后再导入。"},
};

struct Label {
    K kind;
    LangText text;
};
const Label FieldLabels[] = {
    {K::RxFreq, {"RX", "接收"}},      {K::TxFreq, {"TX", "发射"}},
    {K::RxCode, {"Dec", "解码"}},     {K::TxCode, {"Enc", "编码"}},
    {K::TxPower, {"Power", "功率"}},  {K::ScanAdd, {"Scan add", "扫描添加"}},
    {K::WideNarrow, {"W/N", "带宽"}},
};

const LangText Row{"Row ", "第 "};
const LangText RowEnd{"", " 行"};
const LangText Channel{"channel ", "信道 "};
const LangText ChannelCap{"Channel ", "信道 "};
const LangText Cleared{"Cleared", "清除"};
const LangText Sep{", ", "，"};
const LangText Colon{": ", "："};
const LangText Dropped{"Not imported, the radio has no place for them: ",
                       "未导入（对讲机无处存放）："};
const LangText ListSep{", ", "、"};
const LangText Summary{"Rows imported: %1; rows skipped: %2; channels cleared: %3.",
                       "导入行数：%1；跳过行数：%2；清除信道数：%3。"};

std::string LabelOf(K kind, int language) {
    for (const Label& l : FieldLabels)
        if (l.kind == kind) return l.text[language];
    return {};
}

} // namespace

std::string CsvFileErrorText(CsvFileError error, int language) {
    if (error == CsvFileError::None) return {};
    return FileErrorTexts[static_cast<int>(error) - 1][language];
}

std::string CsvActionText(CsvRowAction action, int language) {
    return ActionTexts[static_cast<int>(action)][language];
}

std::string CsvRowDetails(const CsvRowPlan& row, int language) {
    if (row.action == CsvRowAction::Skip) {
        const std::string why = SkipTexts[static_cast<int>(row.skip)][language];
        return row.detail.empty() ? why : why + " (" + ShownText(row.detail) + ")";
    }
    std::string text;
    for (const CsvField& f : row.fields) {
        if (!text.empty()) text += Sep[language];
        // No transmit frequency shows as a dash rather than as nothing.
        text += LabelOf(f.kind, language) + " " + (f.text.empty() ? "-" : ShownText(f.text));
    }
    return text;
}

std::string CsvDroppedText(const CsvImportPlan& plan, int language) {
    if (plan.dropped.empty()) return {};
    std::string text = Dropped[language];
    for (std::size_t i = 0; i < plan.dropped.size(); ++i)
        text += (i ? ListSep[language] : std::string()) + ShownText(plan.dropped[i]);
    return text + (language == Chinese ? "。" : ".");
}

std::vector<std::string> CsvImportReport(const CsvImportPlan& plan, int language) {
    if (plan.error != CsvFileError::None) return {CsvFileErrorText(plan.error, language)};
    std::vector<std::string> lines;
    for (const CsvRowPlan& row : plan.rows) {
        std::string line = Row[language] + std::to_string(row.line) + RowEnd[language];
        if (row.chNo > 0) line += Sep[language] + Channel[language] + std::to_string(row.chNo);
        line += Colon[language] + CsvActionText(row.action, language) + Colon[language] +
                CsvRowDetails(row, language);
        lines.push_back(line);
    }
    for (const int n : plan.cleared)
        lines.push_back(ChannelCap[language] + std::to_string(n) + Colon[language] +
                        Cleared[language]);
    if (!plan.dropped.empty()) lines.push_back(CsvDroppedText(plan, language));
    const int skipped = plan.skippedCount();
    const int used = static_cast<int>(plan.rows.size()) - skipped;
    lines.push_back(Filled(Summary[language], used, skipped, plan.cleared.size()));
    return lines;
}

} // namespace rv
