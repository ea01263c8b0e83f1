// The radio's test mode: live alignment values per tuning address, a stored alignment
// block that "p 0E" commits to, and the test channels from the radio's memory.
#include "data/ImageMap.h"
#include "link/TuneTables.h"
#include "sim/SimRadio.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace rv::sim {

namespace {

using rv::link::PointsOfCount;
using rv::link::SwitchesWithBand;
using rv::link::TuneAddress;
using rv::link::TuneBlockIndex;
using rv::link::TuneItemCount;
using rv::link::TunePointCount;

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t KeyAddress = 0x08;
constexpr const char* Tuning = "TUNING ";
constexpr std::size_t TestChannelBase = 640;

using Block = std::array<std::uint8_t, rv::link::TuneBlockSize>;

/// The alignment of a radio fresh from the factory bench. Bytes 23, 28 and 33 (the "Test"
/// points at the shared address 24) agree, as the radio keeps one value there; so do their
/// narrow values, bytes 27, 32 and 37.
Block FactoryBlock() {
    return {0x38, 0x3A, 0x3C, 0x3E, 0x30, 0x52, 0x54, 0x56, 0x58, 0x4A, // squelch
            0xB4, 0xB0, 0xB2, 0xB4, 0xB6, 0xB8,                         // high power
            0x5A, 0x58, 0x59, 0x5A, 0x5B, 0x5C,                         // low power
            0xFF, 0x80, 0x7C, 0x80, 0x84, 0x60,                         // max deviation
            0x80, 0x78, 0x80, 0x88, 0x60,                               // DQT balance
            0x80, 0x40, 0x44, 0x48, 0x60,                               // QT/DQT fine
            0xFF, 0xFF, 0xFF, 0xFF, 0xFF,                               // unused
            0x66, 0x50,                                                 // DTMF fine
            0x90, 0x8C, 0x90, 0x94,                                     // sensitivity
            0x62, 0x60, 0x62, 0x64, 0x50,                               // MSK fine
            0x9A, 0xFF, 0x20, 0x28,                                     // battery, VOX
            0x70, 0x6C, 0x70, 0x74};                                    // RSSI
}

constexpr std::uint8_t Nak = 0x15;

class TestModeRadio : public SimModeHandler {
public:
    TestModeRadio(const SimFaults& faults, SimTestModeKept& kept)
        : faults_(faults), kept_(kept), stored_(kept.block) {
        kept.endReceived = false;
        if (!kept.set) {
            kept.block = FactoryBlock();
            kept.set = true;
        }
        loadLive();
    }

