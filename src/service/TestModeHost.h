#pragma once

#include "link/AlignmentStore.h"
#include "link/CloneSession.h"
#include "link/TestModeLine.h"

#include <QObject>

#include <memory>

class QWidget;

namespace rv::ui {

class AppContext;

/// Test mode on a real port: the engine bound to the serial adapter, the five test-mode
/// timers and the message boxes. Lives from `enter` until test mode ends.
class TestModeHost : public rv::link::TestModeLine {
    Q_OBJECT
public:
    TestModeHost(AppContext& ctx, QWidget* dialogParent, QObject* parent = nullptr);
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

    rv::service::TestModeEngine& engine() { return engine_; }
    rv::service::TestModeState& state() { return engine_.state(); }
    /// The parent of the message boxes (the test mode window once it is open).
    void setDialogParent(QWidget* w) { dialogParent_ = w; }
    QWidget* dialogParent() const { return dialogParent_; }

    /// The radio's serial number and version as its information block gave them (empty
    /// when it was not read).
    const QString& serial() const { return serial_; }
    const QString& version() const { return version_; }
    /// The alignment kept on entering, and the file it was kept in (empty: none).
    const rv::link::AlignmentRecord& entryAlignment() const { return entryAlignment_; }
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
    /// A restore read the block again: the points that did not read back.
    void restoreFinished(const std::vector<rv::service::PointChange>& unverified);

private:
    void timerFired(rv::service::TestTimer t) override { engine_.onTimer(t); }
    void note(rv::service::TestNote n) override;
    bool askRetry() override;
    void endTestMode() override;
    void showTestWindow() override { emit testWindowDue(); }
    void showTuningWindow() override { emit tuningWindowDue(); }
    void showData() override { emit valuesArrived(); }
    void entryBlockRead(const rv::service::Bytes& block) override;
    void restoreDone(const std::vector<rv::service::PointChange>& unverified) override {
        emit restoreFinished(unverified);
    }
    /// The port broke or the program is ending with the key down: key-up and end are sent
    /// without waiting for answers, on the port reopened if it has to be.
    void releaseBlind();

    void onReceived(const QByteArray& bytes);
    void onPortError(const QString& message);

    AppContext& ctx_;
    QWidget* dialogParent_;
    rv::service::TestModeEngine engine_;
    QString portName_;
    rv::Session infoSession_;
    std::unique_ptr<rv::link::CloneSession> info_;
    QString serial_, version_;
    rv::link::AlignmentRecord entryAlignment_;
    QString entryAlignmentFile_;
};

} // namespace rv::ui
