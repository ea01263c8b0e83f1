#pragma once

#include "data/Messages.h"

namespace rv::ui {

/// Texts of the port choice and of fleet programming.
struct PortTexts {
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
};

} // namespace rv::ui