    bool consume(std::deque<std::uint8_t>& in, std::vector<std::uint8_t>& out,
                 rv::MemoryImage& memory) override {
        const auto& lost = faults_.testModeReplyLostFrame;
        const bool losing = !lost.empty() && in.size() >= lost.size() &&
                            std::equal(lost.begin(), lost.end(), in.begin());
        const std::size_t before = out.size();
        const bool done = consumeFrame(in, out, memory);
        if (losing && done) {
            out.resize(before);
            dead_ = dead_ || faults_.testModeDeadAfterLostReply;
        }
        return done;
    }

private:
    bool consumeFrame(std::deque<std::uint8_t>& in, std::vector<std::uint8_t>& out,
                      rv::MemoryImage& memory) {
        if (in.empty()) return false;
        in_ = &in;
        out_ = &out;
        if (dead_) {
            in.clear();
            return true;
        }
        if (const auto nak = nakFrame(); nak.has_value()) return *nak;
        const bool opening = openPending_;
        openPending_ = false;
        const bool quiet = quietAck_;
        quietAck_ = false;
        const bool blockSent = afterBlock_;
        afterBlock_ = false;
        if (ended_ || in.front() == Tuning[0]) return restart();
        switch (in.front()) {
        case 0x02:
            return single(ident(memory));
        case 0x05:
            loadLive(); // entering tuning starts from the stored alignment
            afterBlock_ = true;
            return single({stored_.begin(), stored_.end()});
        case Ack:
            openPending_ = blockSent;
            take(1);
            if (!quiet) out.push_back(Ack);
            return true;
        case 0x07:
            quietAck_ = true;
            return single(values());
        case 0x45:
            ended_ = true;
            kept_.keyed = false; // leaving test mode unkeys
            kept_.endReceived = true;
            return single({Ack});
        case 0x46:
            wide_ = true;
            return single({Ack});
        case 0x47:
            wide_ = false;
            return single({Ack});
        case 0x10:
            return twoByte([&](std::uint8_t n) { return testChannel(memory, n); });
        case 0x11:
            return twoByte([](std::uint8_t) { return std::vector<std::uint8_t>{Ack}; });
        default:
            return addressed(opening);
        }
    }

private:
    /// The fault switch's frame: answered with 15 and otherwise ignored. Empty when the
    /// bytes are not that frame; false while they may still become it.
    std::optional<bool> nakFrame() {
        const auto& f = faults_.testModeNakFrame;
        if (f.empty()) return std::nullopt;
        const std::size_t n = std::min(in_->size(), f.size());
        if (!std::equal(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(n), in_->begin()))
            return std::nullopt;
        if (n < f.size()) return false;
        take(f.size());
        out_->push_back(Nak);
        return true;
    }

    bool restart() {
        const std::size_t n = std::strlen(Tuning);
        const std::size_t have = std::min(in_->size(), n);
        if (!std::equal(in_->begin(), in_->begin() + static_cast<std::ptrdiff_t>(have), Tuning)) {
            take(1); // not a frame of ours
            return true;
        }
        if (have < n) return false;
        take(n);
        ended_ = false;
        wide_ = true;
        out_->push_back(Ack);
        return true;
    }

    bool single(const std::vector<std::uint8_t>& reply) {
        take(1);
        out_->insert(out_->end(), reply.begin(), reply.end());
        return true;
    }

    template <class F> bool twoByte(F reply) {
        if (in_->size() < 2) return false;
        const std::uint8_t p = (*in_)[1];
        take(2);
        const auto r = reply(p);
        out_->insert(out_->end(), r.begin(), r.end());
        return true;
    }

    /// Frames that begin with an address: p 0D, p 0E, p 0A, p 20 v.
    bool addressed(bool opening) {
        if (in_->size() < 2) return false;
        const int p = (*in_)[0];
        switch ((*in_)[1]) {
        case 0x0D:
            take(2);
            if (p == KeyAddress)
                kept_.keyed = false;
            else
                select(p);
            // Only the key and the selection of a freshly loaded item are acknowledged.
            if (p == KeyAddress || opening) out_->push_back(Ack);
            return true;
        case 0x0E:
            take(2);
            if (p == KeyAddress) {
                kept_.keyed = true;
                out_->push_back(Ack);
            } else {
                store(p);
            }
            return true;
        case 0x0A:
            take(2);
            if (faults_.testModeSilentOnPoll) {
                dead_ = true;
                return true;
            }
            quietAck_ = true;
            out_->push_back(value(p));
            return true;
        case 0x20:
            if (in_->size() < 3) return false;
            value(p) = (*in_)[2];
            take(3);
            return true;
        default:
            take(1);
            return true;
        }
    }

    void take(std::size_t n) {
        in_->erase(in_->begin(), in_->begin() + static_cast<std::ptrdiff_t>(n));
    }

    static std::vector<std::uint8_t> ident(const rv::MemoryImage& m) {
        return {0x50, 0, 0, 0, 0, m[rv::image::BandCodeAt], m[rv::image::ModelByteAt], 0};
    }

