// The memory the simulated radio starts from: a radio as a dealer would have programmed it.
#include "data/Defaults.h"
#include "data/Image.h"
#include "sim/SimRadio.h"

#include <string_view>

namespace rv::sim {

namespace {

struct DemoChannel {
    int chNo;
    const char* rx;
    const char* tx; ///< "FFFFFFFF": receive only
    const char* rxCode;
    const char* txCode;
    int txPower;
    int wideNarrow;
    int scanAdd;
};

// QT 67.0 and 88.5 Hz, DQT D023N and D754I, and two receive-only channels.
constexpr DemoChannel DemoChannels[] = {
    {1, "44600625", "44600625", "029E", "029E", 1, 1, 1},
    {2, "44601875", "44601875", "0375", "0375", 0, 0, 1},
    {3, "44603125", "44603125", "2813", "2813", 1, 0, 0},
    {4, "45012500", "45512500", "A9EC", "A9EC", 1, 1, 1},
    {5, "46255000", "FFFFFFFF", "FFFF", "FFFF", 0, 1, 0},
    {9, "43500000", "FFFFFFFF", "029E", "FFFF", 0, 0, 1},
};

} // namespace

rv::MemoryImage DemoRadioMemory() {
    rv::Session s;
    s.CurModelCode = "7415";
    s.CurBand = "400 - 470 MHz";
    rv::InitRadioData(s, "20261201");
    rv::RadioData& d = s.Doc;
    d.ChannelCount = 0;
    for (const auto& c : DemoChannels) {
        rv::ChannelInfo ch = rv::NewChannel(c.chNo);
        ch.RxFreq.set(c.rx);
        ch.TxFreq.set(c.tx);
        ch.RxCode.set(c.rxCode);
        ch.TxCode.set(c.txCode);
        ch.TxPower = static_cast<rv::Int16>(c.txPower);
        ch.WideNarrow = static_cast<rv::Int16>(c.wideNarrow);
        ch.ScanAdd = static_cast<rv::Int16>(c.scanAdd);
        ch.AuxBit4 = std::string_view(c.tx) == "FFFFFFFF" ? 1 : 0;
        ch.BusyLockout = 1;
        d.Channels[static_cast<std::size_t>(d.ChannelCount++)] = ch;
    }
    d.OptFeatures.TotTime = 12;
    d.OptFeatures.SquelchLevel = 3;
    d.OptFeatures.BatterySave = 1;
    d.OptFeatures.VoxFunction = 1;
    d.OptFeatures.VoxGain = 7;
    d.KeyFunc1 = 3;
    d.ScanInfo.PriorityChannel = 2;
    d.EmbMsg1.set("DEALER DEMO");
    d.EmbMsg2.set("CH 1-5 SITE A");
    d.DtmfCodeCount = 1;
    d.DtmfCodes[0].No = 1;
    d.DtmfCodes[0].Code.set("1234");

    rv::MemoryImage image;
    rv::InitImage(image);
    rv::EncodeImage(d, image);
    // The radio's own alignment area, which a programmer never writes.
    for (std::size_t a = 0x180; a < 0x1B8; ++a)
        image[a] = static_cast<std::uint8_t>(0x40 + a % 32);
    return image;
}

} // namespace rv::sim
