#pragma once

#include "data/Messages.h"

namespace rv::ui {

/// Texts of the Fleet Programming window.
struct FleetWindowTexts {
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

} // namespace rv::ui
