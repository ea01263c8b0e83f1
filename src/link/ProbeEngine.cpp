#include "link/ProbeEngine.h"

#include "data/ModelTables.h"

namespace rv::link {

namespace {

const Bytes ProgramFrame{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D};
constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t IdentRequest = 0x02;
constexpr std::uint8_t IdentFirst = 0x50;
constexpr std::uint8_t End = 0x45;

} // namespace

void ProbeEngine::start() {
    ident_.reset();
    step_ = Step::Program;
    host_.send(ProgramFrame, AckLength);
}

void ProbeEngine::onReceived(std::span<const std::uint8_t> r) {
    switch (step_) {
    case Step::Program:
        if (r.size() != AckLength || r[0] != Ack) return;
        step_ = Step::Ident;
        return host_.send({IdentRequest}, IdentLength);
    case Step::Ident:
        // Junk is no ident: the time-out then says no radio answered.
        if (r.size() < IdentLength || r[0] != IdentFirst || !IsRadioIdent(r.first(IdentLength)))
            return;
        ident_ = RadioIdent{};
        ident_->bandCode = r[5];
        ident_->modelCode = rv::ModelCodeOf(r[5], r[6]);
        ident_->band = rv::BandTextOf(r[5], ident_->modelCode);
        return sendEnd();
    case Step::End:
        return finish();
    case Step::Idle:
        return;
    }
}

void ProbeEngine::onTimeout() {
    switch (step_) {
    case Step::Program:
        return finish();
    case Step::Ident:
        // Something acknowledged Program but gave no ident: release it all the same.
        return sendEnd();
    case Step::End:
        // As in a transfer, an End left unacknowledged does not undo what was learnt.
        return finish();
    case Step::Idle:
        return;
    }
}

void ProbeEngine::sendEnd() {
    step_ = Step::End;
    host_.send({End}, AckLength);
}

void ProbeEngine::finish() {
    step_ = Step::Idle;
    host_.finish(ident_);
}

} // namespace rv::link
