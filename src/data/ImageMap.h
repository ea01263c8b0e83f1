#pragma once

#include "Session.h"

#include <cstdint>
#include <string>

// Addresses of the 1024-byte radio memory and the byte helpers shared by the encoder and
// the decoder.
namespace rv::image {

inline constexpr int ChannelBase(int n) {
    return 16 * n;
} // n = 1..16
inline constexpr int DtmfInfoAt = 272;
inline constexpr int KeyFunc1At = 285;
inline constexpr int KeyFunc2At = 286;
inline constexpr int IdCodeAt = 288;
inline constexpr int OptFeaturesAt = 300; // 300..318, 302 always 1
inline constexpr int PttIdBotAt = 320;
inline constexpr int PttIdEotAt = 336;
inline constexpr int ScanInfoAt = 352;
inline constexpr int FleetSyncAt = 368;
inline constexpr int ChannelMapAt = 380; // 380/381 programmed, 382/383 scanned
inline constexpr int ScanMapAt = 382;
inline constexpr int ModelBlockAt = 440;
inline constexpr int BandCodeAt = 445;
inline constexpr int ModelByteAt = 446;
inline constexpr int TestSigAt(int n) {
    return 479 + n;
} // n = 1..16
inline constexpr int StunCodeAt = 496;
inline constexpr int StunTypeAt = 506;
inline constexpr int AutodialAt(int n) {
    return 512 + 16 * (n - 1);
} // n = 1..8
inline constexpr int TestFreAt(int n) {
    return 640 + 8 * (n - 1);
} // n = 1..16
inline constexpr int EmbMsg1At = 768;
inline constexpr int EmbMsg2At = 800;

/// Slot s = 1..8 of the fleet list: two groups of four with a gap between them.
inline constexpr int FleetSlotAt(int s) {
    return s <= 4 ? 448 + 3 * s : 452 + 3 * s;
}

/// The used entries of a list: its count held to 0..capacity, so a damaged count never
/// reaches beyond the array.
inline int Used(int count, int capacity) {
    return count < 0 ? 0 : count > capacity ? capacity : count;
}

inline int Get16(const MemoryImage& m, int at) {
    return m[at] | (m[at + 1] << 8);
}
inline void Put16(MemoryImage& m, int at, int v) {
    m[at] = static_cast<std::uint8_t>(v & 0xFF);
    m[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

} // namespace rv::image
