#pragma once

#include <cstdint>
#include <string>

namespace rv {

/// Why a file could not be read or written: the second line under "file error.".
struct FileFault {
    enum Kind {
        None,
        DiskFull,
        NoPermission,
        ReadOnlyFile,
        ReadOnlyFileSystem,
        NoFolder,
        NotAFile,
        NotFound,
        WrongSize,
        Other,
        CannotCreate,
        TooLarge,
        Malformed
    };
    Kind kind = None;
    int error = 0; ///< the system's error number behind `Other`
    /// WrongSize: the size a file must have (a data file's, an image's, or 0 for either);
    /// TooLarge: the largest size read.
    std::uintmax_t expected = 0;
    std::uintmax_t given = 0; ///< WrongSize: the size the file has; Malformed: the line
};

/// The fault an error number of the system stands for.
FileFault FaultOfError(int error);

/// The reason as one sentence in a language (1 English, 2 Chinese); empty for None.
std::string FileFaultText(const FileFault& fault, int language);

} // namespace rv
