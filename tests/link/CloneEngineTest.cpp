#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <cstring>

namespace rv::link::test {
namespace {

const Bytes Program = ascii("PROGRAM");
const Bytes IdentReq{0x02};
const Bytes AckFrame{0x06};
const Bytes EndFrame{0x45};

Bytes readRequest(int address) {
    return {0x52, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), 0x40};
}

int frameAddress(const Bytes& f) {
    return (f[1] << 8) | f[2];
}

TEST(CloneEngineRead, WireBytesAndDecodedDocument) {
    EngineHarness h;
    const rv::RadioData saved = h.s.SavedCopy;
    h.run(ReadRadio);
    ASSERT_EQ(h.outcome, Outcome::Success) << h.message;
    // The copy of the last open or save stays: a read document counts as unsaved.
    EXPECT_EQ(h.s.SavedCopy, saved);

    std::vector<Bytes> expected{Program, IdentReq, AckFrame};
    std::vector<int> expectedThresholds{1, 8, 1};
    for (int a = 0; a < 1024; a += 64) {
        expected.push_back(readRequest(a));
        expected.push_back(AckFrame);
        expectedThresholds.insert(expectedThresholds.end(), {68, 1});
    }
    expected.push_back(EndFrame);
    expectedThresholds.push_back(1);
    EXPECT_EQ(h.sent, expected);
    EXPECT_EQ(h.thresholds, expectedThresholds);
    EXPECT_EQ(h.timeouts, 0);

    EXPECT_EQ(h.s.Image, h.radio.memory());
    rv::Session decoded = h.s;
    rv::DecodeImage(h.radio.memory(), decoded);
    EXPECT_EQ(h.s.Doc, decoded.Doc);
    EXPECT_EQ(h.s.Doc.ChannelCount, 6);
    EXPECT_EQ(h.s.CurModelCode, "7415");
    EXPECT_EQ(h.s.DocPath, "new.dat");
    EXPECT_TRUE(h.s.IsNewFile);
}

TEST(CloneEngineRead, ProgressClimbsToNinetyFour) {
    EngineHarness h;
    h.run(ReadRadio);
    ASSERT_FALSE(h.progress.empty());
    EXPECT_TRUE(std::is_sorted(h.progress.begin(), h.progress.end()));
    EXPECT_EQ(h.progress.back(), 94);
    EXPECT_EQ(h.progress.front(), 6); // the block at 64; block 0 stays at the 0 already shown
}

TEST(CloneEngineWrite, FortyNineFramesFollowTheWriteMap) {
    EngineHarness h;
    const rv::MemoryImage before = h.radio.memory();
    h.run(WriteRadio);
    ASSERT_EQ(h.outcome, Outcome::Success) << h.message;
    ASSERT_GE(h.sent.size(), 4u);
    EXPECT_EQ(h.sent[0], Program);
    EXPECT_EQ(h.sent[1], IdentReq);
    EXPECT_EQ(h.sent[2], AckFrame);
    EXPECT_EQ(h.sent.back(), EndFrame);

    std::vector<int> addresses;
    for (std::size_t i = 3; i + 1 < h.sent.size(); ++i) {
        const Bytes& f = h.sent[i];
        ASSERT_EQ(f[0], 0x57);
        const int a = frameAddress(f);
        addresses.push_back(a);
        EXPECT_EQ(f.size(), f[3] + 4u);
        EXPECT_EQ(f[3], a == 0x1F8 ? 8 : 16) << a;
        EXPECT_FALSE(a >= 0x180 && a < 0x1B8) << a;
        EXPECT_LT(a, 0x340);
        EXPECT_TRUE(std::equal(f.begin() + 4, f.end(), h.s.Image.begin() + a));
    }
    EXPECT_EQ(addresses.size(), 49u);
    EXPECT_EQ(std::count(addresses.begin(), addresses.end(), 0x1F8), 1);
    EXPECT_EQ(addresses[24], 0x1B8);
    EXPECT_EQ(addresses[29], 0x200);
    EXPECT_EQ(addresses.back(), 0x330);
    EXPECT_EQ(h.radio.blocksWritten(), 49);

    // What the radio holds: the document's image where written, its own bytes elsewhere.
    for (int a = 0; a < 1024; ++a) {
        const bool written = a < 0x340 && !(a >= 0x180 && a < 0x1B8);
        const auto want = written ? h.s.Image[a] : before[a];
        ASSERT_EQ(h.radio.memory()[a], want) << a;
    }
    EXPECT_EQ(h.progress.back(), 98);
    EXPECT_TRUE(std::is_sorted(h.progress.begin(), h.progress.end()));
}

TEST(CloneEngineInfo, ReadInfoWireAndTranslation) {
    EngineHarness h;
    h.radio.info().modelType = "5616";
    h.radio.info().serialNumber = "A123";
    h.radio.info().version = "1.07";
    h.s.Doc.TypeLetter = 0; // so that the letter read is seen to arrive
    h.run(ReadRadioInfo);
    ASSERT_EQ(h.outcome, Outcome::Success) << h.message;
    const std::vector<Bytes> expected{Program,  IdentReq,   AckFrame, ascii("NRK"),
                                      AckFrame, ascii("P"), AckFrame, EndFrame};
    EXPECT_EQ(h.sent, expected);
    EXPECT_EQ((std::vector<int>{1, 8, 1, 34, 1, 10, 1, 1}), h.thresholds);
    EXPECT_EQ(h.s.Doc.ModelType.full(), "916 ");
    EXPECT_EQ(h.s.RadioModelType, "5616"); // kept as sent, for a write that leaves it alone
    EXPECT_EQ(h.s.Doc.TypeLetter, 'C');
    EXPECT_EQ(h.s.Doc.FrequencyCode, 65);
    // Unused serial positions (0xFF) become NUL characters.
    EXPECT_EQ(h.s.Doc.SerialNumber.full(), std::string("A123\0\0\0\0", 8));
    EXPECT_EQ(h.s.Doc.Version.full(), std::string("1.07\0", 5));
}

TEST(CloneEngineInfo, WriteInfoWireBytes) {
    EngineHarness h;
    h.s.Doc.ModelType.assign("917");
    h.s.Doc.TypeLetter = 'C';
    h.s.Doc.FrequencyCode = 0x31;
    h.s.Doc.SerialNumber.assign("20261207");
    h.s.Doc.Version.assign("V1.00");
    h.run(WriteRadioInfo);
    ASSERT_EQ(h.outcome, Outcome::Success) << h.message;
    ASSERT_EQ(h.sent.size(), 6u);
    EXPECT_EQ(h.sent[0], Program);
    const Bytes& info = h.sent[3];
    ASSERT_EQ(info.size(), 34u);
    EXPECT_EQ(Bytes(info.begin(), info.begin() + 8), ascii("HLBK5617"));
    EXPECT_EQ(info[8], 'C');
    EXPECT_EQ(info[13], 0x31);
    EXPECT_EQ(Bytes(info.begin() + 17, info.begin() + 25), ascii("20261207"));
    for (int i : {9, 10, 11, 12, 14, 15, 16, 25, 32})
        EXPECT_EQ(info[i], 0xFF) << i;
    // The checksum worked out by hand: bytes 1 to 32 summed, byte 0 left out.
    EXPECT_EQ(info[33], 0xA5);
    EXPECT_EQ(h.sent[4], (Bytes{0x56, '1', '.', '0', '0', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(h.sent[5], EndFrame);
    EXPECT_EQ(h.radio.info().modelType, "5617");
    EXPECT_EQ(h.radio.info().serialNumber, "20261207");
    EXPECT_EQ(h.radio.info().version, "1.00");
}

TEST(CloneEngineInfo, VersionPaddingGoesOutAsFF) {
    const std::pair<const char*, Bytes> cases[] = {
        {"V1.00", {0x56, '1', '.', '0', '0', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"V2.1", {0x56, '2', '.', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"V", {0x56, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& [version, frame] : cases) {
        EngineHarness h;
        h.s.Doc.Version.assign(version);
        h.run(WriteRadioInfo);
        ASSERT_EQ(h.sent.size(), 6u);
        EXPECT_EQ(h.sent[4], frame) << version;
    }
}

TEST(CloneEngineInfo, WrittenModelTypeReadsBackUnchanged) {
    // Regression: the shown name "817" used to go to the radio as is and read back empty.
    EngineHarness h;
    h.s.Doc.ModelType.assign("817");
    h.run(WriteRadioInfo);
    ASSERT_EQ(h.outcome, Outcome::Success);
    h.s.Doc.ModelType.assign("");
    h.outcome.reset();
    h.run(ReadRadioInfo);
    ASSERT_EQ(h.outcome, Outcome::Success);
    EXPECT_EQ(h.s.Doc.ModelType.get(), "817");
}

// A radio that answers nothing: which frames go out before the first question.
struct SilentCase {
    int mode;
    std::vector<Bytes> framesBeforeQuestion;
    int timeouts;
    std::optional<Question> question; ///< none: the operation ends without asking
};

TEST(CloneEngineTimeouts, SilentRadioFollowsTheTimeoutTable) {
    const std::vector<SilentCase> cases{
        // No ident came: no radio answered, so nothing is read and there is no model to ask
        // about.
        {ReadRadio, {Program, IdentReq, AckFrame}, 3, std::nullopt},
        {WriteRadio, {Program, IdentReq, AckFrame}, 3, std::nullopt},
        {ReadRadioInfo, {Program, IdentReq}, 2, Question::RetryInfo},
        {WriteRadioInfo, {Program, IdentReq}, 2, Question::RetryInfo},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        EngineHarness h;
        h.radioConnected = false;
        const rv::RadioData before = h.s.Doc;
        h.answerer = [](Question) { return false; };
        h.run(c.mode);
        EXPECT_EQ(h.sent, c.framesBeforeQuestion);
        EXPECT_EQ(h.timeouts, c.timeouts);
        EXPECT_EQ(h.asked,
                  c.question ? std::vector<Question>{*c.question} : std::vector<Question>{});
        if (!c.question) {
            EXPECT_EQ(h.message.rfind("No radio answered.", 0), 0u) << h.message;
        }
        EXPECT_NE(h.outcome, Outcome::Success);
        EXPECT_FALSE(h.message.empty());
        EXPECT_EQ(h.s.Doc, before);
        EXPECT_EQ(h.engine.mode(), Idle);
    }
}

TEST(CloneEngineTimeouts, UnacknowledgedEndStillSucceeds) {
    const std::vector<std::pair<int, int>> framesBeforeEnd{{ReadRadio, 35}, {WriteRadio, 52}};
    for (const auto& [mode, frames] : framesBeforeEnd) {
        EngineHarness h;
        h.radio.faults().silentAfterFrames = frames;
        h.run(mode);
        EXPECT_EQ(h.outcome, Outcome::Success) << mode;
        EXPECT_EQ(h.sent.back(), EndFrame);
        EXPECT_EQ(h.timeouts, 1);
    }
}

TEST(CloneEngineTimeouts, InfoReadWithoutVersionOrItsAckSendsEndAndFails) {
    // 5: the version request goes unanswered; 6: the version came, its 06 is not answered.
    for (const int silentAfter : {5, 6}) {
        SCOPED_TRACE(silentAfter);
        EngineHarness h;
        const rv::RadioData before = h.s.Doc;
        h.radio.faults().silentAfterFrames = silentAfter;
        h.run(ReadRadioInfo);
        EXPECT_EQ(h.outcome, Outcome::NoAnswer);
        EXPECT_EQ(h.sent.back(), EndFrame);
        EXPECT_TRUE(h.asked.empty());
        EXPECT_EQ(h.s.Doc, before); // the info block that did arrive is not half-applied
        EXPECT_EQ(h.engine.mode(), Idle);
    }
}

TEST(CloneEngineRetry, CorruptedBlockIsReadAgainAfterRetry) {
    EngineHarness h;
    h.radio.faults().corruptBlockAt = 0x100;
    h.answerer = [](Question) { return true; };
    h.run(ReadRadio);
    ASSERT_EQ(h.outcome, Outcome::Success);
    ASSERT_EQ(h.asked, std::vector<Question>{Question::RetryTransfer});
    EXPECT_EQ(std::count(h.sent.begin(), h.sent.end(), Program), 2);
    // The restart shows 0% again before climbing.
    const auto climbed =
        std::find_if(h.progress.begin(), h.progress.end(), [](int p) { return p > 0; });
    EXPECT_NE(std::find(climbed, h.progress.end(), 0), h.progress.end());
    EXPECT_EQ(h.s.Image, h.radio.memory());
}

TEST(CloneEngineRetry, RetryDuringWriteRunsTheModelCheckAgain) {
    EngineHarness h;
    h.radio.faults().otherModel = true;
    h.radio.faults().silentAfterFrames = 10;
    h.answerer = [&h](Question q) {
        if (q == Question::RetryTransfer) h.radio.faults().silentAfterFrames = -1;
        return true;
    };
    h.run(WriteRadio);
    ASSERT_EQ(h.outcome, Outcome::Success) << h.message;
    EXPECT_EQ(h.asked, (std::vector<Question>{Question::ModelMismatch, Question::RetryTransfer,
                                              Question::ModelMismatch}));
    // After the restart the block at 0 goes out again, after Program, ident and Ack.
    const auto second = std::find(h.sent.begin() + 1, h.sent.end(), Program);
    ASSERT_NE(second, h.sent.end());
    ASSERT_GT(h.sent.end() - second, 4);
    EXPECT_EQ(second[1], IdentReq);
    EXPECT_EQ(second[3][0], 0x57);
    EXPECT_EQ(frameAddress(second[3]), 0);
}

TEST(CloneEngineWrite, RefusedModelSendsNoBlock) {
    EngineHarness h;
    h.radio.faults().otherModel = true;
    const rv::MemoryImage before = h.radio.memory();
    h.run(WriteRadio);
    EXPECT_EQ(h.outcome, Outcome::ModelRefused);
    EXPECT_EQ(h.asked, std::vector<Question>{Question::ModelMismatch});
    for (const auto& f : h.sent)
        EXPECT_NE(f[0], 0x57);
    EXPECT_EQ(h.radio.memory(), before);
}

TEST(CloneEngineWrite, SameModelOnAnotherBandIsAsked) {
    EngineHarness h;
    h.radio.memory()[445] = 33; // the 470 - 512 MHz version of the document's model
    h.run(WriteRadio);
    EXPECT_EQ(h.outcome, Outcome::ModelRefused);
    EXPECT_EQ(h.asked, std::vector<Question>{Question::ModelMismatch});
}

TEST(CloneEngineRead, BandLimitsFollowTheRadioRead) {
    EngineHarness h;
    h.radio.memory()[445] = 33;
    h.run(ReadRadio);
    ASSERT_EQ(h.outcome, Outcome::Success) << h.message;
    EXPECT_EQ(h.s.CurBand, "470 - 512 MHz");
    EXPECT_EQ(h.s.BandLow, 470);
    EXPECT_EQ(h.s.BandHigh, 512);
}

TEST(CloneEngineWrite, MatchingModelIsNotAsked) {
    EngineHarness h;
    h.s.CurModelCode = " 7415 "; // blanks around the current model do not count
    h.run(WriteRadio);
    EXPECT_EQ(h.outcome, Outcome::Success);
    EXPECT_TRUE(h.asked.empty());
}

TEST(CloneEngineWrite, UnencodableDocumentStartsNothing) {
    EngineHarness h;
    h.s.Doc.ChannelCount = 1;
    h.s.Doc.Channels[0] = rv::NewChannel(1);
    h.s.Doc.Channels[0].RxFreq.set("44G00000");
    std::string error;
    EXPECT_FALSE(h.engine.prepare(WriteRadio, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(h.engine.mode(), Idle);
}

// Replies fed by hand while the engine waits for the first data block.
TEST(CloneEngineReceive, OnlyTheExpectedBlockIsTaken) {
    EngineHarness h;
    h.radioConnected = false;
    ASSERT_TRUE(h.engine.prepare(ReadRadio, nullptr));
    h.engine.SendProgram();
    h.engine.onReceived(AckFrame);
    Bytes ident{0x50, '5', '6', '1', '7', 65, 0xFC, 0xFF};
    h.engine.onReceived(ident);
    h.engine.onReceived(AckFrame);
    ASSERT_EQ(h.sent.back(), readRequest(0));

    auto block = [](int address, int count) {
        Bytes b{0x57, static_cast<std::uint8_t>(address >> 8),
                static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(count)};
        b.resize(68, 0x11);
        return b;
    };
    const std::size_t sentBefore = h.sent.size();
    h.engine.onReceived(block(0x40, 0x40)); // wrong address
    h.engine.onReceived(block(0x00, 0x20)); // wrong count
    h.engine.onReceived(AckFrame);          // too short for the threshold
    EXPECT_EQ(h.sent.size(), sentBefore);
    EXPECT_TRUE(h.timerRunning);

    Bytes longer = block(0, 0x40);
    longer.push_back(0x99); // one byte too many: only the first 68 count
    h.engine.onReceived(longer);
    EXPECT_EQ(h.sent.back(), AckFrame);
    EXPECT_EQ(h.s.Image[0], 0x11);
    EXPECT_EQ(h.s.Image[64], 0xFF);
}

TEST(CloneEngineReceive, DamagedInfoBlocksAreIgnored) {
    Bytes good(34, 0xFF);
    std::memcpy(good.data(), "HLB-4617C", 9);
    good[33] = InfoChecksum(good);
    Bytes badSum = good;
    badSum[33] ^= 1;
    Bytes ownSignature = good;
    ownSignature[3] = 'K';
    ownSignature[33] = InfoChecksum(ownSignature);
    for (const Bytes& reply : {badSum, ownSignature}) {
        EngineHarness h;
        h.radioConnected = false;
        ASSERT_TRUE(h.engine.prepare(ReadRadioInfo, nullptr));
        h.engine.SendProgram();
        for (const Bytes& r : {AckFrame, Bytes{0x50, 0, 0, 0, 0, 65, 0xFC, 0}, AckFrame})
            h.engine.onReceived(r);
        ASSERT_EQ(h.sent.back(), ascii("NRK"));
        h.engine.onReceived(reply);
        EXPECT_EQ(h.sent.back(), ascii("NRK"));
        h.engine.onTimeout();
        EXPECT_EQ(h.asked, std::vector<Question>{Question::RetryInfo});
    }
}

TEST(CloneEngineReceive, IdentNamesTheRadioModel) {
    struct Case {
        std::uint8_t band, modelByte;
        const char* model;
    };
    const Case cases[] = {{1, 0xF8, "6415"}, {99, 0xF8, "6415"}, {2, 0xF8, "592"},
                          {1, 0xF9, "582"},  {65, 0xFC, "7415"}, {65, 0x00, ""}};
    for (const auto& c : cases) {
        EngineHarness h;
        h.radio.memory()[445] = c.band;
        h.radio.memory()[446] = c.modelByte;
        h.run(WriteRadio);
        EXPECT_EQ(h.engine.radioModelCode(), c.model) << int(c.band) << " " << int(c.modelByte);
        // A model byte of no radio of this family is no ident at all.
        EXPECT_EQ(h.engine.radioBandCode(), *c.model ? c.band : 0);
    }
}

TEST(CloneEngineCancel, CancelSendsEndAndLeavesTheDocument) {
    EngineHarness h;
    const rv::RadioData before = h.s.Doc;
    ASSERT_TRUE(h.engine.prepare(ReadRadio, nullptr));
    h.engine.SendProgram();
    h.pump(10); // a few blocks in
    ASSERT_FALSE(h.outcome);
    h.inbox.clear();
    h.engine.cancel();
    // The frame in flight keeps its time-out; End follows it.
    EXPECT_NE(h.sent.back(), EndFrame);
    h.pump();
    EXPECT_EQ(h.sent.back(), EndFrame);
    EXPECT_EQ(h.outcome, Outcome::Cancelled);
    EXPECT_EQ(h.s.Doc, before);
    EXPECT_FALSE(h.radio.inCloneMode());
}

TEST(CloneEngineCancel, InfoWriteStoppedAfterTheInfoBlockSaysTheIdentityChanged) {
    // Frames sent when the stop comes (the last one in flight) -> how the write ends.
    struct Case {
        std::size_t framesSent;
        Outcome outcome;
        bool identityChanged;
    };
    const Case cases[] = {
        {2, Outcome::Cancelled, false}, // the ident request in flight
        {4, Outcome::Cancelled, true},  // the info block in flight, and taken
        {5, Outcome::Success, false},   // the version block taken too: the write is whole
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.framesSent);
        EngineHarness h;
        h.s.Doc.SerialNumber.assign("20261207");
        ASSERT_TRUE(h.engine.prepare(WriteRadioInfo, nullptr));
        h.engine.SendProgram();
        while (h.sent.size() < c.framesSent && !h.outcome)
            h.pump(1);
        h.engine.cancel();
        h.pump();
        EXPECT_EQ(h.outcome, c.outcome) << h.message;
        EXPECT_EQ(h.message.find("identity") != std::string::npos, c.identityChanged) << h.message;
        EXPECT_EQ(h.radio.info().serialNumber == "20261207", c.framesSent >= 4);
        EXPECT_EQ(h.sent.back(), EndFrame);
        EXPECT_FALSE(h.radio.inCloneMode());
    }
}

TEST(CloneEngineCancel, PortFailureEndsAtOnce) {
    EngineHarness h;
    const rv::RadioData before = h.s.Doc;
    ASSERT_TRUE(h.engine.prepare(ReadRadio, nullptr));
    h.engine.SendProgram();
    h.pump(12);
    const std::size_t sent = h.sent.size();
    h.engine.portFailed("cable pulled");
    EXPECT_EQ(h.outcome, Outcome::PortFailed);
    EXPECT_EQ(h.message, "cable pulled");
    EXPECT_EQ(h.sent.size(), sent);
    EXPECT_FALSE(h.timerRunning);
    EXPECT_EQ(h.s.Doc, before);
}

TEST(CloneEngineTables, PercentRoundsHalvesToEven) {
    const std::tuple<int, int, int> cases[] = {{0, 1024, 0}, {960, 1024, 94}, {816, 832, 98},
                                               {1, 8, 12},   {3, 8, 38},      {5, 8, 62}};
    for (const auto& [a, e, p] : cases)
        EXPECT_EQ(TransferPercent(a, e), p) << a << "/" << e;
}

TEST(CloneEngineTables, ModelTypeTranslation) {
    const std::pair<const char*, const char*> cases[] = {
        {"4613", "813"}, {"4616", "816"}, {"4617", "817"}, {"5613", "913"},
        {"5616", "916"}, {"5617", "917"}, {"1234", ""},    {"817 ", ""}};
    for (const auto& [radio, shown] : cases) {
        std::array<std::uint8_t, 4> b{};
        std::memcpy(b.data(), radio, 4);
        EXPECT_EQ(TranslateModelType(b), shown) << radio;
        rv::Text<4> t;
        t.assign(shown);
        if (*shown) {
            EXPECT_EQ(RadioModelTypeOf(t), radio);
        }
    }
    const std::array<std::uint8_t, 4> withGap{'4', '6', 0xFF, '7'};
    EXPECT_EQ(TranslateModelType(withGap), "");
}

} // namespace
} // namespace rv::link::test
