#pragma once

#include "data/FleetLog.h"
#include "jobs/PortFinder.h"
#include "jobs/SafeWrite.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rv::jobs {

struct FleetRecord;

/// Where the radios of a fleet get documents of their own. A station asks once its radio's
/// information is read (serial, model and band are in the record); the answer may come at
/// once, or later, when the source waits for the other ports' radios to be read too.
class RadioDocuments {
public:
    /// The document a radio gets (nullopt: the fleet's own), or why it is not written; the
    /// values it gets of its own and, if any, its result word, for the record.
    struct Answer {
        std::optional<rv::Session> document;
        QString why;
        QString result;
        std::string values;
    };
    using Reply = std::function<void(const Answer&)>;

    virtual ~RadioDocuments() = default;
    /// Asks for the document of `radio`; `reply` is called once, now or later.
    virtual void ask(const FleetRecord& radio, Reply reply) = 0;
    /// The first radio of the port `target` ended (or none came) without asking.
    virtual void passed(const ProbeTarget& target) = 0;
};

/// Whether a radio (serial number, hash of the document it is to get) was programmed before.
using ProgrammedBefore =
    std::function<bool(const std::string& serial, const std::string& documentHash)>;

/// How a fleet programs each radio.
struct FleetOptions {
    SafeWriteOptions write;     ///< backup, verify, retries, force (answered without a user)
    bool repeat = false;        ///< after each radio wait for the next one on the same port
    bool again = false;         ///< program a radio whose serial number was programmed before
    int pollMs = 1000;          ///< how often a waiting port is asked for a radio
    int replyMs = 300;          ///< the reply time of the probe and of the transfers
    int probeDeadlineMs = 5000; ///< the longest one ask for a radio may take
    std::shared_ptr<RadioDocuments> documentFor; ///< per-radio documents; none: one for all
};

/// One radio a fleet met: what it is, and what became of it.
struct FleetRecord {
    QDateTime time;
    ProbeTarget target;
    std::string model;
    std::string band;
    std::string serial;
    bool ok = false;
    bool skipped = false;     ///< its serial number was programmed before
    QString result;           ///< "OK", "skipped" or the failure word ("verify failed")
    QString message;          ///< the failure in the user's language
    QString backup;           ///< the backup image, empty when none was kept
    std::string documentHash; ///< of the document this radio got (its own, or the fleet's)
    std::string values;       ///< the settings it got of its own ("key=value; ...")
};

/// The log row of a radio: the port as the user named it, and the document written.
rv::FleetLogRow FleetLogRowOf(const FleetRecord& r, const rv::Session& document);

/// The fingerprint of a document as the log keeps it.
std::string FleetDocumentHash(const rv::Session& document);

/// The word the log keeps for a job's end.
QString FleetResultWord(SafeWriteStatus status);

/// Programs the radio on one port: waits for it (probe), reads its radio information (the
/// serial number), then backup, write, verify. With `repeat` it waits for the radio to be
/// taken off and the next to come, until stopped. Each station has its own engines, so
/// stations on different ports run at the same time.
class FleetStation : public QObject {
    Q_OBJECT
public:
    /// `programmedBefore` says whether a serial number was programmed already (by the log or
    /// another station).
    FleetStation(const rv::Session& s, const ProbeTarget& target, const FleetOptions& options,
                 ProgrammedBefore programmedBefore, QObject* parent = nullptr);
    ~FleetStation() override;

    void start();
    /// Ends soon: a radio in progress is stopped as a cancel stops it (End sent, port closed);
    /// a port that is only waiting ends at once.
    void stop();
    /// Ends once the radio in progress, if any, is done; no further radio is begun.
    void stopAfterRadio();
    bool isRunning() const { return running_; }
    const ProbeTarget& target() const { return target_; }

signals:
    /// What the port is doing, in the user's language ("writing 40%").
    void status(const QString& text, int percent);
    /// A radio is done (programmed, failed or skipped).
    void radioDone(const rv::jobs::FleetRecord& record);
    void finished();

private:
    enum class Phase { Waiting, Reading, Held, Writing, Removal, Stopped };

    void poll();
    void onProbed();
    void readInfo();
    void onInfoRead(bool ok, const QString& message);
    void onDocument(const RadioDocuments::Answer& answer);
    void settleFirst();
    void startWrite();
    void onWritten(const SafeWriteResult& r);
    /// A record of this port for the radio now on it (or for none).
    void newRecord();
    /// Ends the current record with `status` and `message`.
    void fail(SafeWriteStatus status, const QString& message);
    void done(FleetRecord record);
    void finish();
    void say(const rv::LangText& t, int percent = -1);
    QString text(const rv::LangText& t) const;

    rv::Session session_;
    rv::Session infoSession_; ///< the radio information lands here, not in the document
    ProbeTarget target_;
    FleetOptions options_;
    ProgrammedBefore programmedBefore_;
    rv::Session document_; ///< what the radio in progress gets
    link::RadioProbe probe_;
    QTimer pollTimer_;
    std::unique_ptr<link::CloneSession> info_;
    std::unique_ptr<SafeWrite> job_;
    FleetRecord current_;
    Phase phase_ = Phase::Stopped;
    AutoAnswers answers_{0, false};
    bool running_ = false;
    bool stopping_ = false;
    bool finishing_ = false; ///< stopAfterRadio: no new radio is begun
    bool settled_ = false;   ///< the documents source knows how this port's first radio went
};

} // namespace rv::jobs
