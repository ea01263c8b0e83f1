#include "FileFault.h"

#include "DataFile.h"
#include "Messages.h"
#include "Strings.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

namespace rv {

namespace {

// In the order of FileFault::Kind, from DiskFull on.
const std::array<LangText, 12> Reasons{{
    {"The disk is full.", "磁盘已满。"},
    {"No permission for the file or its folder.", "没有访问该文件或其文件夹的权限。"},
    {"The file is read-only.", "该文件是只读的。"},
    {"The disk is read-only (read-only file system).", "磁盘是只读的（只读文件系统）。"},
    {"The folder does not exist.", "文件夹不存在。"},
    {"The name belongs to a folder or a device, not to a file.",
     "该名称属于文件夹或设备，而不是文件。"},
    {"The file does not exist.", "文件不存在。"},
    {"", ""}, // WrongSize: see SizeText
    {"The system reported: ", "系统报告："},
    {"No new file can be made in this folder.", "无法在此文件夹中新建文件。"},
    {"The file is larger than %1 bytes, far more than it can hold.",
     "文件大于 %1 字节，远超其应有的大小。"},
    {"The file is damaged at line %1: it is not in the form expected there.",
     "文件第 %1 行已损坏：该处不是预期的格式。"},
}};

const LangText DataFileSize{"A data file holds exactly %1 bytes; this file holds %2.",
                            "数据文件恰好为 %1 字节；该文件为 %2 字节。"};
const LangText ImageSize{"A memory image (backup) holds exactly %1 bytes; this file holds %2.",
                         "内存映像（备份）恰好为 %1 字节；该文件为 %2 字节。"};
const LangText EitherSize{"A data file holds exactly %1 bytes and a memory image %3; this file "
                          "holds %2.",
                          "数据文件恰好为 %1 字节，内存映像为 %3 字节；该文件为 %2 字节。"};

// The system's reasons most often met, in both languages; any other is the system's own
// English text.
struct SystemReason {
    int error;
    const char* english;
    const char* chinese;
};
const std::array<SystemReason, 7> SystemReasons{{
    {EEXIST, "File exists", "文件已存在"},
    {ENOTDIR, "Not a directory", "不是文件夹"},
    {EBUSY, "Device or resource busy", "设备或资源忙"},
    {EIO, "Input/output error", "输入/输出错误"},
    {ENAMETOOLONG, "File name too long", "文件名过长"},
    {ELOOP, "Too many levels of symbolic links", "符号链接层数过多"},
    {ENXIO, "No such device or address", "没有这个设备或地址"},
}};

std::string SystemReasonText(int error, int lang) {
    for (const auto& r : SystemReasons)
        if (r.error == error) return lang == 2 ? r.chinese : r.english;
    return std::strerror(error);
}

std::string SizeText(const FileFault& fault, int lang) {
    if (fault.expected == RecordSize) return Filled(DataFileSize[lang], RecordSize, fault.given);
    if (fault.expected == ImageBytes) return Filled(ImageSize[lang], ImageBytes, fault.given);
    return Filled(EitherSize[lang], RecordSize, fault.given, ImageBytes);
}

} // namespace

FileFault FaultOfError(int error) {
    switch (error) {
    case 0:
        return {};
    case ENOSPC:
    case EDQUOT:
        return {FileFault::DiskFull, error};
    case EACCES:
    case EPERM:
        return {FileFault::NoPermission, error};
    case EROFS:
        return {FileFault::ReadOnlyFileSystem, error};
    case ENOENT:
        return {FileFault::NoFolder, error};
    case EISDIR:
        return {FileFault::NotAFile, error};
    default:
        return {FileFault::Other, error};
    }
}

std::string FileFaultText(const FileFault& fault, int language) {
    if (fault.kind == FileFault::None) return {};
    const int lang = language == Chinese ? 2 : 1;
    if (fault.kind == FileFault::WrongSize) return SizeText(fault, lang);
    std::string text = Reasons[static_cast<std::size_t>(fault.kind - 1)][lang];
    if (fault.kind == FileFault::Other) text += SystemReasonText(fault.error, lang);
    if (fault.kind == FileFault::TooLarge) text = Filled(text, fault.expected);
    if (fault.kind == FileFault::Malformed) text = Filled(text, fault.given);
    return text;
}

} // namespace rv
