#include "link/EngineHarness.h"

#include "data/Catalogue.h"
#include "data/Image.h"

#include <gtest/gtest.h>

namespace rv::link::test {
namespace {

Bytes feed(SimRadio& r, const Bytes& in, bool idle = true) {
    Bytes out;
    r.receive(in, out);
    if (idle) r.lineIdle(out);
    return out;
}

// The built-in radio holds a demonstration set-up, its settings away from their defaults.
TEST(SimRadio, DemoRadioHoldsTheDealerSetUp) {
    rv::Session s;
    rv::DecodeImage(DemoRadioMemory(), s);
    const std::pair<const char*, const char*> settings[] = {
        {"optional.time_out_timer", "180"},      {"optional.squelch_level", "3"},
        {"optional.battery_save", "On"},         {"optional.vox_function", "On"},
        {"optional.vox_gain_level", "7"},        {"key.pf1", "Key Lock with Backup"},
        {"scan.priority_channel", "2"},          {"autodial.1.code", "1234"},
        {"message.line1", "DEALER DEMO"},        {"message.line2", "CH 1-5 SITE A"},
        {"channel.4.tx_frequency", "455.12500"}, {"channel.9.rx_frequency", "435.00000"},
    };
    for (const auto& [key, value] : settings)
        EXPECT_EQ(rv::textOf(s, key), value) << key;
    EXPECT_EQ(s.Doc.ChannelCount, 6);
}

TEST(SimRadio, StartFramesAndLineNoise) {
    SimRadio r(DemoRadioMemory());
    EXPECT_TRUE(feed(r, {0x00, 0x13, 'P', 'R', 'O'}).empty());
    EXPECT_FALSE(r.inCloneMode());
    EXPECT_EQ(feed(r, ascii("GRAM")), Bytes{0x06});
    EXPECT_TRUE(r.inCloneMode());
    EXPECT_EQ(feed(r, {0x45}), Bytes{0x06});
    EXPECT_FALSE(r.inCloneMode());

    SimRadio t(DemoRadioMemory());
    EXPECT_EQ(feed(t, ascii("TUNING ")), Bytes{0x06});
    EXPECT_TRUE(t.inTestMode());
}

TEST(SimRadio, LonePIsAVersionRequestOnlyOnAQuietLine) {
    SimRadio r(DemoRadioMemory());
    feed(r, ascii("PROGRAM"));
    Bytes out;
    r.receive(ascii("P"), out);
    EXPECT_TRUE(out.empty()); // it may still become PROGRAM
    EXPECT_TRUE(r.hasPendingInput());
    r.lineIdle(out);
    ASSERT_EQ(out.size(), 10u);
    EXPECT_EQ(out[0], 'V');
    // A retry's PROGRAM in the middle of clone mode starts over.
    EXPECT_EQ(feed(r, ascii("PROGRAM"), false), Bytes{0x06});
}

TEST(SimRadio, IdentCarriesBandCodeAndModelByte) {
    SimRadio r(DemoRadioMemory());
    r.memory()[445] = 99;
    r.memory()[446] = 0xF8;
    feed(r, ascii("PROGRAM"));
    EXPECT_EQ(feed(r, {0x02}), (Bytes{0x50, '5', '6', '1', '7', 99, 0xF8, 0xFF}));
    r.faults().otherModel = true;
    EXPECT_EQ(feed(r, {0x02})[6], 0xFC);
}

TEST(SimRadio, InfoWriteNeedsItsChecksum) {
    SimRadio r(DemoRadioMemory());
    feed(r, ascii("PROGRAM"));
    Bytes block(34, 0xFF);
    std::memcpy(block.data(), "HLBK5613C", 9);
    block[33] = InfoChecksum(block) ^ 0x01;
    EXPECT_TRUE(feed(r, block).empty());
    EXPECT_EQ(r.info().modelType, "4617");
    block[33] = InfoChecksum(block);
    EXPECT_EQ(feed(r, block), Bytes{0x06});
    EXPECT_EQ(r.info().modelType, "5613");
    EXPECT_EQ(r.info().serialNumber, "");
}

TEST(SimRadio, FaultSwitchesCountFrames) {
    SimRadio silent(DemoRadioMemory());
    silent.faults().silentAfterFrames = 2;
    EXPECT_EQ(feed(silent, ascii("PROGRAM")), Bytes{0x06});
    EXPECT_EQ(feed(silent, {0x02}).size(), 8u);
    EXPECT_TRUE(feed(silent, {0x06}).empty());
    EXPECT_EQ(silent.framesReceived(), 3);

    SimRadio hangs(DemoRadioMemory());
    hangs.faults().hangUpAfterFrames = 1;
    feed(hangs, ascii("PROGRAM"));
    EXPECT_TRUE(feed(hangs, {0x02}).empty());
    EXPECT_TRUE(hangs.hungUp());
    EXPECT_TRUE(feed(hangs, ascii("PROGRAM")).empty());

    SimRadio corrupt(DemoRadioMemory());
    corrupt.faults().corruptBlockAt = 0x40;
    feed(corrupt, ascii("PROGRAM"));
    const Bytes request{'R', 0x00, 0x40, 0x40};
    EXPECT_NE(feed(corrupt, request)[2], 0x40);
    EXPECT_EQ(feed(corrupt, request)[2], 0x40); // damaged once only
}

} // namespace
} // namespace rv::link::test
