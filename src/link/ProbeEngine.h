#pragma once

#include "link/CloneEngine.h"

#include <optional>
#include <span>
#include <string>

namespace rv::link {

/// What a radio says about itself when asked who it is.
struct RadioIdent {
    std::string modelCode; ///< e.g. "7415"
    int bandCode = 0;
    std::string band; ///< the band text of that model, e.g. "400 - 470 MHz"
};

/// The side of the probe that owns the port and the reply timer.
class ProbeHost {
public:
    virtual ~ProbeHost() = default;
    /// Empties both port buffers, sets the receive threshold to `replyLength`, writes `frame`
    /// and starts the reply timer.
    virtual void send(const Bytes& frame, int replyLength) = 0;
    /// The probe is over; `ident` is empty when no radio answered.
    virtual void finish(const std::optional<RadioIdent>& ident) = 0;
};

/// Asks whether a radio is on the line: Program, Ident request, End. No block is read or
/// written, and the radio is left out of clone mode. A radio that does not acknowledge
/// Program within one reply time counts as absent.
class ProbeEngine {
public:
    explicit ProbeEngine(ProbeHost& host) : host_(host) {}

    /// Sends Program.
    void start();
    /// Bytes delivered by the port (at least the threshold last asked for).
    void onReceived(std::span<const std::uint8_t> bytes);
    /// No reply within the reply time.
    void onTimeout();
    bool running() const { return step_ != Step::Idle; }

private:
    enum class Step { Idle, Program, Ident, End };

    void sendEnd();
    void finish();

    ProbeHost& host_;
    Step step_ = Step::Idle;
    std::optional<RadioIdent> ident_;
};

} // namespace rv::link
