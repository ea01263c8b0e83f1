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
        {0x30, "Channel 3: RX Frequency", "信道 3: 接收频率"},
        {16 * 16 + 12, "Channel 16: Opt Signal, Busy Channel Lockout, SP Unmute, Compander",
         "信道 16: 可选信令, 繁忙信道锁定, SP不静音, 压扩器"},
        {380, "channel list", "信道列表"},
        {467, "FleetSync: Fleet List 5 Fleet", "FleetSync(队列同步): 队列表 5 队列"},
        {482, "test frequency signalling", "测试频率信令"},
        {799, "Embedded Message: Line 1", "嵌入信息: 第 1 行"},
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

    // A channel on one side only lists every setting it holds, channels in number order;
    // a text beyond ASCII is shown as the window shows it.
    b.Doc.Channels[0].ChNo = 10;
    b.Doc.EmbMsg1.set("CAF\xC9");
    const auto rows = rv::CompareDocuments(a.s, b);
    ASSERT_EQ(rows.size(), 2 * 14 + 1u);
    EXPECT_EQ(rows[0].area, "Channel 3");
    EXPECT_EQ(rows[0].item, "RX Frequency");
    EXPECT_EQ(rows[0].a, "446.03125");
    EXPECT_EQ(rows[0].b, "(none)");
    EXPECT_EQ(rows[14].area, "Channel 10");
    EXPECT_EQ(rows.back().item, "Line 1");
    EXPECT_EQ(rows.back().b, "CAF\xC3\x89");
}

} // namespace
