#include "AtomicFile.h"

#include "data/DataFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rv {

namespace fs = std::filesystem;

namespace {

constexpr int MaxLinkHops = 40;
constexpr const char* TempMark = ".tmp";
constexpr std::size_t TempDigits = 6;

// The file a save lands in: links are followed to the file they name, relative ones from
// their own folder.
bool SaveTarget(const fs::path& path, fs::path& target) {
    target = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(target, ec)) return true;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return false;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    errno = ELOOP;
    return false;
}

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

std::string TempNameBeside(const fs::path& target) {
    static std::mt19937 gen{std::random_device{}()};
    char digits[TempDigits + 1];
    std::snprintf(digits, sizeof digits, "%06u", static_cast<unsigned>(gen() % 1000000u));
    return target.string() + TempMark + digits;
}

// NAME.tmpNNNNNN left by a save of NAME that was killed before its rename, and made by us.
bool IsOwnLeftover(const fs::path& entry, const std::string& prefix) {
    const std::string name = entry.filename().string();
    if (name.size() <= prefix.size() || name.size() > prefix.size() + TempDigits ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.find_first_not_of("0123456789", prefix.size()) != std::string::npos)
        return false;
    struct stat st {};
    return ::lstat(entry.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

void RemoveLeftovers(const fs::path& target) {
    const std::string prefix = target.filename().string() + TempMark;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(FolderOf(target), ec))
        if (IsOwnLeftover(e.path(), prefix)) fs::remove(e.path(), ec);
}

// What stands at the target decides whether it may be replaced and what the new file keeps.
struct OldFile {
    bool exists = false;
    struct stat st {};
};

FileFault Inspect(const fs::path& target, OldFile& old) {
    if (::stat(target.c_str(), &old.st) != 0)
        return errno == ENOENT ? FileFault{} : FaultOfError(errno);
    old.exists = true;
    if (!S_ISREG(old.st.st_mode)) return {FileFault::NotAFile, 0};
    // No write bit at all counts even for a user whom the system would let through.
    if ((old.st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        (::access(target.c_str(), W_OK) != 0 && errno == EACCES))
        return {FileFault::ReadOnlyFile, EACCES};
    return {};
}

int CreateTemp(const fs::path& target, std::string& temp) {
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = TempNameBeside(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    return fd;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

// Fills the new file; the rename must not become visible before its bytes are on disk.
int Fill(int fd, const OldFile& old, std::span<const std::uint8_t> bytes) {
    if (old.exists) {
        // Owner first: a change of owner clears the set-id bits that the mode then restores.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st.st_uid, old.st.st_gid);
        if (::fchmod(fd, old.st.st_mode & 07777) != 0) return errno;
    }
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) return errno;
    return 0;
}

// The rename itself lives in the folder: it is on disk only once the folder is.
int SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0; // a folder we may not open for reading still took the rename
    const int result = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return result;
}

// "No such file" from creating a file in a folder that is there: a folder such as /proc
// that takes no new files.
FileFault CreateFault(int error, const fs::path& folder) {
    std::error_code ec;
    if (error == ENOENT && fs::is_directory(folder, ec)) return {FileFault::CannotCreate, error};
    return FaultOfError(error);
}

bool Failed(FileFault* out, const FileFault& fault) {
    if (out) *out = fault;
    return false;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         FileFault* fault) {
    if (fault) *fault = {};
    if (path.empty()) return Failed(fault, {FileFault::NotFound, ENOENT});
    fs::path target;
    if (!SaveTarget(path, target)) return Failed(fault, FaultOfError(errno));
    OldFile old;
    if (const FileFault f = Inspect(target, old); f.kind != FileFault::None)
        return Failed(fault, f);
    RemoveLeftovers(target);
    std::string temp;
    const int fd = CreateTemp(target, temp);
    if (fd < 0) return Failed(fault, CreateFault(errno, FolderOf(target)));
    int error = Fill(fd, old, bytes);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return Failed(fault, FaultOfError(error));
    }
    if (const int synced = SyncFolder(FolderOf(target)); synced != 0)
        return Failed(fault, FaultOfError(synced));
    return true;
}

bool SaveDataFile(Session& s, const std::string& path) {
    return SaveDataFileWith(s, path, [](const std::string& p, auto bytes, FileFault* fault) {
        return WriteFileAtomically(p, bytes, fault);
    });
}

} // namespace rv
