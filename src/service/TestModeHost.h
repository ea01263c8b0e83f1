#pragma once

#include "jobs/AlignmentJob.h"
#include "jobs/AlignmentStore.h"
#include "jobs/RadioInfo.h"
#include "link/TestModeLine.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::service {

/// Test mode on a real port: the engine bound to the serial adapter, the five test-mode
/// timers and the message boxes. Lives from `enter` until test mode ends. Its messages and
/// questions have the main window as parent, never a test window that may go while they are
/// open; a question is asked from the event loop, never from inside the engine.
class TestModeHost : public rv::link::TestModeLine {
    Q_OBJECT
public:
    TestModeHost(ui::AppContext& ctx, QWidget* mainWindow, QObject* parent = nullptr);
    ~TestModeHost() override;

    /// Reads the radio's information block (who the radio is), then opens the port and
    /// sends the entry sequence; false with the message when the port cannot be opened
    /// (nothing is sent then).
    bool enter(const QString& portName, QString* error);
    /// Opens the port without the entry sequence: the windows then drive a radio that is
    /// already in test mode.
    bool openPort(const QString& portName, QString* error);
    /// Test mode is running: the port is open.
    bool active() const { return port_.isOpen(); }

    /// Leaves test mode on any way out (a window closed, File > Exit, a stop signal): an open
    /// question is answered Cancel and a running restore stopped, a key that is down is
    /// released, then test mode is left.
    void leave();
    /// Shows a message over the main window.
    void tell(const QString& text, rv::MsgIcon icon);
    /// The restore the tuning window started, while it runs and after.
    rv::jobs::RestoreRun& restoreRun() { return restore_; }

    /// The radio's serial number and version as its information block gave them (empty
    /// when it was not read).
    const QString& serial() const { return serial_; }
    const QString& version() const { return version_; }
    /// The alignment kept on entering, and the file it was kept in (empty: none).
    const rv::jobs::AlignmentRecord& entryAlignment() const { return entryAlignment_; }
    const QString& entryAlignmentFile() const { return entryAlignmentFile_; }

signals:
    /// The entry sequence matched the document's test channels: show the test mode window.
    void testWindowDue();
    /// The radio acknowledged the selection of a tuning item: show the tuning window.
    void tuningWindowDue();
    /// New tuning values arrived (`ShowData`).
    void valuesArrived();
    /// Test mode is over and the port is closed.
    void ended();
    /// A restore read the block again; `restoreRun().check` says what came of it.
    void restoreFinished();

private:
    void note(rv::link::TestNote n) override;
    std::optional<bool> askRetry() override;
    /// Asks the open reply time-out question, from the event loop.
    void askNow();
    void endTestMode() override;
    void showTestWindow() override { emit testWindowDue(); }
    void showTuningWindow() override { emit tuningWindowDue(); }
    void showData() override { emit valuesArrived(); }
    void entryBlockRead(const rv::link::Bytes& block) override;
    void restoreDone(const rv::link::Bytes& block) override {
        restore_.finish(block);
        emit restoreFinished();
    }
    /// The port broke or the program is ending in test mode: key-up (when keyed) and end are
    /// sent without waiting for answers, on the port reopened if it has to be.
    void releaseBlind();

    void onPortError(const QString& message);

    ui::AppContext& ctx_;
    QPointer<QWidget> mainWindow_;
    QString portName_;
    std::unique_ptr<rv::jobs::RadioInfoJob> info_;
    QString serial_, version_;
    rv::jobs::AlignmentRecord entryAlignment_;
    rv::jobs::RestoreRun restore_;
    /// The box of the open reply time-out question, so that a way out can close it.
    QPointer<QWidget> questionBox_;
    QString entryAlignmentFile_;
};

} // namespace rv::service
