#pragma once

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
        TooShort,
        Other
    };
    Kind kind = None;
    int error = 0; ///< the system's error number behind `Other`
};

/// The fault an error number of the system stands for.
FileFault FaultOfError(int error);

/// The reason as one sentence in a language (1 English, 2 Chinese); empty for None.
std::string FileFaultText(const FileFault& fault, int language);

} // namespace rv
