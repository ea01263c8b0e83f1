#pragma once

#include "Session.h"

#include <optional>
#include <string>
#include <vector>

// Comparing memory images: what a write sends, what a read-back must match, and the setting
// a byte belongs to.
namespace rv {

/// True for the addresses a write sends: 0x000 to 0x17F and 0x1B8 to 0x33F.
bool InWriteMap(int address);

/// The addresses where `a` and `b` differ, ascending; only those in the write map when
/// `writeMapOnly`.
std::vector<int> DifferingAddresses(const MemoryImage& a, const MemoryImage& b, bool writeMapOnly);

/// Three reads of one radio decide each byte by two equal reads. `addresses` lists those
/// where all three differ; `image` holds the decided bytes when there are none.
struct ReadVote {
    std::optional<MemoryImage> image;
    std::vector<int> addresses;
};
ReadVote VoteReads(const MemoryImage& a, const MemoryImage& b, const MemoryImage& c);

/// The setting a memory address belongs to, in a language: "channel 3 receive frequency",
/// "embedded message line 1"; "address 0x1A0" where no setting lives.
std::string AddressSetting(int address, int language);

/// An address as the messages print it: "0x0123".
std::string HexAddress(int address);

/// True when the image's band code and model byte name a model and one of its bands.
bool NamesKnownModel(const MemoryImage& image);

/// Addresses as a message lists them: "0x0012, 0x0013" and "and N more" beyond `limit`.
std::string AddressList(const std::vector<int>& addresses, std::size_t limit = 8);

} // namespace rv
