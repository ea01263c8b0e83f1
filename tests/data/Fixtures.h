#pragma once

#include "data/Conversions.h"
#include "data/Session.h"

#include <gtest/gtest.h>

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

} // namespace rvtest
