#include "sim/SimRadioPty.h"

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

// Waiting must not cost CPU time: a busy radio thread would use most of a core over the
// interval. The radio waits for the rest of a frame (a lone P may begin PROGRAM), and for
// room on the line when the program does not read its replies.
TEST(SimRadioPty, WaitsWithoutSpinning) {
    std::string requests = "PROGRAM";
    for (int i = 0; i < 1000; ++i)
        requests += std::string("R\x00\x00\x40", 4);
    const std::pair<const char*, std::string> cases[] = {{"lone P", "P"},
                                                         {"replies unread", requests}};
    for (const auto& [what, input] : cases) {
        rv::sim::SimRadioPty sim;
        std::string error;
        ASSERT_TRUE(sim.start(false, &error)) << error;
        const int fd = ::open(sim.devicePath().c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const double before = ProcessCpuSeconds();
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        EXPECT_LT(ProcessCpuSeconds() - before, 0.03) << what;
        ::close(fd);
    }
}

} // namespace
