#pragma once

#include <string>

namespace rv::cli {

/// The symbolic link through which other programs find the simulated radio's device. A
/// path that is in use is never taken over, and only the link this radio made is removed.
class SimLink {
public:
    SimLink() = default;
    ~SimLink() { release(); }
    SimLink(const SimLink&) = delete;
    SimLink& operator=(const SimLink&) = delete;

    /// Makes `path` lead to `device`. A link left behind by a radio that is gone (its device
    /// no longer exists) is replaced; anything else at `path` is refused with the reason.
    bool claim(const std::string& path, const std::string& device, int language,
               std::string* error);
    /// Removes the link if it still leads to this radio's device.
    void release();

private:
    std::string path_;
    std::string device_;
};

} // namespace rv::cli
