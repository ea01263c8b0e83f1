#pragma once

#include "data/Messages.h"

#include <QString>

namespace rv::jobs {

/// What a fleet port shows while it works.
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
    /// The columns of the table of radios found.
    static inline const rv::LangText FindHeader{"port           device               model  band",
                                                "端口           设备                 机型   频段"};
};

/// A result word of the log in the user's language.
inline QString FleetResultShown(const QString& word, int language) {
    for (const auto& r : FleetTexts::Results)
        if (word.toStdString() == r[1]) return QString::fromStdString(r[language]);
    return word;
}

} // namespace rv::jobs
