#pragma once

#include "data/Messages.h"

namespace rv::jobs {

/// What a fleet port shows while it works.
struct FleetTexts {
    static inline const rv::LangText Waiting{"", "waiting for a radio", "等待对讲机"};
    static inline const rv::LangText Reading{"", "reading the radio information", "读取对讲机信息"};
    static inline const rv::LangText Backup{"", "backup", "备份"};
    static inline const rv::LangText Writing{"", "writing", "写入"};
    static inline const rv::LangText Verifying{"", "verifying", "校验"};
    static inline const rv::LangText Done{"", "done; take the radio off", "完成；请取下对讲机"};
    static inline const rv::LangText Skipped{"", "programmed before; skipped",
                                             "此前已编程；已跳过"};
    static inline const rv::LangText Ok{"", "OK", "成功"};
    static inline const rv::LangText Failed{"", "failed", "失败"};
    static inline const rv::LangText Stopped{"", "stopped", "已停止"};
};

} // namespace rv::jobs
