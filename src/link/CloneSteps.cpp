// The step tables of the clone engine: what follows an accepted reply, what follows a
// time-out, and how an operation ends.
#include "link/CloneEngine.h"

#include "data/Image.h"
#include "link/LinkTexts.h"

#include <array>

namespace rv::link {

namespace {

using Action = void (CloneEngine::*)();

struct StepRow {
    int step;
    int next;
    Action action;
};

enum class OnTimeout { Nothing, Next, Ask, Succeed, EndThenFail };

struct TimeoutRow {
    int mode;
    int firstStep;
    int lastStep;
    OnTimeout what;
};

// In modes 3 and 4 a silent radio after the version request would otherwise keep the
// port open for ever: a missing version, or a missing acknowledgement of it, sends End so
// the radio leaves clone mode, and the read fails; an unacknowledged End alone counts as
// done, as it does for a clone.
constexpr std::array<TimeoutRow, 13> TimeoutTable{{
    {ReadRadio, 1, 3, OnTimeout::Next},
    {ReadRadio, 4, 5, OnTimeout::Ask},
    {ReadRadio, EndSent, EndSent, OnTimeout::Succeed},
    {WriteRadio, 1, 3, OnTimeout::Next},
    {WriteRadio, 4, 4, OnTimeout::Ask},
    {WriteRadio, EndSent, EndSent, OnTimeout::Succeed},
    {ReadRadioInfo, 1, 1, OnTimeout::Next},
    {ReadRadioInfo, 2, 5, OnTimeout::Ask},
    {ReadRadioInfo, 6, 7, OnTimeout::EndThenFail},
    {ReadRadioInfo, EndSent, EndSent, OnTimeout::Succeed},
    {WriteRadioInfo, 1, 1, OnTimeout::Next},
    {WriteRadioInfo, 2, 5, OnTimeout::Ask},
    {WriteRadioInfo, EndSent, EndSent, OnTimeout::Succeed},
}};

} // namespace

// Moves `step` on by its row of `table` and sends what that row says; End sent means done.
template <class Table> void CloneEngine::runStep(int& step, const Table& table) {
    if (step == EndSent) return FinishTransfer(Outcome::Success);
    for (const auto& row : table) {
        if (row.step != step) continue;
        step = row.next;
        return (this->*row.action)();
    }
    FinishTransfer(Outcome::NoAnswer, text(NoAnswerText));
}

// The tables need the private send operations, so they live in a member function.
void CloneEngine::NextStep() {
    static constexpr std::array<StepRow, 5> ReadSteps{{
        {1, 2, &CloneEngine::SendIdentRequest},
        {2, 3, &CloneEngine::SendAck},
        {3, 4, &CloneEngine::BeginReading},
        {4, 5, &CloneEngine::SendAck},
        {5, 4, &CloneEngine::SendReadRequest},
    }};
    static constexpr std::array<StepRow, 4> WriteSteps{{
        {1, 2, &CloneEngine::SendIdentRequest},
        {2, 3, &CloneEngine::SendAck},
        {3, 4, &CloneEngine::CheckModel},
        {4, 4, &CloneEngine::SendWriteBlock},
    }};
    static constexpr std::array<StepRow, 7> ReadInfoSteps{{
        {1, 2, &CloneEngine::SendIdentRequest},
        {2, 3, &CloneEngine::SendAck},
        {3, 4, &CloneEngine::SendInfoRequest},
        {4, 5, &CloneEngine::SendAck},
        {5, 6, &CloneEngine::SendVersionRequest},
        {6, 7, &CloneEngine::SendAck},
        {7, EndSent, &CloneEngine::SendEnd},
    }};
    static constexpr std::array<StepRow, 5> WriteInfoSteps{{
        {1, 2, &CloneEngine::SendIdentRequest},
        {2, 3, &CloneEngine::SendAck},
        {3, 4, &CloneEngine::SendInfoBlock},
        {4, 5, &CloneEngine::SendVersionBlock},
        {5, EndSent, &CloneEngine::SendEnd},
    }};
    host_.stopWaitTimer();
    switch (CommMode_) {
    case ReadRadio:
        return runStep(ReadStep, ReadSteps);
    case WriteRadio:
        return runStep(WriteStep, WriteSteps);
    case ReadRadioInfo:
        return runStep(ReadStep, ReadInfoSteps);
    case WriteRadioInfo:
        return runStep(WriteStep, WriteInfoSteps);
    default:
        return FinishTransfer(Outcome::NoAnswer, text(NoAnswerText));
    }
}

void CloneEngine::onTimeout() {
    host_.stopWaitTimer();
    if (CommMode_ == Idle || CommMode_ == TestMode || pending_) return;
    if (stopping_) return stopAfterFrame();
    if (cancelling_) return FinishTransfer(Outcome::Cancelled, cancelledText());
    if (failing_) return FinishTransfer(failOutcome_, failMessage_);
    const int step = (CommMode_ == ReadRadio || CommMode_ == ReadRadioInfo) ? ReadStep : WriteStep;
    OnTimeout what = OnTimeout::Nothing;
    for (const auto& row : TimeoutTable)
        if (row.mode == CommMode_ && step >= row.firstStep && step <= row.lastStep) what = row.what;
    switch (what) {
    case OnTimeout::Next:
        return NextStep();
    case OnTimeout::Ask:
        return askUser(CommMode_ <= WriteRadio ? Question::RetryTransfer : Question::RetryInfo);
    case OnTimeout::Succeed:
        return FinishTransfer(Outcome::Success);
    case OnTimeout::EndThenFail:
        programAnswered_ = true; // it answered the steps before: it is in clone mode
        return endThenFinish(Outcome::NoAnswer, text(NoAnswerText));
    case OnTimeout::Nothing:
        return;
    }
}

void CloneEngine::FinishTransfer(Outcome outcome, const std::string& message) {
    host_.stopWaitTimer();
    const int mode = CommMode_;
    if (outcome == Outcome::Success && mode == ReadRadio) {
        // Decode into a copy so the document is replaced as a whole or not at all.
        rv::Session decoded = s_;
        rv::DecodeImage(s_.Image, decoded);
        s_.Doc = decoded.Doc;
        s_.CurModelCode = decoded.CurModelCode;
        s_.CurBand = decoded.CurBand;
        s_.BandLow = decoded.BandLow;
        s_.BandHigh = decoded.BandHigh;
        s_.DocPath = "new.dat";
        s_.IsNewFile = true;
    }
    if (outcome == Outcome::Success && mode == ReadRadioInfo) {
        s_.Doc.ModelType = info_.ModelType;
        s_.Doc.TypeLetter = info_.TypeLetter;
        s_.Doc.FrequencyCode = info_.FrequencyCode;
        s_.Doc.SerialNumber = info_.SerialNumber;
        s_.Doc.Version = info_.Version;
        s_.RadioModelType = rawModelType_;
        s_.RadioInfoBlock = rawInfo_;
        s_.RadioVersionBlock = rawVersion_;
    }
    CommMode_ = Idle;
    ReadStep = WriteStep = 0;
    threshold_ = 0;
    pending_ = cancelling_ = failing_ = stopping_ = false;
    host_.finish(outcome, outcome == Outcome::Success ? std::string{} : message);
}

} // namespace rv::link
