#pragma once

#include "data/Messages.h"
#include "link/LinkTexts.h"

namespace rv::jobs {

/// The words of the radio jobs, in both languages, for both front ends.
struct JobTexts {
    static inline const rv::LangText& NoRadio = rv::link::NoRadioReadText;
    static inline const rv::LangText NothingWritten{"Nothing was written to the radio.",
                                                    "未向对讲机写入数据。"};
    static inline const rv::LangText& Cancelled = rv::link::CancelledText;
    static inline const rv::LangText WrittenNotVerified{
        "The radio was written; the verify read was stopped, so it is not verified.",
        "已写入对讲机；校验读取已停止，未经校验。"};
    static inline const rv::LangText ReadsDisagree{"Three reads of the radio disagree at ",
                                                   "三次读取对讲机的数据不一致，地址："};
    static inline const rv::LangText VerifyReadFailed{
        "Verify failed: the radio was written, but reading it back failed: ",
        "校验失败：已写入对讲机，但回读失败："};
    static inline const rv::LangText BackupFailed{"The backup cannot be kept: ", "无法保存备份："};
    /// "%1" is the last address written, "%2" what restores the radio.
    static inline const rv::LangText PartlyWritten{
        "The radio may be partly written: new data up to and including %1, old data after it.",
        "对讲机可能只写入了一部分：%1 及之前为新数据，之后仍为旧数据。"};
    static inline const rv::LangText NoBackupKept{" No backup was kept; write the radio again.",
                                                  "没有备份；请重新写入对讲机。"};
    static inline const rv::LangText BackupRestores{" The backup %1 restores it.",
                                                    "备份 %1 可将其恢复。"};
    /// The answers a job gives itself, as printed after the question.
    static inline const rv::LangText AnswerRetry{"Retry", "重试"};
    static inline const rv::LangText AnswerOk{"OK", "确定"};
    static inline const rv::LangText AnswerCancel{"Cancel", "取消"};
    static inline const rv::LangText ForceHint{" (--force overwrites it)", "（--force 可覆盖）"};
    static inline const rv::LangText BackupKept{"Backup: ", "备份："};
    /// "%1" is the backup's serial number, "%2" the radio's.
    static inline const rv::LangText OtherSerial{
        "This backup was kept of the radio with serial number %1; the radio on the port has %2.",
        "此备份保存自序号为 %1 的对讲机；端口上的对讲机序号为 %2。"};
    static inline const rv::LangText CodeTableRefused{
        "this is no DQT code table (its codes do not rise); the built-in table is used.",
        "这不是 DQT 代码表（其代码不是递增的）；改用内置代码表。"};
    static inline const rv::LangText HistoryNotWritten{"The history line could not be added to ",
                                                       "无法向以下文件添加历史记录："};
    static inline const rv::LangText RestoreWith{"Restore it with: ", "恢复命令："};
    static inline const rv::LangText Verified{"Verified", "已校验"};
};

} // namespace rv::jobs
