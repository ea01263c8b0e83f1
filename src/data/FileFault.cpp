#include "FileFault.h"

#include "Messages.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace rv {

namespace {

// In the order of FileFault::Kind, from DiskFull on.
const std::array<LangText, 9> Reasons{{
    {"", "The disk is full.", "磁盘已满。"},
    {"", "No permission for the file or its folder.", "没有访问该文件或其文件夹的权限。"},
    {"", "The file is read-only.", "该文件是只读的。"},
    {"", "The disk is read-only (read-only file system).", "磁盘是只读的（只读文件系统）。"},
    {"", "The folder does not exist.", "文件夹不存在。"},
    {"", "The name belongs to a folder or a device, not to a file.",
     "该名称属于文件夹或设备，而不是文件。"},
    {"", "The file does not exist.", "文件不存在。"},
    {"", "The file is too short for a data file (1641 bytes).",
     "文件太短，不是数据文件（1641 字节）。"},
    {"", "The system reported: ", "系统报告："},
}};

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
    case ENOTDIR:
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
    std::string text = Reasons[static_cast<std::size_t>(fault.kind - 1)][lang];
    if (fault.kind == FileFault::Other) text += std::strerror(fault.error);
    return text;
}

} // namespace rv
