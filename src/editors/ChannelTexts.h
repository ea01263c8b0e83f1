#pragma once

#include "data/Catalogue.h"
#include "data/ChannelCommit.h"
#include "data/Messages.h"

#include <map>
#include <string>

namespace rv::editors::ChannelTexts {

/// The grid's first and last column headers; the columns between are channel settings.
inline const rv::LangText MoreHeader{"more", "更多"};

/// The catalogue row of a setting of channel `n`.
inline const rv::SettingRow& FieldRow(rv::ChannelFieldKind field, int n = 1) {
    static const char* const Keys[] = {
        "rx_frequency", "tx_frequency", "decode_tone", "encode_tone", "tx_power",
        "scan_add",     "opt_signal",   "ptt_id",      "wide_narrow", "sp_unmute",
        "busy_lockout", "autodial",     "beat_shift",  "compander",   "scan_add"};
    const auto i = static_cast<std::size_t>(field) - 1;
    return *rv::findRow("channel." + std::to_string(n) + "." + Keys[i]);
}

/// The caption of a channel setting, the label of its catalogue row.
inline const rv::LangText& FieldLabel(rv::ChannelFieldKind field) {
    return FieldRow(field).label;
}

/// The header of a grid column: the channel number, a channel setting, or "more".
inline const rv::LangText& GridHeader(int column) {
    if (column == 0) return rv::ChannelNumberHeading;
    if (column > static_cast<int>(rv::ChannelFieldKind::WideNarrow)) return MoreHeader;
    return FieldLabel(static_cast<rv::ChannelFieldKind>(column));
}

/// The grid window's caption before the channel number.
inline const rv::LangText GridCaption{"Channel Information[Channel -", "信道信息[信道 -"};
/// The grid's button that opens the channel edit dialog, and the dialog's caption.
inline const rv::LangText ChannelEdit{"Channel", "信道编辑"};

/// The dialog's selector label.
inline const rv::LangText SelectorLabel{"Channel Edit", "信道"};

/// The caption of a setting in the channel dialog. The rows carry the grid's captions; the
/// dialog names six of the settings in longer words of its own, which are its window text
/// as much as the grid's are the grid's. Every other setting has its row's caption.
inline const rv::LangText& DialogLabel(rv::ChannelFieldKind field) {
    using K = rv::ChannelFieldKind;
    static const std::map<K, rv::LangText> Own{{K::RxFreq, {"Receive Frequency", "接收频率"}},
                                               {K::TxFreq, {"Transmit Frequency", "发射频率"}},
                                               {K::RxCode, {"QT/DQT Decode", "QT/DQT 解码"}},
                                               {K::TxCode, {"QT/DQT Encode", "QT/DQT 编码"}},
                                               {K::OptSignal, {"Option Signalling", "可选信令"}},
                                               {K::WideNarrow, {"Wide/Narrow", "宽带/窄带"}}};
    const auto own = Own.find(field);
    return own == Own.end() ? FieldLabel(field) : own->second;
}

/// The grid's context menu.
inline const rv::LangText CopyChannels{"Copy Channels", "复制信道"};
inline const rv::LangText PasteChannels{"Paste Channels", "粘贴信道"};
inline const rv::LangText Undo{"Undo", "撤销"};
inline const rv::LangText Redo{"Redo", "重做"};

/// Operations on whole channels, in the grid's context menu and the Edit menu; the same
/// words name their undo steps.
inline const rv::LangText InsertChannel{"Insert Empty Channel", "插入空信道"};
inline const rv::LangText DeleteChannels{"Delete Channels, Close Gap", "删除信道并补齐"};
inline const rv::LangText MoveUp{"Move Channel Up", "信道上移"};
inline const rv::LangText MoveDown{"Move Channel Down", "信道下移"};
inline const rv::LangText SortByRx{"Sort by RX Frequency", "按接收频率排序"};
/// "%1" is the column heading.
inline const rv::LangText FillColumn{"Set %1 of Selected Channels", "设置所选信道的%1"};
inline const rv::LangText ChannelsMenu{"Channels", "信道"};
inline const rv::LangText Channel16InUse{
    "Channel 16 is in use: no channel can move down to make room. Delete a channel first.",
    "信道 16 已使用，无法下移信道以腾出位置。请先删除一个信道。"};

} // namespace rv::editors::ChannelTexts
