#pragma once

#include "data/Messages.h"

#include <QString>

namespace rv::jobs {

/// The words of fleet programming: what a port shows while it works, the results, the log
/// and the window.
struct FleetTexts {
    static inline const rv::LangText Waiting{"waiting for a radio", "等待对讲机"};
    static inline const rv::LangText Reading{"reading the radio information", "读取对讲机信息"};
    static inline const rv::LangText Held{"waiting for the other radios to be read",
                                          "等待读取其他对讲机"};
    static inline const rv::LangText Backup{"backup", "备份"};
    static inline const rv::LangText Writing{"writing", "写入"};
    static inline const rv::LangText Verifying{"verifying", "校验"};
    static inline const rv::LangText Done{"done; take the radio off", "完成；请取下对讲机"};
    static inline const rv::LangText Skipped{"programmed before; skipped", "此前已编程；已跳过"};
    static inline const rv::LangText Ok{"OK", "成功"};
    static inline const rv::LangText Failed{"failed", "失败"};
    static inline const rv::LangText Stopped{"stopped", "已停止"};
    /// The result words as the log keeps them (English, [1]) and as a user reads them.
    static inline const rv::LangText Results[] = {
        {"OK", "成功"},
        {"no radio", "无对讲机"},
        {"wrong model", "机型不符"},
        {"port error", "端口错误"},
        {"failed", "失败"},
        {"partly written", "部分写入"},
        {"verify failed", "校验失败"},
        {"reads disagree", "读取不一致"},
        {"backup failed", "备份失败"},
        {"skipped", "已跳过"},
        {"not in the units file", "不在各机设置文件中"},
    };
    /// The columns of the fleet table.
    static inline const rv::LangText Header{
        "port           model  serial    result          backup",
        "端口           机型   序号      结果            备份"};
    static inline const rv::LangText Title{"Fleet Programming", "批量编程"};
    static inline const rv::LangText Port{"Port", "端口"};
    static inline const rv::LangText Progress{"Progress", "进度"};
    static inline const rv::LangText Serial{"Serial Number", "序号"};
    static inline const rv::LangText Result{"Result", "结果"};
    static inline const rv::LangText Start{"&Start", "开始(&S)"};
    static inline const rv::LangText Stop{"S&top", "停止(&T)"};
    static inline const rv::LangText AddSim{"&Add Simulated Radio", "添加模拟对讲机(&A)"};
    /// The special text of the count box at 0: no end but Stop.
    static inline const rv::LangText CountNone{"until stopped", "直到停止"};
    static inline const rv::LangText CountSuffix{" radios", " 台"};
    static inline const rv::LangText Repeat{"&Repeat for the next radio", "为下一台对讲机重复(&R)"};
    static inline const rv::LangText SaveLog{"Save &Log As...", "日志另存为(&L)..."};
    static inline const rv::LangText LogFilter{"Log (*.csv)", "日志 (*.csv)"};
    static inline const rv::LangText AddPort{"Add &Port", "添加端口(&P)"};
    static inline const rv::LangText PortHint{"sim, a port number or a device",
                                              "sim、端口号或设备"};
    static inline const rv::LangText NoPortChecked{"Tick the ports to program first.",
                                                   "请先勾选要编程的端口。"};
};

/// The words of choosing a port and looking for the radios on the ports.
struct PortTexts {
    /// The columns of the table of radios found.
    static inline const rv::LangText FindHeader{"port           device               model  band",
                                                "端口           设备                 机型   频段"};
    static inline const rv::LangText OtherDevice{"Other device:", "其他设备:"};
    static inline const rv::LangText Refresh{"&Refresh", "刷新(&R)"};
    static inline const rv::LangText FindRadio{"&Find Radio", "查找对讲机(&F)"};
    static inline const rv::LangText Searching{"Looking for a radio...", "正在查找对讲机..."};
    static inline const rv::LangText NoRadio{"No radio answered.", "没有对讲机应答。"};
    /// %1 the port, %2 the model, %3 the band.
    static inline const rv::LangText RadioFound{"Radio found on %1: model %2, %3.",
                                                "在 %1 上找到对讲机：机型 %2，%3。"};
    static inline const rv::LangText NoPath{"Type the path of the device, e.g. /dev/rfcomm0.",
                                            "请输入设备路径，例如 /dev/rfcomm0。"};
    static inline const rv::LangText NoPorts{"No serial ports found.", "未找到串口。"};
};

/// A result word of the log in the user's language.
inline QString FleetResultShown(const QString& word, int language) {
    for (const auto& r : FleetTexts::Results)
        if (word.toStdString() == r[1]) return QString::fromStdString(r[language]);
    return word;
}

} // namespace rv::jobs
