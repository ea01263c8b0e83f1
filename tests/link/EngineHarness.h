#pragma once

#include "data/Defaults.h"
#include "data/Image.h"
#include "link/CloneEngine.h"
#include "sim/SimRadio.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <optional>

namespace rv::link::test {

using namespace rv::sim;

/// The engine wired to the simulated radio core with a fake clock: a reply is delivered
/// when the engine waits for it, a time-out when nothing is on the way.
struct EngineHarness : CloneHost {
    rv::Session s;
    SimRadio radio{DemoRadioMemory()};
    CloneEngine engine{s, *this};
    bool radioConnected = true;

    std::vector<Bytes> sent;
    std::vector<int> thresholds;
    bool timerRunning = false;
    int timeouts = 0;
    std::vector<Question> asked;
    std::vector<int> progress;
    std::optional<Outcome> outcome;
    std::string message;
    std::deque<Bytes> inbox;
    std::function<bool(Question)> answerer = [](Question) { return false; };

    EngineHarness() {
        s.CurModelCode = "7415";
        s.CurBand = "400 - 470 MHz";
        rv::InitRadioData(s, "20260101");
    }

    void send(const Bytes& frame, int replyLength) override {
        sent.push_back(frame);
        thresholds.push_back(replyLength);
        if (!radioConnected) return;
        Bytes out;
        radio.receive(frame, out);
        radio.lineIdle(out);
        if (!out.empty()) inbox.push_back(out);
    }
    void startWaitTimer() override { timerRunning = true; }
    void stopWaitTimer() override { timerRunning = false; }
    void ask(Question q) override { asked.push_back(q); }
    void showProgress(int percent) override { progress.push_back(percent); }
    void finish(Outcome o, const std::string& m) override {
        outcome = o;
        message = m;
    }

    /// Starts an operation and runs it to its end (or until `maxEvents` events).
    void run(int mode, int maxEvents = 10000) {
        std::string error;
        ASSERT_TRUE(engine.prepare(mode, &error)) << error;
        engine.SendProgram();
        pump(maxEvents);
    }

    void pump(int maxEvents = 10000) {
        for (int i = 0; i < maxEvents && !outcome; ++i) {
            if (!inbox.empty()) {
                const Bytes reply = inbox.front();
                inbox.pop_front();
                engine.onReceived(reply);
            } else if (engine.questionPending()) {
                engine.answer(answerer(asked.back()));
            } else if (timerRunning) {
                ++timeouts;
                engine.onTimeout();
            } else {
                return;
            }
        }
    }
};

inline Bytes ascii(const char* t) {
    return Bytes(t, t + std::strlen(t));
}

} // namespace rv::link::test
