#pragma once

#include "link/TestModeEngine.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace rv::test {

using rv::link::Bytes;
using rv::link::TestTimer;

/// The engine's surroundings with a fake clock: records every write with its time,
/// runs the timers when the test advances the clock.
class FakeTestPort : public rv::link::TestModeHooks {
public:
    struct Write {
        int at;
        Bytes bytes;
    };

    bool open = true;
    int now = 0;
    int threshold = 0;
    std::map<TestTimer, int> running; ///< timer -> due time
    std::vector<Write> writes;
    std::vector<rv::link::TestNote> notes;
    std::deque<bool> retryAnswers; ///< true = Retry; an unscripted question is Retried
    bool holdQuestions = false;    ///< questions stay open until the test answers them
    int asked = 0, ended = 0, testWindows = 0, tuningWindows = 0, shownData = 0;
    rv::link::TestModeEngine* engine = nullptr;

    bool portOpen() const override { return open; }
    void write(const Bytes& b) override { writes.push_back({now, b}); }
    void setThreshold(int n) override { threshold = n; }
    void startTimer(TestTimer t) override { running[t] = now + rv::link::IntervalOf(t); }
    void stopTimer(TestTimer t) override { running.erase(t); }
    void note(rv::link::TestNote n) override { notes.push_back(n); }
    std::optional<bool> askRetry() override {
        ++asked;
        if (holdQuestions) return std::nullopt;
        if (retryAnswers.empty()) return true;
        const bool r = retryAnswers.front();
        retryAnswers.pop_front();
        return r;
    }
    void endTestMode() override {
        ++ended;
        open = false;
    }
    void showTestWindow() override { ++testWindows; }
    void showTuningWindow() override { ++tuningWindows; }
    void showData() override { ++shownData; }

    bool isRunning(TestTimer t) const { return running.count(t) != 0; }

    /// Moves the clock on, firing every timer that falls due on the way, in time order.
    void advance(int ms) {
        const int until = now + ms;
        for (;;) {
            auto due = running.end();
            for (auto it = running.begin(); it != running.end(); ++it)
                if (it->second <= until && (due == running.end() || it->second < due->second))
                    due = it;
            if (due == running.end()) break;
            now = due->second;
            const TestTimer t = due->first;
            running.erase(due);
            engine->onTimer(t);
        }
        now = until;
    }

    void reply(const Bytes& b) { engine->TestModeComm(rv::link::EvReceived, b); }
    void ack() { reply({0x06}); }
    Bytes lastWrite() const { return writes.empty() ? Bytes{} : writes.back().bytes; }
};

/// Bytes from a string of hex pairs, "08 0D".
inline Bytes Hex(const std::string& s) {
    Bytes b;
    for (std::size_t i = 0; i < s.size(); i += 3)
        b.push_back(static_cast<std::uint8_t>(std::stoi(s.substr(i, 2), nullptr, 16)));
    return b;
}

} // namespace rv::test
