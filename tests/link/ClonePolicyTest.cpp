// What every clone operation does with a stranger on the line, a radio that falls silent, and
// a stop request, checked frame by frame against the simulated radio with a fake clock.
#include "EngineHarness.h"

namespace rv::link::test {

namespace {

const auto IsBlock = [](const Bytes& f) { return f.size() > 4 && f[0] == 'W'; };
const auto IsReadRequest = [](const Bytes& f) { return f.size() == 4 && f[0] == 'R'; };
const auto IsProgram = [](const Bytes& f) { return f == ascii("PROGRAM"); };
const auto IsEnd = [](const Bytes& f) { return f.size() == 1 && f[0] == 'E'; };

// The harness with a radio that goes quiet from frame `silentFrom` on and, when `back`, is
// on the line again once the user has been asked to retry.
struct SilentHarness : EngineHarness {
    std::size_t silentFrom = 0;
    bool back = false;
    void send(const Bytes& frame, int replyLength) override {
        if (sent.size() == silentFrom) radioConnected = false;
        EngineHarness::send(frame, replyLength);
    }
    void ask(Question q) override {
        EngineHarness::ask(q);
        if (back) radioConnected = true;
    }
};

} // namespace

TEST(ClonePolicy, JunkIdentIsNoRadioAndNothingIsReadOrWritten) {
    for (const int mode : {ReadRadio, WriteRadio}) {
        EngineHarness h;
        h.radio.faults().garbageIdent = true;
        h.run(mode);
        SCOPED_TRACE(mode);
        ASSERT_TRUE(h.outcome);
        EXPECT_EQ(*h.outcome, Outcome::NoAnswer);
        EXPECT_EQ(h.message.rfind("No radio answered", 0), 0u) << h.message;
        EXPECT_EQ(std::count_if(h.sent.begin(), h.sent.end(), IsBlock), 0);
        EXPECT_EQ(std::count_if(h.sent.begin(), h.sent.end(), IsReadRequest), 0);
        EXPECT_TRUE(h.radio.memory() == DemoRadioMemory());
    }
}

TEST(ClonePolicy, SilenceAtEveryFrameOfAWriteSendsNoBlockBeforeTheRadioAnswersAgain) {
    EngineHarness clean;
    clean.run(WriteRadio);
    const std::size_t frames = clean.sent.size();
    for (const bool back : {false, true}) {
        for (std::size_t n = 0; n < frames; ++n) {
            SilentHarness h;
            h.silentFrom = n;
            h.back = back;
            int retries = 1;
            h.answerer = [&retries](Question) { return retries-- > 0; };
            h.run(WriteRadio);
            SCOPED_TRACE(testing::Message() << "silent from frame " << n << (back ? ", back" : ""));
            ASSERT_TRUE(h.outcome) << "the write never ended";
            const auto lastProgram = std::find_if(h.sent.rbegin(), h.sent.rend(), IsProgram).base();
            const bool retried = std::count_if(h.sent.begin(), h.sent.end(), IsProgram) > 1;
            if (back) {
                // Program and the ident unanswered on the first pass leave no radio to write.
                EXPECT_EQ(*h.outcome == Outcome::Success, n >= 2);
            } else if (retried) {
                EXPECT_EQ(std::count_if(lastProgram, h.sent.end(), IsBlock), 0);
                EXPECT_NE(*h.outcome, Outcome::Success);
            }
        }
    }
}

TEST(ClonePolicy, StopAtEveryFrameLetsTheFrameInFlightFinishThenSendsEndLast) {
    for (const int mode : {ReadRadio, WriteRadio}) {
        EngineHarness clean;
        clean.run(mode);
        const std::size_t frames = clean.sent.size();
        for (std::size_t k = 1; k <= frames; ++k) {
            EngineHarness h;
            std::string error;
            ASSERT_TRUE(h.engine.prepare(mode, &error));
            h.engine.SendProgram();
            while (!h.outcome && h.sent.size() < k)
                h.pump(1);
            h.engine.cancel();
            h.pump();
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", stop after frame " << k);
            ASSERT_TRUE(h.outcome);
            ASSERT_FALSE(h.sent.empty());
            EXPECT_TRUE(IsEnd(h.sent.back()));
            EXPECT_EQ(std::count_if(h.sent.begin(), h.sent.end(), IsEnd), 1);
            // Nothing but End follows the frame that was in flight.
            EXPECT_EQ(h.sent.size(), k < frames ? k + 1 : frames);
            EXPECT_EQ(*h.outcome == Outcome::Success, k == frames);
        }
    }
}

} // namespace rv::link::test
