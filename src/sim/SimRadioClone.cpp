// The clone frames the simulated radio understands once PROGRAM has been acknowledged.
#include "data/ImageMap.h"
#include "link/CloneEngine.h"
#include "sim/SimRadio.h"

#include <algorithm>

namespace rv::sim {

namespace {

constexpr std::uint8_t Ack = 0x06;

} // namespace

// Each handler looks at the frame at the front of the input. It returns false when the
// frame is not complete yet, and true once it has taken bytes (a frame, or noise).
bool SimRadio::consumeClone(std::vector<std::uint8_t>& out, bool idle) {
    using Handler = bool (SimRadio::*)(std::vector<std::uint8_t>&, bool);
    static constexpr std::pair<std::uint8_t, Handler> handlers[] = {
        {'P', &SimRadio::onProgramOrVersion},
        {0x02, &SimRadio::onIdentRequest},
        {Ack, &SimRadio::onAck},
        {'E', &SimRadio::onEnd},
        {'R', &SimRadio::onReadRequest},
        {'W', &SimRadio::onWriteBlock},
        {'N', &SimRadio::onInfoRequest},
        {'H', &SimRadio::onInfoBlock},
        {'V', &SimRadio::onVersionBlock},
    };
    for (const auto& [first, handler] : handlers)
        if (in_.front() == first) return (this->*handler)(out, idle);
    take(1);
    return true;
}

bool SimRadio::onProgramOrVersion(std::vector<std::uint8_t>& out, bool idle) {
    // P alone is the version request; P followed by R is a new PROGRAM (a retry).
    if (in_.size() >= 2 && in_[1] == 'R') {
        if (in_.size() < 7) return false;
        if (!startsWith("PROGRAM")) {
            take(1);
            return true;
        }
        take(7);
        ++frames_;
        answer(out, {Ack});
        return true;
    }
    if (in_.size() == 1 && !idle) return false;
    take(1);
    ++frames_;
    answer(out, versionBlock());
    return true;
}

bool SimRadio::onIdentRequest(std::vector<std::uint8_t>& out, bool) {
    take(1);
    ++frames_;
    if (faults_.garbageIdent) {
        answer(out, {0x3F, 0x00, 0xA5, 0x5A, 0xFF, 0x13, 0x37, 0x00});
        return true;
    }
    answer(out, ident());
    return true;
}

bool SimRadio::onAck(std::vector<std::uint8_t>& out, bool) {
    take(1);
    ++frames_;
    answer(out, {Ack});
    return true;
}

bool SimRadio::onEnd(std::vector<std::uint8_t>& out, bool) {
    take(1);
    ++frames_;
    if (answer(out, {Ack})) state_ = State::Idle;
    return true;
}

bool SimRadio::onReadRequest(std::vector<std::uint8_t>& out, bool) {
    if (in_.size() < 4) return false;
    const int address = (in_[1] << 8) | in_[2];
    const int count = in_[3];
    take(4);
    ++frames_;
    answer(out, readBlock(address, count));
    return true;
}

bool SimRadio::onWriteBlock(std::vector<std::uint8_t>& out, bool) {
    if (in_.size() < 4 || in_.size() < 4u + in_[3]) return false;
    const int address = (in_[1] << 8) | in_[2];
    const int count = in_[3];
    std::vector<std::uint8_t> data(in_.begin() + 4, in_.begin() + 4 + count);
    take(4u + static_cast<std::size_t>(count));
    ++frames_;
    if (!answer(out, {Ack})) return true;
    for (int i = 0; i < count && address + i < 1024; ++i) {
        const bool damaged = address + i == faults_.corruptWriteAt;
        memory_[static_cast<std::size_t>(address + i)] =
            static_cast<std::uint8_t>(data[static_cast<std::size_t>(i)] ^ (damaged ? 1 : 0));
    }
    ++blocksWritten_;
    return true;
}

bool SimRadio::onInfoRequest(std::vector<std::uint8_t>& out, bool) {
    if (in_.size() < 3) return false;
    const bool request = in_[1] == 'R' && in_[2] == 'K';
    take(request ? 3 : 1);
    if (!request) return true;
    ++frames_;
    answer(out, infoBlock());
    return true;
}

bool SimRadio::onInfoBlock(std::vector<std::uint8_t>& out, bool) {
    if (in_.size() < link::InfoBlockLength) return false;
    std::vector<std::uint8_t> block(in_.begin(), in_.begin() + link::InfoBlockLength);
    take(link::InfoBlockLength);
    ++frames_;
    // A damaged block is not answered; the programmer times out and asks.
    if (block[1] != 'L' || block[2] != 'B' || block[3] != 'K' ||
        link::InfoChecksum(block) != block[link::InfoBlockLength - 1])
        return true;
    if (answer(out, {Ack})) storeInfo(block);
    return true;
}

bool SimRadio::onVersionBlock(std::vector<std::uint8_t>& out, bool) {
    if (in_.size() < link::VersionBlockLength) return false;
    std::string version;
    for (std::size_t i = 1; i < link::VersionBlockLength && in_[i] != 0xFF; ++i)
        version.push_back(static_cast<char>(in_[i]));
    take(link::VersionBlockLength);
    ++frames_;
    if (answer(out, {Ack})) info_.version = version;
    return true;
}

std::vector<std::uint8_t> SimRadio::ident() const {
    std::uint8_t model = memory_[rv::image::ModelByteAt];
    if (faults_.otherModel) model = model == 0xFC ? 0xF9 : 0xFC;
    return {0x50, '5', '6', '1', '7', memory_[rv::image::BandCodeAt], model, 0xFF};
}

std::vector<std::uint8_t> SimRadio::readBlock(int address, int count) {
    std::vector<std::uint8_t> block{'W', static_cast<std::uint8_t>(address >> 8),
                                    static_cast<std::uint8_t>(address & 0xFF),
                                    static_cast<std::uint8_t>(count)};
    for (int i = 0; i < count; ++i)
        block.push_back(address + i < 1024 ? memory_[static_cast<std::size_t>(address + i)] : 0xFF);
    const int flip = faults_.flipReadAt - address;
    if (flip >= 0 && flip < count && readFlips_ < faults_.flipReadTimes) {
        // A byte damaged on the line: the frame looks right, the data is not.
        ++readFlips_;
        block[4 + static_cast<std::size_t>(flip)] ^= static_cast<std::uint8_t>(readFlips_);
    }
    if (address == faults_.corruptBlockAt && !corrupted_) {
        corrupted_ = true;
        block[2] ^= 0x01; // a garbled header: the programmer must not take this block
    }
    return block;
}

std::vector<std::uint8_t> SimRadio::infoBlock() const {
    std::vector<std::uint8_t> block(link::InfoBlockLength, 0xFF);
    block[0] = 'H';
    block[1] = 'L';
    block[2] = 'B';
    block[3] = '-';
    for (std::size_t i = 0; i < 4 && i < info_.modelType.size(); ++i)
        block[4 + i] = static_cast<std::uint8_t>(info_.modelType[i]);
    block[8] = info_.typeLetter;
    block[13] = info_.frequencyCode;
    for (std::size_t i = 0; i < 8 && i < info_.serialNumber.size(); ++i)
        block[17 + i] = static_cast<std::uint8_t>(info_.serialNumber[i]);
    block[33] = link::InfoChecksum(block);
    return block;
}

std::vector<std::uint8_t> SimRadio::versionBlock() const {
    std::vector<std::uint8_t> block(link::VersionBlockLength, 0xFF);
    block[0] = 'V';
    for (std::size_t i = 0; i < 9 && i < info_.version.size(); ++i)
        block[1 + i] = static_cast<std::uint8_t>(info_.version[i]);
    return block;
}

void SimRadio::storeInfo(const std::vector<std::uint8_t>& block) {
    auto textAt = [&](std::size_t from, std::size_t n) {
        std::string t;
        for (std::size_t i = from; i < from + n && block[i] != 0xFF; ++i)
            t.push_back(static_cast<char>(block[i]));
        return t;
    };
    info_.modelType = textAt(4, 4);
    info_.typeLetter = block[8];
    info_.frequencyCode = block[13];
    info_.serialNumber = textAt(17, 8);
}

} // namespace rv::sim
