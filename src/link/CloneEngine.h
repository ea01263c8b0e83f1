#pragma once

#include "data/Session.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rv::link {

using Bytes = std::vector<std::uint8_t>;

/// Who owns the port's events: idle, the four clone operations, or the service test mode.
enum CommMode : int {
    Idle = 0,
    ReadRadio = 1,
    WriteRadio = 2,
    ReadRadioInfo = 3,
    WriteRadioInfo = 4,
    TestMode = 5
};

/// The step value that says the End frame has been sent (the letter E).
inline constexpr int EndSent = 69;

/// Reply lengths the port waits for.
inline constexpr int AckLength = 1;
inline constexpr int IdentLength = 8;
inline constexpr int DataBlockLength = 68;
inline constexpr int InfoBlockLength = 34;
inline constexpr int VersionBlockLength = 10;

/// The questions the engine puts to its user.
enum class Question {
    RetryTransfer, ///< "Check Connection. Retry or Cancel?" with OK / Cancel (modes 1, 2)
    RetryInfo,     ///< the same text with Retry / Cancel (modes 3, 4)
    ModelMismatch  ///< "Model type is wrong. Overwrite?" before the first block of a write
};

/// Why an operation ended.
enum class Outcome {
    Success,
    Cancelled,    ///< the user answered Cancel or cancelled the operation
    ModelRefused, ///< the user refused to overwrite a radio of another model
    NoAnswer,     ///< the radio stopped answering where no question is asked
    PortFailed,   ///< the port reported an error (cable pulled, device gone)
    BadDocument   ///< the document cannot be turned into an image
};

/// The side of the engine that owns the port and the 300 ms WaitTimer.
class CloneHost {
public:
    virtual ~CloneHost() = default;
    /// Empties the port's input, sets the receive threshold to `replyLength`, writes `frame`.
    virtual void send(const Bytes& frame, int replyLength) = 0;
    virtual void startWaitTimer() = 0;
    virtual void stopWaitTimer() = 0;
    /// Shows a question; the answer comes back through `CloneEngine::answer`.
    virtual void ask(Question q) = 0;
    virtual void showProgress(int percent) = 0;
    /// The operation is over: the host closes the port. `message` is empty on success.
    virtual void finish(Outcome outcome, const std::string& message) = 0;
};

/// The clone protocol as a step machine. It holds no port and no timer: received bytes,
/// time-outs and the user's answers go in, the host is told what to do.
class CloneEngine {
public:
    CloneEngine(rv::Session& session, CloneHost& host);

    /// Readies an operation (`OpenCommPort` step 1 plus the image: blank for a read, the
    /// encoded document for a write). False with the reason when the document cannot be
    /// encoded; the engine stays idle.
    bool prepare(int mode, std::string* error);
    /// The 64-byte blocks a read fetches (start addresses, ascending); empty: all of them.
    void setReadBlocks(std::vector<int> blocks) { readBlocks_ = std::move(blocks); }
    /// Sets step 1 of the mode and sends Program.
    void SendProgram();

    /// A receive event: the bytes in the input buffer.
    void onReceived(std::span<const std::uint8_t> bytes);
    /// The WaitTimer fired.
    void onTimeout();
    /// The answer to the pending question: OK / Retry / Overwrite = true.
    void answer(bool yes);
    /// The user abandons the operation. The frame in flight gets its reply or its time-out
    /// first (cutting it short would leave the radio taking End as its data); then End is sent,
    /// and its acknowledgement (or the time-out) ends the operation without success.
    void cancel();
    /// The port failed: ends at once, nothing more is sent.
    void portFailed(const std::string& reason);

    int mode() const { return CommMode_; }
    bool questionPending() const { return pending_; }
    /// The question last put to the user.
    Question pendingQuestion() const { return question_; }
    const std::string& radioModelCode() const { return RadioModelCode; }
    bool radioAnswered() const { return programAnswered_ || !RadioModelCode.empty(); }
    int radioBandCode() const { return RadioBandCode; }

private:
    struct RadioInfo {
        rv::Text<4> ModelType;
        rv::Int16 TypeLetter = 0;
        rv::Int16 FrequencyCode = 0;
        rv::Text<8> SerialNumber;
        rv::Text<5> Version;
    };

