#include "Fixtures.h"
#include "data/Catalogue.h"

#include "data/DamagedFields.h"
#include "data/Defaults.h"
#include "data/Image.h"

#include <gtest/gtest.h>

namespace {

using rv::MemoryImage;
using rvtest::RecordingSession;

MemoryImage Blank() {
    MemoryImage m;
    m.fill(0xFF);
    return m;
}

MemoryImage Encoded(const rv::RadioData& d) {
    MemoryImage m;
    rv::InitImage(m);
    std::string error;
    EXPECT_TRUE(rv::EncodeImage(d, m, &error)) << error;
    return m;
}

rv::ChannelInfo Channel(int n, const char* rx, const char* tx = "FFFFFFFF") {
    rv::ChannelInfo c = rv::NewChannel(n);
    c.RxFreq.set(rx);
    c.TxFreq.set(tx);
    return c;
}

rv::RadioData NewDoc() {
    RecordingSession r;
    rv::InitRadioData(r.s, "20260102");
    return r.s.Doc;
}

TEST(InitImage, BlankWithItsConstants) {
    MemoryImage m;
    m.fill(0x00);
    rv::InitImage(m);
    for (int at = 0; at < 1024; ++at) {
        const bool zero = at == 319 || at == 377 || (at >= 380 && at <= 383);
        const int expected = zero ? 0 : at == 839 ? 0x43 : 0xFF;
        EXPECT_EQ(m[at], expected) << "address " << at;
    }
}

TEST(DecodeImage, BlankRadioGivesEmptyLists) {
    RecordingSession r;
    r.s.Doc.SerialNumber.set("KEEPME");
    rv::DecodeImage(Blank(), r.s);
    const rv::RadioData& d = r.s.Doc;
    EXPECT_EQ(d.ChannelCount, 0);
    EXPECT_EQ(d.DtmfCodeCount, 0);
    EXPECT_EQ(d.FleetCount, 0);
    EXPECT_EQ(d.TestFreCount, 0);
    EXPECT_EQ(d.EmbMsg1.get(), "");
    EXPECT_EQ(d.OptFeatures.PttIdBot.get(), "");
    EXPECT_EQ(d.DtmfInfo.IdCode.get(), "000");
    EXPECT_EQ(d.SerialNumber.get(), "KEEPME"); // radio information is not in the image
}

TEST(DecodeImage, ChannelsWithoutValidReceiveFrequencyAreSkipped) {
    RecordingSession r;
    MemoryImage m = Blank();
    const std::uint8_t rx[4] = {0x00, 0x25, 0x65, 0x14};
    for (int n : {2, 3, 5})
        std::copy(rx, rx + 4, m.begin() + 16 * n);
    m[16 * 3 + 1] = 0x1A; // not BCD
    rv::DecodeImage(m, r.s);
    ASSERT_EQ(r.s.Doc.ChannelCount, 2);
    EXPECT_EQ(r.s.Doc.Channels[0].ChNo, 2);
    EXPECT_EQ(r.s.Doc.Channels[0].RxFreq.get(), "14652500");
    EXPECT_EQ(r.s.Doc.Channels[0].TxFreq.get(), "FFFFFFFF");
    EXPECT_EQ(r.s.Doc.Channels[0].RxCode.get(), "FFFF");
    EXPECT_EQ(r.s.Doc.Channels[1].ChNo, 5);
}

TEST(DecodeImage, TransmitFrequencyThatIsNotBcdReadsAsNone) {
    RecordingSession r;
    MemoryImage m = Blank();
    const std::uint8_t ch[8] = {0x00, 0x25, 0x65, 0x14, 0x00, 0xA5, 0x65, 0x14};
    std::copy(ch, ch + 8, m.begin() + 16);
    rv::DecodeImage(m, r.s);
    ASSERT_EQ(r.s.Doc.ChannelCount, 1);
    EXPECT_EQ(r.s.Doc.Channels[0].TxFreq.get(), "FFFFFFFF");
}

TEST(EncodeImage, ChannelBytes) {
    rv::RadioData d = NewDoc();
    rv::ChannelInfo c = Channel(9, "1465250", "14652500");
    c.RxCode.set("029E");
    c.TxCode.set("A9EC");
    c.SpUnmute = 2;
    c.BusyLockout = 3;
    c.OptSignal = 1;
    c.Compander = 1;
    c.BeatShift = 1;
    c.TxPower = 0;
    c.AuxBit6 = 1;
    c.AuxBit4 = 0;
    c.PttId = 1;
    c.AutodialMem = 5;
    d.Channels[0] = c;
    d.ChannelCount = 1;
    const MemoryImage m = Encoded(d);
    const std::uint8_t expected[16] = {0x00, 0x25, 0x65, 0x14, 0x00, 0x25, 0x65, 0x14,
                                       0x9E, 0x02, 0xEC, 0xA9, 0x5B, 0x50, 0x41, 0x05};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(m[144 + i], expected[i]) << "offset " << i;
    EXPECT_EQ(m[380], 0);
    EXPECT_EQ(m[381], 0x01);
    EXPECT_EQ(m[383], 0x01);
}

TEST(EncodeImage, ChannelWithoutTransmitFrequencyAndScanOff) {
    rv::RadioData d = NewDoc();
    d.Channels[0] = Channel(3, "146525");
    d.Channels[0].ScanAdd = 0;
    d.ChannelCount = 1;
    const MemoryImage m = Encoded(d);
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(m[48 + i], 0xFF);
    EXPECT_EQ(m[48 + 8], 0xFF);
    EXPECT_EQ(m[48 + 9], 0xFF);
    EXPECT_EQ(m[380], 0x04);
    EXPECT_EQ(m[382], 0x00);
}

TEST(EncodeImage, RefusesDamagedTextsAndLeavesImageAlone) {
    struct Damage {
        const char* what;
        const char* names;
        void (*apply)(rv::RadioData&);
    };
    const Damage cases[] = {
        {"rx", "channel 1 RxFreq", [](rv::RadioData& d) { d.Channels[0].RxFreq.set("14G525"); }},
        {"tx", "channel 1 TxFreq", [](rv::RadioData& d) { d.Channels[0].TxFreq.set("1465 500"); }},
        {"tone", "channel 1 RxCode", [](rv::RadioData& d) { d.Channels[0].RxCode.set("02X9"); }},
        {"test", "test frequency 1 RxFreq",
         [](rv::RadioData& d) { d.TestFres[0].RxFreq.set("15?05"); }},
        {"fleet", "65536",
         [](rv::RadioData& d) {
             d.Fleets[0] = {1, 1, 65536};
             d.FleetCount = 1;
         }},
        {"chno", "-3", [](rv::RadioData& d) { d.Channels[0].ChNo = -3; }},
    };
    for (const auto& c : cases) {
        rv::RadioData d = NewDoc();
        d.Channels[0] = Channel(1, "14652500");
        d.ChannelCount = 1;
        c.apply(d);
        MemoryImage m;
        rv::InitImage(m);
        const MemoryImage before = m;
        std::string error;
        EXPECT_FALSE(rv::EncodeImage(d, m, &error)) << c.what;
        EXPECT_NE(error.find(c.names), std::string::npos) << error;
        EXPECT_EQ(m, before) << c.what;
    }
}

TEST(EncodeImage, DamagedCountsStayWithinTheLists) {
    rv::RadioData d = NewDoc();
    d.ChannelCount = 300;
    d.DtmfCodeCount = -5;
    d.TestFreCount = 99;
    d.FleetCount = 1000;
    for (int i = 0; i < 16; ++i)
        d.Channels[i] = Channel(i + 1, "4461");
    for (int i = 0; i < 8; ++i)
        d.Fleets[i] = {static_cast<rv::Int16>(i + 1), 1, 1};
    MemoryImage m;
    rv::InitImage(m);
    EXPECT_TRUE(rv::EncodeImage(d, m));
    EXPECT_EQ(m[380], 0xFF);
    EXPECT_EQ(m[381], 0xFF);
}

TEST(ImageModel, ModelAndBandComeFromTheImage) {
    const std::tuple<int, int, const char*, const char*> cases[] = {
        {67, 248, "592", "400 - 470 MHz"},
        {65, 252, "7415", "400 - 470 MHz"},
        {99, 248, "6415", "136 - 174 MHz"},
        {1, 249, "582", "136 - 174 MHz"},
    };
    for (const auto& [band, byte, model, text] : cases) {
        RecordingSession r;
        MemoryImage m = Blank();
        m[445] = static_cast<std::uint8_t>(band);
        m[446] = static_cast<std::uint8_t>(byte);
        rv::DecodeImage(m, r.s);
        EXPECT_EQ(r.s.CurModelCode, model);
        EXPECT_EQ(r.s.CurBand, text);
    }
}

TEST(ImageModel, UnknownPairKeepsTheBandLimits) {
    for (const auto& [band, byte] : {std::pair{77, 249}, std::pair{83, 249}, std::pair{0, 0}}) {
        RecordingSession r;
        MemoryImage m = Blank();
        m[445] = static_cast<std::uint8_t>(band);
        m[446] = static_cast<std::uint8_t>(byte);
        rv::DecodeImage(m, r.s);
        EXPECT_EQ(r.s.CurModelCode, "7415") << band << "/" << byte;
        EXPECT_EQ(r.s.CurBand, "400 - 470 MHz");
        EXPECT_EQ(r.s.BandLow, 400);
    }
}

} // namespace

