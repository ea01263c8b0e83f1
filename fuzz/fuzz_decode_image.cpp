// Any 1024 bytes from a radio must decode, with every checked setting in range, and the
// decoded document must encode again.
#include "data/Conversions.h"
#include "data/Image.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rv::MemoryImage image;
    image.fill(0xFF);
    std::copy_n(data, std::min(size, image.size()), image.begin());
    rv::Session s;
    rv::DecodeImage(image, s);
    const rv::RadioData& d = s.Doc;
    if (d.ChannelCount > 16 || d.OptFeatures.TotTime < 1 || d.OptFeatures.TotTime > 40 ||
        d.DtmfInfo.FirstDigitDelay % 5 != 0 || d.FleetSyncInfo.OwnId > 4000 ||
        d.ScanInfo.DropoutDelay > 300 || s.CurBand.empty())
        std::abort();
    for (int i = 0; i < d.ChannelCount; ++i) {
        rv::StorageToFreq(s, d.Channels[i].RxFreq.get());
        rv::ToneToText(s, d.Channels[i].RxCode.get());
    }
    rv::MemoryImage again;
    rv::InitImage(again);
    if (!rv::EncodeImage(d, again)) std::abort();
    return 0;
}
