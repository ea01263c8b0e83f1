#include "SimLink.h"

#include "data/Messages.h"

#include <filesystem>
#include <system_error>

namespace rv::cli {

namespace {

namespace fs = std::filesystem;

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
    std::error_code ec;
    return fs::read_symlink(path, ec).string();
}

} // namespace

bool SimLink::claim(const std::string& path, const std::string& device, int language,
                    std::string* error) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (fs::exists(st)) {
        if (!fs::is_symlink(st)) {
            *error = path + " " + Say(NotALink, language);
            return false;
        }
        const std::string target = LinkTarget(path);
        if (fs::exists(path, ec)) {
            *error = path + " " + Say(LinkInUse, language, target);
            return false;
        }
        fs::remove(path, ec); // dangling: its radio is gone
    }
    // Making a link never replaces anything, so a radio started at the same moment cannot lose
    // its link to this one.
    fs::create_symlink(device, path, ec);
    if (ec) {
        *error = ec == std::errc::file_exists
                     ? path + " " + Say(LinkInUse, language, LinkTarget(path))
                     : path + ": " + ec.message();
        return false;
    }
    path_ = path;
    device_ = device;
    return true;
}

void SimLink::release() {
    if (path_.empty()) return;
    std::error_code ec;
    if (LinkTarget(path_) == device_) fs::remove(path_, ec);
    path_.clear();
}

} // namespace rv::cli