    static std::vector<std::uint8_t> testChannel(const rv::MemoryImage& m, int n) {
        if (n < 1 || n > 16) return std::vector<std::uint8_t>(8, 0xFF);
        // Memory keeps each frequency lowest digit pair first; test mode reports the
        // digits in reading order.
        const auto at = m.begin() + static_cast<std::ptrdiff_t>(TestChannelBase + 8 * (n - 1));
        std::vector<std::uint8_t> reply{at, at + 8};
        std::reverse(reply.begin(), reply.begin() + 4);
        std::reverse(reply.begin() + 4, reply.end());
        return reply;
    }

    static bool holds(int item, int address) {
        for (int pt = 0; pt < rv::link::TunePointSlots; ++pt)
            if (TuneAddress(item, pt) == address) return true;
        return false;
    }

    /// The item a point address belongs to; an address shared by several items keeps the
    /// current one when it is among them.
    void select(int address) {
        if (item_ && holds(item_, address)) return;
        for (int item = 1; item <= TuneItemCount; ++item)
            if (holds(item, address)) {
                item_ = item;
                return;
            }
    }

    bool narrowValue(int item, int address) const {
        return !wide_ && SwitchesWithBand(item) && address == TuneAddress(item, 0);
    }

    std::uint8_t& value(int address) {
        auto& bank = narrowValue(item_, address) ? narrow_ : wideBank_;
        return bank[static_cast<std::size_t>(address & 0xFF)];
    }

    std::vector<std::uint8_t> values() {
        std::vector<std::uint8_t> v;
        for (int pt : PointsOfCount(TunePointCount(item_, wide_)))
            v.push_back(value(TuneAddress(item_, pt)));
        return v;
    }

    /// Commits the live value of an address to every block byte that holds it: the items
    /// that share an address share its value, on the narrow band as on the wide.
    void store(int address) {
        if (address == faults_.testModeStoreLostAt) return;
        for (int item = 1; item <= TuneItemCount; ++item) {
            if (narrowValue(item, address)) {
                stored_[static_cast<std::size_t>(TuneBlockIndex(item, 6))] = narrow_[address];
                continue;
            }
            for (int pt = 0; pt < rv::link::TunePointSlots; ++pt)
                if (TuneAddress(item, pt) == address && TuneBlockIndex(item, pt) >= 0)
                    stored_[static_cast<std::size_t>(TuneBlockIndex(item, pt))] =
                        wideBank_[static_cast<std::size_t>(address)];
        }
    }

    void loadLive() {
        for (int item = 1; item <= TuneItemCount; ++item) {
            for (int pt = 0; pt < rv::link::TunePointSlots; ++pt) {
                const int a = TuneAddress(item, pt);
                const int at = TuneBlockIndex(item, pt);
                if (a > 0 && at >= 0)
                    wideBank_[static_cast<std::size_t>(a)] = stored_[static_cast<std::size_t>(at)];
            }
            if (SwitchesWithBand(item))
                narrow_[static_cast<std::size_t>(TuneAddress(item, 0))] =
                    stored_[static_cast<std::size_t>(TuneBlockIndex(item, 6))];
        }
    }

    const SimFaults& faults_;
    SimTestModeKept& kept_;
    Block& stored_;
    std::array<std::uint8_t, 256> wideBank_{};
    std::array<std::uint8_t, 256> narrow_{};
    std::deque<std::uint8_t>* in_ = nullptr;
    std::vector<std::uint8_t>* out_ = nullptr;
    int item_ = 0;
    bool wide_ = true;
    bool ended_ = false;
    bool afterBlock_ = false;  ///< the block went out; its acknowledgement comes next
    bool openPending_ = false; ///< block acknowledged: the item selection is answered
    bool quietAck_ = false;    ///< values went out: their acknowledgement gets no reply
    bool dead_ = false;        ///< a fault switch silenced the radio
};

} // namespace

std::unique_ptr<SimModeHandler> MakeTestModeHandler(const SimFaults& faults,
                                                    SimTestModeKept& kept) {
    return std::make_unique<TestModeRadio>(faults, kept);
}

} // namespace rv::sim
