#include "link/SimRadioPty.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// A lone P may begin PROGRAM, so the radio keeps it and waits for more. Waiting must not
// cost CPU time: a busy radio thread would use most of a core over the interval.
TEST(SimRadioPty, WaitsForTheRestOfAFrameWithoutSpinning) {
    for (bool paced : {false, true}) {
        rv::link::SimRadioPty sim;
        std::string error;
        ASSERT_TRUE(sim.start(paced, &error)) << error;
        const int fd = ::open(sim.devicePath().c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "P", 1), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const double before = ProcessCpuSeconds();
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        EXPECT_LT(ProcessCpuSeconds() - before, 0.03) << (paced ? "paced" : "fast");
        EXPECT_TRUE(sim.withRadio([](rv::link::SimRadio& r) { return r.hasPendingInput(); }));
        ::close(fd);
    }
}

} // namespace
