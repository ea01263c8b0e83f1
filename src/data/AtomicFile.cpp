#include "AtomicFile.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace rv {

namespace fs = std::filesystem;

namespace {

std::string TempNameBeside(const std::string& path) {
    static std::mt19937 gen{std::random_device{}()};
    return path + ".tmp" + std::to_string(gen() % 1000000u);
}

bool Flush(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#if __has_include(<unistd.h>)
    // The rename must not become visible before the new bytes are on disk.
    if (::fsync(::fileno(f)) != 0) return false;
#endif
    return true;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec)) return false;
    std::string temp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 8 && !f; ++attempt) {
        temp = TempNameBeside(path);
        f = std::fopen(temp.c_str(), "wbx"); // "x": never reuse an existing file
    }
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = written && Flush(f);
    const bool closed = std::fclose(f) == 0;
    if (written && flushed && closed) {
        // The replacement keeps the access rights of the file it replaces.
        const auto old = fs::status(path, ec);
        if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
        fs::rename(temp, path, ec);
        if (!ec) return true;
    }
    fs::remove(temp, ec);
    return false;
}

} // namespace rv
