#include "Fixtures.h"

#include "data/Defaults.h"
#include "data/DocumentDiff.h"
#include "data/ImageCompare.h"

namespace {

TEST(ImageCompare, AddressesNameTheirSettingInBothLanguages) {
    struct Case {
        int address;
        const char* en;
        const char* zh;
    };
    const Case cases[] = {
        {0x30, "channel 3 receive frequency", "信道 3 接收频率"},
        {16 * 16 + 11, "channel 16 transmit QT/DQT", "信道 16 发射 QT/DQT"},
        {309, "battery save", "电池省电"},
        {357, "scan dropout delay time", "扫描接收恢复延迟时间"},
        {467, "FleetSync fleet slot 5", "FleetSync 组 5"},
        {482, "test frequency 3 signalling", "测试频率 3 信令"},
        {0x1F9, "DTMF stun code", "DTMF 遥毙码"},
        {528, "autodial memory 2", "自动拨号存储 2"},
        {644, "test frequency 1 transmit", "测试频率 1 发射"},
        {799, "embedded message line 1", "开机信息 1"},
        {800, "embedded message line 2", "开机信息 2"},
        {5, "address 0x0005", "地址 0x0005"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rv::AddressSetting(c.address, rv::English), c.en) << c.address;
        EXPECT_EQ(rv::AddressSetting(c.address, rv::Chinese), c.zh) << c.address;
    }
}

TEST(ImageCompare, WriteMapLeavesOutTheRadiosOwnAreas) {
    for (const int a : {0, 0x17F, 0x1B8, 0x1F8, 0x33F})
        EXPECT_TRUE(rv::InWriteMap(a)) << a;
    for (const int a : {0x180, 0x1B7, 0x340, 1023, -1})
        EXPECT_FALSE(rv::InWriteMap(a)) << a;
    rv::MemoryImage a{}, b{};
    b[0x190] = b[0x200] = 1;
    EXPECT_EQ(rv::DifferingAddresses(a, b, true), std::vector<int>{0x200});
    EXPECT_EQ(rv::DifferingAddresses(a, b, false), (std::vector<int>{0x190, 0x200}));
}

TEST(DocumentDiff, OneRowPerDifferingSetting) {
    rvtest::RecordingSession a;
    a.s.CurModelCode = "7415";
    rv::InitRadioData(a.s, "20260101");
    a.s.Doc.ChannelCount = 1;
    a.s.Doc.Channels[0] = rv::NewChannel(3);
    a.s.Doc.Channels[0].RxFreq.set("44603125");
    a.s.Doc.Channels[0].TxFreq.set("44603125");
    rv::Session b = a.s;
    EXPECT_TRUE(rv::CompareDocuments(a.s, b).empty());

    // A channel on one side only is one row; a text beyond ASCII is shown as the window
    // shows it.
    b.Doc.ChannelCount = 0;
    b.Doc.EmbMsg1.set("CAF\xC9");
    const auto rows = rv::CompareDocuments(a.s, b);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].area, "Channel 3");
    EXPECT_EQ(rows[0].item, "RX Frequency");
    EXPECT_EQ(rows[0].a, "446.03125");
    EXPECT_EQ(rows[0].b, "(none)");
    EXPECT_EQ(rows[1].item, "Line 1");
    EXPECT_EQ(rows[1].b, "CAF\xC3\x89");
    EXPECT_EQ(rv::CompareDocuments(b, a.s)[0].b, "446.03125");
}

} // namespace
