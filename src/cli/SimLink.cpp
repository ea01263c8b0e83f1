#include "SimLink.h"

#include "data/Messages.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace rv::cli {

namespace {

const LangText LinkInUse{"is in use: it leads to %s. Stop that radio or choose another path.",
                         "正在使用中：它指向 %s。请停止该对讲机或另选路径。"};
const LangText NotALink{"exists and is not a link; choose another path.",
                        "已存在且不是链接；请另选路径。"};

std::string Say(const LangText& t, int language, const std::string& target = {}) {
    std::string s = t[language];
    const auto at = s.find("%s");
    if (at != std::string::npos) s.replace(at, 2, target);
    return s;
}

// Where a symbolic link leads; empty when `path` is no link.
std::string LinkTarget(const std::string& path) {
    char buf[4096];
    const auto n = ::readlink(path.c_str(), buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

} // namespace

bool SimLink::claim(const std::string& path, const std::string& device, int language,
                    std::string* error) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            *error = path + " " + Say(NotALink, language);
            return false;
        }
        const std::string target = LinkTarget(path);
        if (::stat(path.c_str(), &st) == 0) {
            *error = path + " " + Say(LinkInUse, language, target);
            return false;
        }
        ::unlink(path.c_str()); // dangling: its radio is gone
    }
    // symlink() never replaces anything, so a radio started at the same moment cannot lose
    // its link to this one.
    if (::symlink(device.c_str(), path.c_str()) != 0) {
        *error = errno == EEXIST ? path + " " + Say(LinkInUse, language, LinkTarget(path))
                                 : path + ": " + std::strerror(errno);
        return false;
    }
    path_ = path;
    device_ = device;
    return true;
}

void SimLink::release() {
    if (path_.empty()) return;
    if (LinkTarget(path_) == device_) ::unlink(path_.c_str());
    path_.clear();
}

} // namespace rv::cli
