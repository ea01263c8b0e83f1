// Any byte string given as a data file is opened or refused; an opened document can be
// shown, compared, encoded (or refused) and saved again without harm.
#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Image.h"
#include "data/ModelTables.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto doc = rv::FromRecord(std::span<const std::uint8_t>(data, size));
    if (!doc) {
        if (size >= rv::RecordSize) std::abort();
        return 0;
    }
    rv::Session s;
    s.Doc = *doc;
    s.SavedCopy = *doc;
    if (!rv::IsUnchanged(s)) std::abort();
    rv::TakeModelInfo(s);
    if (s.CurBand.empty()) std::abort();
    for (const auto& c : s.Doc.Channels) {
        rv::StorageToFreq(s, c.RxFreq.full());
        rv::FreqToStorage(s, c.TxFreq.full());
        rv::CheckFreq(s, c.RxFreq.get());
        rv::ToneToText(s, c.RxCode.full());
        rv::TextToTone(s, c.TxCode.get());
    }
    rv::MemoryImage image;
    rv::InitImage(image);
    rv::EncodeImage(s.Doc, image);
    const rv::Record back = rv::ToRecord(s.Doc);
    if (!std::equal(back.begin(), back.end(), data)) std::abort();
    return 0;
}
