#include "Image.h"

#include <array>

namespace rv {

namespace {

// Accepted range and the value that replaces anything outside it.
struct Rule {
    Setting setting;
    int low;
    int high;
    int fallback;
};

using S = Setting;
constexpr std::array<Rule, 42> Rules{{
    {S::TotTime, 1, 40, 4},
    {S::TotPreAlert, 0, 10, 0},
    {S::SquelchLevel, 0, 9, 5},
    {S::MicSensitivity, 0, 1, 0},
    {S::VoiceAnnunciation, 0, 3, 0},
    {S::BatterySave, 0, 1, 0},
    {S::Beep, 0, 1, 1},
    {S::ScramblerActivation, 0, 1, 0},
    {S::ScramblerBackup, 0, 1, 0},
    {S::PttIdMode, 0, 2, 0},
    {S::PttIdType, 0, 2, 0},
    {S::VoxFunction, 0, 1, 0},
    {S::VoxGain, 0, 10, 5},
    {S::VoxDelay, 0, 5, 1},
    {S::VoxCancelOperation, 0, 1, 0},
    {S::VoxProceedTone, 0, 1, 0},
    {S::VoxInhibitOnRx, 0, 1, 0},
    {S::CloneMode, 0, 1, 0},
    {S::PriorityType, 0, 2, 0},
    {S::PriorityChannel, 0, 16, 255},
    {S::LookBackA, 1, 91, 29},
    {S::LookBackB, 1, 91, 49},
    {S::RevertChannel, 0, 3, 1},
    {S::DropoutDelay, 0, 300, 3},
    {S::TxDwell, 0, 300, 3},
    {S::DtmfSpeed, 0, 3, 0},
    {S::FirstDigitTime, 0, 3, 0},
    {S::StarHashTone, 0, 3, 0},
    {S::DCodeAssign, 0, 16, 0},
    {S::DtmfSideTone, 0, 1, 1},
    {S::AutoResetTimer, 0, 15, 10},
    {S::CallAlert, 0, 2, 0},
    {S::Transpond, 0, 2, 0},
    {S::ClearToTranspond, 0, 1, 0},
    {S::StunType, 0, 1, 0},
    {S::OwnFleet, 1, 250, 255},
    {S::OwnId, 0, 4000, 0},
    {S::BaudRate, 0, 1, 0},
    {S::TxModDelay, 0, 6000, 400},
    {S::MsgModeTimer, 0, 300, 10},
    {S::PttIdSideTone, 0, 1, 0},
    {S::FirstDigitDelay, 10, 100, 10},
}};

bool IsGroupCode(int v) {
    for (char c : {'A', 'B', 'C', 'D', '*', '#'})
        if (v == c) return true;
    return v == 0;
}

} // namespace

int CheckDecodedValue(Setting setting, int value) {
    switch (setting) {
    case S::KeyFunc:
        return (value == 1 || (value > 11 && value < 255)) ? 255 : value;
    case S::GroupCode:
        return IsGroupCode(value) ? value : 0;
    default:
        break;
    }
    for (const Rule& r : Rules) {
        if (r.setting != setting) continue;
        if (value < r.low || value > r.high) return r.fallback;
        // The first digit delay moves in steps of 5 (50 ms).
        if (setting == S::FirstDigitDelay) return value - value % 5;
        return value;
    }
    return value;
}

} // namespace rv
