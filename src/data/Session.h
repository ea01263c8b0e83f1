#pragma once

#include "FileFault.h"
#include "Messages.h"
#include "RadioData.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rv {

using MemoryImage = std::array<std::uint8_t, 1024>;
using DqtTable = std::array<Int16, 83>;

/// The program state that lives beside the document for the whole run: the document and
/// its saved copy, the memory image, the current model and band with their limits, the
/// DQT table and the language. The data layer has no user interface; whatever it has to
/// tell the user goes through `report`, and the caller shows it.
struct Session {
    RadioData Doc;
    RadioData SavedCopy;
    MemoryImage Image{};
    std::string CurModelCode = "7415";
    std::string CurBand = "400 - 470 MHz";
    double BandLow = 400;
    double BandHigh = 470;
    DqtTable Dqt{};
    int CurLanguage = English;
    std::string DocPath = "new.dat";
    bool IsNewFile = true;
    /// The model type bytes of the last radio-information read, untranslated ("4617").
    std::string RadioModelType;
    /// The info block (34 bytes) and version block (10 bytes) of the last radio-information
    /// read, as the radio sent them; empty before the first read. An information write sends
    /// back every byte of them that the user did not change.
    std::vector<std::uint8_t> RadioInfoBlock;
    std::vector<std::uint8_t> RadioVersionBlock;

    /// Why the last open or save failed, told with Msg::FileError.
    FileFault LastFileFault;

    /// Receives the messages of the data layer (out-of-range frequency and the like).
    std::function<void(Msg)> onMessage;
    /// A second line for the message being reported (why a file failed, which fields are
    /// damaged); it holds text only while `onMessage` runs.
    mutable std::string MessageDetail;
    void report(Msg m) const {
        if (onMessage) onMessage(m);
    }
    void report(Msg m, const std::string& detail) const {
        MessageDetail = detail;
        report(m);
        MessageDetail.clear();
    }
};

} // namespace rv
