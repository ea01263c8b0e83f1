#include "link/CloneEngine.h"

#include "data/Image.h"
#include "data/ModelTables.h"
#include "data/Strings.h"
#include "link/LinkTexts.h"

#include <algorithm>
#include <array>

namespace rv::link {

namespace {

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t IdentRequest = 0x02;
constexpr std::uint8_t End = 0x45;
constexpr std::uint8_t ReadCmd = 0x52;
constexpr std::uint8_t WriteCmd = 0x57;
constexpr std::uint8_t VersionRequest = 0x50;
constexpr std::uint8_t VersionCmd = 0x56;
const Bytes ProgramFrame{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D};
const Bytes InfoRequestFrame{0x4E, 0x52, 0x4B};
constexpr std::array<std::uint8_t, 4> InfoFromRadio{0x48, 0x4C, 0x42, 0x2D};
constexpr std::array<std::uint8_t, 4> InfoToRadio{0x48, 0x4C, 0x42, 0x4B};

struct ModelTypeName {
    const char* radio;
    const char* shown;
};
constexpr std::array<ModelTypeName, 6> ModelTypeNames{{{"4613", "813"},
                                                       {"4616", "816"},
                                                       {"4617", "817"},
                                                       {"5613", "913"},
                                                       {"5616", "916"},
                                                       {"5617", "917"}}};

rv::Text<4> ModelTypeIn(std::span<const std::uint8_t> block) {
    rv::Text<4> t;
    t.assign(TranslateModelType(block.subspan<4, 4>()));
    return t;
}

// Unused serial positions are 0xFF in the radio and NUL in the field.
rv::Text<8> SerialIn(std::span<const std::uint8_t> block) {
    std::string serial(block.begin() + 17, block.begin() + 25);
    std::replace(serial.begin(), serial.end(), '\xFF', '\0');
    rv::Text<8> t;
    t.assign(serial);
    return t;
}

std::string VersionTextIn(std::span<const std::uint8_t> block) {
    std::string version;
    for (std::size_t i = 1; i < VersionBlockLength && block[i] != 0xFF; ++i)
        version.push_back(static_cast<char>(block[i]));
    return version;
}

rv::Text<5> VersionIn(std::span<const std::uint8_t> block) {
    rv::Text<5> t;
    t.assign(VersionTextIn(block) + '\0');
    return t;
}

} // namespace

Bytes InfoBlockFor(const rv::RadioData& d, const Bytes& radioBlock) {
    const bool known = radioBlock.size() == InfoBlockLength;
    Bytes frame = known ? radioBlock : Bytes(InfoBlockLength, 0xFF);
    std::copy(InfoToRadio.begin(), InfoToRadio.end(), frame.begin());
    if (!known || d.ModelType != ModelTypeIn(frame)) {
        // The radio keeps its own model type names ("4617"), not the names shown ("817");
        // sending the shown name would damage the radio's identity.
        const std::string modelType = RadioModelTypeOf(d.ModelType);
        std::copy(modelType.begin(), modelType.end(), frame.begin() + 4);
    }
    if (!known || d.TypeLetter != frame[8]) frame[8] = static_cast<std::uint8_t>(d.TypeLetter);
    if (!known || d.FrequencyCode != frame[13])
        frame[13] = static_cast<std::uint8_t>(d.FrequencyCode);
    if (!known || d.SerialNumber != SerialIn(frame)) {
        // An edited number is padded the radio's way, with 0xFF, not with the field's blanks.
        const std::string serial = d.SerialNumber.get();
        std::fill(frame.begin() + 17, frame.begin() + 25, 0xFF);
        for (std::size_t i = 0; i < serial.size() && i < 8 && serial[i] != '\0'; ++i)
            frame[17 + i] = static_cast<std::uint8_t>(serial[i]);
    }
    frame[33] = InfoChecksum(frame);
    return frame;
}

Bytes VersionBlockFor(const rv::Text<5>& version, const Bytes& radioBlock) {
    const bool known = radioBlock.size() == VersionBlockLength;
    if (known && version == VersionIn(radioBlock)) return radioBlock;
    Bytes frame(VersionBlockLength, 0xFF);
    frame[0] = VersionCmd;
    std::string text = version.get();
    // A document that never met a radio holds "V1.00"; the radio receives 1.00.
    if (!known) text = text.empty() ? text : text.substr(1);
    for (std::size_t i = 0; i < text.size() && i < VersionBlockLength - 1; ++i)
        frame[1 + i] = static_cast<std::uint8_t>(text[i]);
    return frame;
}

std::string VersionInRadioForm(const std::string& typed, const Bytes& radioBlock) {
    if (radioBlock.size() != VersionBlockLength) return typed;
    const bool radioHasV = VersionTextIn(radioBlock).starts_with('V');
    const std::string bare = typed.starts_with('V') ? typed.substr(1) : typed;
    return radioHasV ? "V" + bare : bare;
}

std::uint8_t InfoChecksum(std::span<const std::uint8_t> block) {
    unsigned sum = 0;
    for (std::size_t i = 1; i + 1 < block.size(); ++i)
        sum += block[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::string TranslateModelType(std::span<const std::uint8_t, 4> bytes) {
    if (std::find(bytes.begin(), bytes.end(), 0xFF) != bytes.end()) return {};
    const std::string radio(bytes.begin(), bytes.end());
    for (const auto& n : ModelTypeNames)
        if (radio == n.radio) return n.shown;
    return {};
}

std::string RadioModelTypeOf(const rv::Text<4>& shown) {
    const std::string name(rv::TrimBlanks(shown.get()));
    for (const auto& n : ModelTypeNames)
        if (name == n.shown) return n.radio;
    return std::string(shown.full());
}

bool IsRadioIdent(std::span<const std::uint8_t> r) {
    if (r.size() != IdentLength || r[0] != 0x50) return false;
    return r[6] == 0xF8 || r[6] == 0xF9 || r[6] == 0xFC;
}

int TransferPercent(int address, int end) {
    const int scaled = address * 100;
    int q = scaled / end;
    const int twiceRest = 2 * (scaled % end);
    if (twiceRest > end || (twiceRest == end && q % 2 == 1)) ++q;
    return q;
}

int NextWriteAddress(int address) {
    // The radio's own area at 0x180..0x1B7 is never written; the short block at 0x1F8 is
    // followed directly by 0x200.
    const int next = address + 16;
    if (next == 0x180) return 0x1B8;
    if (next == 0x208) return 0x200;
    return next;
}

int WriteBlockSize(int address) {
    return address == 0x1F8 ? 8 : 16;
}

CloneEngine::CloneEngine(rv::Session& session, CloneHost& host) : s_(session), host_(host) {}

bool CloneEngine::prepare(int mode, std::string* error) {
    CommMode_ = Idle;
    ReadStep = WriteStep = 0;
    pending_ = cancelling_ = failing_ = stopping_ = false;
    programAnswered_ = wroteBlock_ = false;
    RadioModelCode.clear();
    RadioBandCode = 0;
    EndAddress = mode == ReadRadio ? 1024 : mode == WriteRadio ? 832 : 0;
    BlockSize = mode == ReadRadio ? 64 : mode == WriteRadio ? 16 : 0;
    LastPercent = 0;
    CurAddress = -BlockSize;
    if (mode == ReadRadio) rv::InitImage(s_.Image);
    if (mode == WriteRadio) {
        rv::MemoryImage image;
        rv::InitImage(image);
        if (!rv::EncodeImage(s_.Doc, image, error)) return false;
        s_.Image = image;
    }
    info_ = RadioInfo{s_.Doc.ModelType, s_.Doc.TypeLetter, s_.Doc.FrequencyCode,
                      s_.Doc.SerialNumber, s_.Doc.Version};
    CommMode_ = mode;
    return true;
}

void CloneEngine::SendProgram() {
    if (CommMode_ == ReadRadio || CommMode_ == ReadRadioInfo) {
        ReadStep = 1;
        WriteStep = 0;
    } else if (CommMode_ == WriteRadio || CommMode_ == WriteRadioInfo) {
        WriteStep = 1;
        ReadStep = 0;
    } else {
        CommMode_ = Idle;
        ReadStep = WriteStep = 0;
    }
    sendFrame(ProgramFrame, AckLength);
}

void CloneEngine::sendFrame(const Bytes& frame, int replyLength) {
    threshold_ = replyLength;
    host_.startWaitTimer();
    host_.send(frame, replyLength);
}

void CloneEngine::SendIdentRequest() {
    sendFrame({IdentRequest}, IdentLength);
}
void CloneEngine::SendAck() {
    sendFrame({Ack}, AckLength);
}
void CloneEngine::SendEnd() {
    sendFrame({End}, AckLength);
}
void CloneEngine::SendInfoRequest() {
    sendFrame(InfoRequestFrame, InfoBlockLength);
}
void CloneEngine::SendVersionRequest() {
    sendFrame({VersionRequest}, VersionBlockLength);
}

void CloneEngine::SendReadRequest() {
    CurAddress += BlockSize;
    if (!readBlocks_.empty()) {
        const auto next = std::lower_bound(readBlocks_.begin(), readBlocks_.end(), CurAddress);
        CurAddress = next == readBlocks_.end() ? EndAddress : *next;
    }
    if (CurAddress >= EndAddress) return BeginEnd();
    sendFrame({ReadCmd, static_cast<std::uint8_t>(CurAddress >> 8),
               static_cast<std::uint8_t>(CurAddress & 0xFF), static_cast<std::uint8_t>(BlockSize)},
              DataBlockLength);
}

void CloneEngine::SendWriteBlock() {
    CurAddress = CurAddress < 0 ? 0 : NextWriteAddress(CurAddress);
    if (CurAddress >= EndAddress) return BeginEnd();
    const int n = WriteBlockSize(CurAddress);
    Bytes frame(static_cast<std::size_t>(n) + 4);
    frame[0] = WriteCmd;
    frame[1] = static_cast<std::uint8_t>(CurAddress >> 8);
    frame[2] = static_cast<std::uint8_t>(CurAddress & 0xFF);
    frame[3] = static_cast<std::uint8_t>(n);
    std::copy_n(s_.Image.begin() + CurAddress, n, frame.begin() + 4);
    wroteBlock_ = true;
    ShowTransferProgress();
    sendFrame(frame, AckLength);
}

void CloneEngine::SendInfoBlock() {
    sendFrame(InfoBlockFor(s_.Doc, s_.RadioInfoBlock), AckLength);
}

void CloneEngine::SendVersionBlock() {
    sendFrame(VersionBlockFor(s_.Doc.Version, s_.RadioVersionBlock), AckLength);
}

void CloneEngine::BeginEnd() {
    if (CommMode_ == WriteRadio || CommMode_ == WriteRadioInfo) {
        WriteStep = EndSent;
    } else if (CommMode_ == ReadRadio || CommMode_ == ReadRadioInfo) {
        ReadStep = EndSent;
    } else {
        return FinishTransfer(Outcome::NoAnswer, text(Msg::CheckConnection));
    }
    SendEnd();
}

void CloneEngine::endThenFinish(Outcome outcome, const std::string& message) {
    // A radio that took Program is in clone mode until it hears End, whatever went wrong.
    if (!programAnswered_ && RadioModelCode.empty()) return FinishTransfer(outcome, message);
    host_.stopWaitTimer();
    failing_ = true;
    failOutcome_ = outcome;
    failMessage_ = message;
    (CommMode_ == ReadRadio || CommMode_ == ReadRadioInfo ? ReadStep : WriteStep) = EndSent;
    SendEnd();
}

void CloneEngine::onReceived(std::span<const std::uint8_t> bytes) {
    if (CommMode_ == Idle || CommMode_ == TestMode || pending_) return;
    // Fewer bytes than the threshold: an event left over from before the buffers were
    // emptied. It counts as no reply.
    if (threshold_ <= 0 || bytes.size() < static_cast<std::size_t>(threshold_)) return;
    const auto reply = bytes.first(static_cast<std::size_t>(threshold_));
    if (stopping_) {
        const bool taken = CommMode_ == WriteRadioInfo && reply.size() == 1 && reply[0] == Ack;
        // The radio took the version block too: the write is whole, and ends as done.
        if (taken && WriteStep == 5) {
            stopping_ = false;
            return void(dispatch(reply));
        }
        // The radio took the info block: its identity is the new one from here on.
        if (taken && WriteStep == 4) WriteStep = 5;
        return stopAfterFrame();
    }
    if (cancelling_) return FinishTransfer(Outcome::Cancelled, cancelledText());
    if (failing_) return FinishTransfer(failOutcome_, failMessage_);
    dispatch(reply);
}

bool CloneEngine::dispatch(std::span<const std::uint8_t> r) {
    const std::size_t n = r.size();
    if (n == 1 && r[0] == Ack) {
        if (ReadStep == 1 || WriteStep == 1) programAnswered_ = true;
        NextStep();
    } else if (n == IdentLength && r[0] == 0x50) {
        if (CommMode_ == ReadRadio || CommMode_ == WriteRadio) StoreIdent(r);
        NextStep();
    } else if (n >= 4 && r[0] == WriteCmd && ((r[1] << 8) | r[2]) == CurAddress &&
               r[3] == BlockSize && n == static_cast<std::size_t>(r[3]) + 4) {
        StoreDataBlock(r);
        // Showing the progress may have let the user cancel.
        if (!cancelling_ && CommMode_ != Idle) NextStep();
    } else if (n >= InfoBlockLength &&
               std::equal(InfoFromRadio.begin(), InfoFromRadio.end(), r.begin()) &&
               InfoChecksum(r.first(InfoBlockLength)) == r[InfoBlockLength - 1]) {
        StoreInfoBlock(r);
        NextStep();
    } else if (n == VersionBlockLength && r[0] == VersionCmd) {
        StoreVersion(r);
        NextStep();
    } else {
        return false; // the WaitTimer keeps running, the step's time-out rule applies
    }
    return true;
}

void CloneEngine::StoreIdent(std::span<const std::uint8_t> r) {
    // Bytes that are no ident of ours leave the radio unknown: nothing is read from or
    // written to such a device.
    if (!IsRadioIdent(r)) return;
    RadioBandCode = r[5];
    RadioModelCode = rv::ModelCodeOf(r[5], r[6]);
}

void CloneEngine::StoreDataBlock(std::span<const std::uint8_t> r) {
    for (int i = 0; i < BlockSize && CurAddress + i < 1024; ++i)
        s_.Image[static_cast<std::size_t>(CurAddress + i)] = r[4 + static_cast<std::size_t>(i)];
    if (CommMode_ == ReadRadio || CommMode_ == WriteRadio) ShowTransferProgress();
}

void CloneEngine::StoreInfoBlock(std::span<const std::uint8_t> r) {
    info_.ModelType = ModelTypeIn(r);
    rawModelType_.assign(r.begin() + 4, r.begin() + 8);
    info_.TypeLetter = r[8];
    info_.FrequencyCode = r[13];
    info_.SerialNumber = SerialIn(r);
    rawInfo_.assign(r.begin(), r.begin() + InfoBlockLength);
}

void CloneEngine::StoreVersion(std::span<const std::uint8_t> r) {
    info_.Version = VersionIn(r);
    rawVersion_.assign(r.begin(), r.begin() + VersionBlockLength);
}

void CloneEngine::ShowTransferProgress() {
    const int percent = TransferPercent(CurAddress, EndAddress);
    if (percent - LastPercent < 1) return;
    LastPercent = percent;
    host_.showProgress(percent);
}

bool CloneEngine::modelMatches() const {
    const std::string model(rv::TrimBlanks(s_.CurModelCode));
    return rv::BandCodeOf(s_.CurBand, model) == RadioBandCode && model == RadioModelCode;
}

void CloneEngine::CheckModel() {
    host_.stopWaitTimer();
    // No ident (silence, or bytes that are no ident), or Program unanswered: no radio of ours
    // is listening, so there is no model to compare and no block may go out. After a retry
    // the radio may already hold part of the new data; the job says so.
    if (RadioModelCode.empty())
        return endThenFinish(Outcome::NoAnswer,
                             wroteBlock_ ? text(NoAnswerText) : text(NoRadioText));
    // A radio of ours answered the ident but its acknowledgement of Program was lost: the
    // line dropped a byte, which is what a retry is for.
    if (!programAnswered_) return askUser(Question::RetryTransfer);
    if (modelMatches()) return SendWriteBlock();
    askUser(Question::ModelMismatch);
}

void CloneEngine::BeginReading() {
    // A read without an ident would store whatever a stranger device sends.
    if (RadioModelCode.empty()) return endThenFinish(Outcome::NoAnswer, text(NoRadioReadText));
    SendReadRequest();
}

void CloneEngine::askUser(Question q) {
    // No time-out may fire while the user answers.
    host_.stopWaitTimer();
    pending_ = true;
    question_ = q;
    host_.ask(q);
}

void CloneEngine::answer(bool yes) {
    if (!pending_) return;
    pending_ = false;
    if (question_ == Question::ModelMismatch) {
        if (yes) return SendWriteBlock();
        return endThenFinish(Outcome::ModelRefused, text(RefusedText));
    }
    if (!yes) {
        // The info block was acknowledged and the version block was not: the radio's identity
        // is already the new one.
        const bool identityChanged = CommMode_ == WriteRadioInfo && WriteStep == 5;
        return endThenFinish(Outcome::Cancelled,
                             text(identityChanged ? IdentityChangedText : NoAnswerText));
    }
    if (question_ == Question::RetryTransfer) return restartAfterRetry();
    SendProgram();
}

void CloneEngine::restartAfterRetry() {
    // The image keeps what was already received; it is read again.
    CurAddress = -BlockSize;
    LastPercent = 0;
    // The radio must answer Program and the ident again before anything more is read or
    // written: the one on the line may not be the one that answered before.
    RadioModelCode.clear();
    RadioBandCode = 0;
    programAnswered_ = false;
    host_.showProgress(0);
    SendProgram();
}

void CloneEngine::cancel() {
    if (CommMode_ == Idle || cancelling_ || stopping_) return;
    if (pending_) {
        // A question is open: nothing is in flight, End goes out at once.
        pending_ = false;
        return stopAfterFrame();
    }
    // End already on its way: its answer ends the operation as it would have anyway.
    if (ReadStep == EndSent || WriteStep == EndSent) return;
    stopping_ = true;
}

void CloneEngine::stopAfterFrame() {
    stopping_ = false;
    cancelling_ = true;
    host_.stopWaitTimer();
    // Tell the radio to leave clone mode; its answer, or the time-out, ends the operation.
    SendEnd();
}

std::string CloneEngine::cancelledText() const {
    // Past step 4 the info block was acknowledged: the identity is the new one.
    const bool identityChanged = CommMode_ == WriteRadioInfo && WriteStep == 5;
    return text(identityChanged ? IdentityChangedOnStopText : CancelledText);
}

void CloneEngine::portFailed(const std::string& reason) {
    if (CommMode_ == Idle) return;
    FinishTransfer(Outcome::PortFailed, reason);
}

std::string CloneEngine::text(rv::Msg m) const {
    return rv::MsgText(m, s_.CurLanguage);
}

std::string CloneEngine::text(const rv::LangText& t) const {
    return t[s_.CurLanguage];
}

} // namespace rv::link