    void sendFrame(const Bytes& frame, int replyLength);
    void SendIdentRequest();
    void SendAck();
    void SendEnd();
    void SendInfoRequest();
    void SendVersionRequest();
    void SendReadRequest();
    void SendWriteBlock();
    void SendInfoBlock();
    void SendVersionBlock();
    void BeginEnd();
    void endThenFinish(Outcome outcome, const std::string& message);

    bool dispatch(std::span<const std::uint8_t> reply);
    void NextStep();
    template <class Table> void runStep(int& step, const Table& table);
    void StoreIdent(std::span<const std::uint8_t> reply);
    void StoreDataBlock(std::span<const std::uint8_t> reply);
    void StoreInfoBlock(std::span<const std::uint8_t> reply);
    void StoreVersion(std::span<const std::uint8_t> reply);
    bool modelMatches() const;
    void CheckModel();
    void BeginReading();
    void stopAfterFrame();
    /// What a cancel ends with: an information write the radio already took in part says so.
    std::string cancelledText() const;
    void ShowTransferProgress();
    void askUser(Question q);
    void restartAfterRetry();
    void FinishTransfer(Outcome outcome, const std::string& message = {});
    std::string text(rv::Msg m) const;
    std::string text(const rv::LangText& t) const;

    rv::Session& s_;
    CloneHost& host_;
    int CommMode_ = Idle;
    int ReadStep = 0;
    int WriteStep = 0;
    int CurAddress = 0;
    int EndAddress = 0;
    int BlockSize = 0;
    int LastPercent = 0;
    int threshold_ = 0;
    std::string RadioModelCode;
    int RadioBandCode = 0;
    std::vector<int> readBlocks_;
    RadioInfo info_;
    std::string rawModelType_; ///< bytes 4 to 7 of the info block as the radio sent them
    Bytes rawInfo_;            ///< the info block of this read, as received
    Bytes rawVersion_;         ///< the version block of this read, as received
    bool pending_ = false;
    Question question_ = Question::RetryTransfer;
    bool cancelling_ = false;
    bool stopping_ = false;                   ///< cancelled while a frame is in flight
    bool programAnswered_ = false;            ///< this pass: the radio acknowledged Program
    bool wroteBlock_ = false;                 ///< a write block went out in this operation
    bool failing_ = false;                    ///< End went out to close a failed operation
    Outcome failOutcome_ = Outcome::NoAnswer; ///< how it then ends, once End is answered
    std::string failMessage_;
};

/// The info block checksum: the low 8 bits of the sum of bytes 1 to size-2.
std::uint8_t InfoChecksum(std::span<const std::uint8_t> block);

/// The info block an information write sends: `radioBlock` (the block of the last read, or
/// empty) with only the fields of `d` that differ from what that block holds put in. Without
/// a block of the radio every unused byte is 0xFF.
Bytes InfoBlockFor(const rv::RadioData& d, const Bytes& radioBlock);

/// The version block an information write sends: the radio's own block while `version` is
/// the text it holds; an edited text goes out in the radio's form, with a leading V when the
/// radio's version has one and without when it has none. Without a block of the radio the
/// field's first character (the V of "V1.00") is left out.
Bytes VersionBlockFor(const rv::Text<5>& version, const Bytes& radioBlock);

/// A typed version in the form of the radio's own (with or without its leading V); as typed
/// when no version block of the radio is known.
std::string VersionInRadioForm(const std::string& typed, const Bytes& radioBlock);

/// The model type text of an info block's bytes 4 to 7 ("4617" gives "817").
std::string TranslateModelType(std::span<const std::uint8_t, 4> bytes);

/// The 4 characters the radio keeps for a model type ("817" gives "4617"); a type not in the
/// table goes out as stored.
std::string RadioModelTypeOf(const rv::Text<4>& shown);

/// Whether an 8-byte reply is an ident of this radio family: "P", and a model type byte the
/// family uses. Anything else means no radio of ours is on the line.
bool IsRadioIdent(std::span<const std::uint8_t> reply);

/// Round-half-to-even percentage of `address` within `end`.
int TransferPercent(int address, int end);

/// The image address that follows `address` in a write (the write map), and the block size
/// there.
int NextWriteAddress(int address);
int WriteBlockSize(int address);

} // namespace rv::link