namespace {

// A frequency text that is no number is named wherever it stands, in both languages.
TEST(DamagedFrequencies, EachDamagedFrequencyIsNamed) {
    struct Case {
        void (*damage)(rv::RadioData&);
        const char* en;
        const char* zh;
    };
    const Case cases[] = {
        {[](rv::RadioData&) {}, "", ""},
        {[](rv::RadioData& d) { d.Channels[0].RxFreq.set("4X600000"); }, "channel 3 RX frequency",
         "信道 3 接收频率"},
        {[](rv::RadioData& d) { d.Channels[0].TxFreq.set("4X600000"); }, "channel 3 TX frequency",
         "信道 3 发射频率"},
        {[](rv::RadioData& d) { d.TestFres[1].RxFreq.set("4X600000"); }, "test frequency 2 RX",
         "测试频率 2 接收"},
        {[](rv::RadioData& d) { d.TestFres[1].TxFreq.set("4X600000"); }, "test frequency 2 TX",
         "测试频率 2 发射"},
    };
    for (const Case& c : cases) {
        rv::Session s;
        rv::InitRadioData(s, "20260101");
        s.Doc.ChannelCount = 1;
        s.Doc.Channels[0] = rv::NewChannel(3);
        s.Doc.Channels[0].RxFreq.set("44600000");
        s.Doc.Channels[0].TxFreq.set("44600000");
        c.damage(s.Doc);
        EXPECT_EQ(rv::DamagedFrequencyList(s), c.en);
        s.CurLanguage = rv::Chinese;
        EXPECT_EQ(rv::DamagedFrequencyList(s), c.zh);
    }
}

} // namespace
