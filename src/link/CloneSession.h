#pragma once

#include "link/CloneEngine.h"
#include "link/SerialPort.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

namespace rv::link {

/// One clone operation (modes 1 to 4) on a real port: the engine, the port and the 300 ms
/// WaitTimer put together. The port is opened by `start` and closed when the operation ends.
/// Answers and cancels take effect from the event loop, so they may be given from any slot;
/// a session that is no longer needed is deleted with deleteLater from its `finished` slot.
class CloneSession : public QObject, private CloneHost {
    Q_OBJECT
public:
    enum class Question { Retry, ModelMismatch };

    explicit CloneSession(rv::Session& s, QObject* parent = nullptr);
    ~CloneSession() override;

    /// Prepares the image, opens the port and sends Program. False with the message (both
    /// lines for a port that cannot be opened) when the operation cannot start.
    bool start(int mode, const QString& portName, QString* error);
    /// Writes `image` as it is over the write map (a restore): the model check compares the
    /// radio with the session's model and band.
    bool startWrite(const rv::MemoryImage& image, const QString& portName, QString* error);
    /// The blocks a read fetches (see `CloneEngine::setReadBlocks`); set before `start`.
    void setReadBlocks(std::vector<int> blocks) { engine_.setReadBlocks(std::move(blocks)); }
    /// The user's answer: Retry / OK / Overwrite = yes, Cancel = no.
    void answer(Question q, bool yes);
    /// Abandons the running operation; `finished(false, ...)` follows.
    void cancel();
    int mode() const;
    bool isRunning() const;
    /// How the last operation ended.
    Outcome outcome() const { return outcome_; }
    /// The WaitTimer interval (300 ms); tests may shorten it.
    void setWaitInterval(int msecs) { waitTimer_.setInterval(msecs); }
    /// Write blocks sent in the last operation, and the address after the last one sent.
    int blocksSent() const { return blocksSent_; }
    int writtenUpTo() const { return writtenUpTo_; }
    /// Bytes that went over the line in the last operation, both ways.
    int lineBytes() const { return lineBytes_; }
    /// The model and band code of the radio's ident; empty model when no ident came.
    std::string radioModelCode() const { return engine_.radioModelCode(); }
    /// Something answered on this pass: Program was acknowledged or an ident came.
    bool radioAnswered() const { return engine_.radioAnswered(); }
    int radioBandCode() const { return engine_.radioBandCode(); }

signals:
    void question(rv::link::CloneSession::Question q);
    void progress(int percent);
    void finished(bool ok, const QString& message); ///< message empty on success

private:
    void send(const Bytes& frame, int replyLength) override;
    void startWaitTimer() override;
    void stopWaitTimer() override;
    void ask(rv::link::Question q) override;
    void showProgress(int percent) override;
    void finish(Outcome outcome, const std::string& message) override;

    void onReceived(const QByteArray& bytes);
    void onPortError(const QString& message);

    rv::Session& s_;
    SerialPort port_;
    QTimer waitTimer_;
    CloneEngine engine_;
    Outcome outcome_ = Outcome::Success;
    bool running_ = false;
    int blocksSent_ = 0;
    int writtenUpTo_ = 0;
    int lineBytes_ = 0;
    bool cancelQueued_ = false; ///< cancel() was called; it takes effect from the event loop
};

} // namespace rv::link
