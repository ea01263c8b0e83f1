#include "Messages.h"

#include <cstddef>

namespace rv {

namespace {

using B = MsgButtons;
using I = MsgIcon;

// In the order of Msg.
const MessageEntry Table[] = {
    {{"All data will be cleared.", "所有数据将被清空。"}, B::OkCancel, I::Exclamation},
    {{"File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
     B::YesNoCancel,
     I::Exclamation},
    {{"file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"}, B::OkCancel, I::Question},
    {{"file error.", "文件错误。"}, B::Ok, I::None},
    {{"Cannot Open Communication Port.", "无法打开通信端口。"}, B::Ok, I::Error},
    {{"Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？"},
     B::OkCancel,
     I::Question},
    {{"Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？"},
     B::OkCancel,
     I::Question},
    {{"Check Connection. Retry or Cancel?", "检测连接。重试或取消？"},
     B::RetryCancel,
     I::Exclamation},
    {{"Read Data Completed.", "读取数据完成。"}, B::Ok, I::None},
    {{"Write Data Completed.", "写入数据完成。"}, B::Ok, I::None},
    {{"Model type is wrong. Overwrite?", "机型类型错误。是否覆盖？"}, B::OkCancel, I::Exclamation},
    {{"Test Frequency nismatch.\r\nExecute read data from radio\r\nor write to radio.",
      "测试频率不匹配\r\n执行“从对讲机读取数据”\r\n或“向对讲机写入数据”。"},
     B::Ok,
     I::Exclamation},
    {{"Frequency data will be cleared.", "频率数据将被清除。"}, B::OkCancel, I::Warning},
    {{"Warning", "警告"}, B::None, I::None},
    {{"Frequency is out of range.", "频率超出范围。"}, B::Ok, I::Warning},
    {{"Invalid Data", "无效数据"}, B::Ok, I::None},
    {{"Data File", "数据文件"}, B::None, I::None},
    {{"File Name", "文件名"}, B::None, I::None},
    {{"Not IsNumeric", "Not IsNumeric"}, B::Ok, I::None},
    {{"Read dec.TBL File Error!", "Read dec.TBL File Error!"}, B::Ok, I::None},
    {{"Channel not added: all 16 channel records are in use, one of them by a damaged record "
      "(a channel number outside 1 to 16, or one given twice). Clear another channel first.",
      "信道未添加：16个信道记录均已占用，其中有损坏的记录（信道号超出1至16或重复）。"
      "请先清除另一个信道。"},
     B::Ok,
     I::Warning},
};

static_assert(sizeof(Table) / sizeof(Table[0]) == static_cast<std::size_t>(Msg::Count),
              "one entry per message");

} // namespace

const MessageEntry& MessageOf(Msg m) {
    return Table[static_cast<std::size_t>(m)];
}

const std::string& MsgText(Msg m, int language) {
    return MessageOf(m).text[language];
}

} // namespace rv
