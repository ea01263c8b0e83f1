// Runs a fuzz target over the files and folders given, without libFuzzer: each file is one
// input. A target that finds a fault aborts, so a clean exit means every input passed.
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The input being run, named when the target crashes on it.
char current[4096];

void NameInputAndDie(int sig) {
    const char* what = "fuzz input that failed: ";
    [[maybe_unused]] auto n = ::write(2, what, std::strlen(what));
    n = ::write(2, current, std::strlen(current));
    n = ::write(2, "\n", 1);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

std::vector<fs::path> InputsOf(const fs::path& arg) {
    std::vector<fs::path> files;
    if (fs::is_directory(arg)) {
        for (const auto& e : fs::recursive_directory_iterator(arg))
            if (e.is_regular_file()) files.push_back(e.path());
    } else {
        files.push_back(arg);
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(sig, NameInputAndDie);
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 2;
        }
        for (const auto& path : InputsOf(argv[i])) {
            std::ifstream in(path, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            if (!in.eof() && in.fail()) {
                std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
                return 2;
            }
            std::snprintf(current, sizeof current, "%s", path.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++count;
        }
    }
    std::printf("%zu inputs passed\n", count);
    return 0;
}
