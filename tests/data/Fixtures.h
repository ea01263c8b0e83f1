#pragma once

#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/Session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace rvtest {

/// A session with the conventional DQT table and a recorder of the reported messages.
struct RecordingSession {
    rv::Session s;
    std::vector<rv::Msg> messages;

    explicit RecordingSession(const std::string& band = "400 - 470 MHz") {
        s.CurBand = band;
        rv::SetBandLimits(s);
        EXPECT_TRUE(rv::LoadDqtTable(s, RV_SOURCE_DIR "/resources/dec.tbl"));
        s.onMessage = [this](rv::Msg m) { messages.push_back(m); };
    }
};

/// A path under the temporary folder that no other run of the tests uses at the same time.
inline std::string UniqueTempPath(const std::string& name) {
    static const std::string run = std::to_string(std::random_device{}());
    return testing::TempDir() + "rv" + run + "_" + name;
}

/// Saves a document as the programs do, with a plain write in place of the atomic one.
inline bool SaveDataFile(rv::Session& s, const std::string& path) {
    return rv::SaveDataFileWith(s, path, [](const std::string& p, auto bytes, rv::FileFault*) {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return bool(out.flush());
    });
}

/// A fresh folder per test with a new document in `r`: the place to save and open files.
class DocumentFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir = UniqueTempPath("files_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        rv::InitRadioData(r.s, "20260102");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    std::size_t filesInDir() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir), {}));
    }
    static std::vector<std::uint8_t> Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path dir;
    RecordingSession r;
};

} // namespace rvtest
