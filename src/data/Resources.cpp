#include "Resources.h"

#include <filesystem>

namespace rv {

namespace fs = std::filesystem;

std::string FindResource(const std::string& programDir, const std::string& name) {
    const fs::path dir(programDir.empty() ? "." : programDir);
    const fs::path beside = programDir.empty() ? fs::path(name) : dir / name;
    const fs::path installed = (dir / ".." / InstalledDataDir / name).lexically_normal();
    std::error_code ec;
    if (!fs::exists(beside, ec) && fs::is_regular_file(installed, ec)) return installed.string();
    return beside.string();
}

} // namespace rv
