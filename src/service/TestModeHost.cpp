#include "TestModeHost.h"

#include "jobs/SafeWrite.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QTimer>

namespace rv::service {

using rv::link::TestNote;
using rv::link::TestTimer;

TestModeHost::TestModeHost(ui::AppContext& ctx, QWidget* mainWindow, QObject* parent)
    : TestModeLine(ctx.doc(), parent), ctx_(ctx), mainWindow_(mainWindow) {
    connect(&port_, &rv::link::SerialPort::portError, this, &TestModeHost::onPortError);
}

TestModeHost::~TestModeHost() {
    stopTimers();
    // The program is ending (or the test mode is dropped) in test mode: a radio left keyed
    // goes on transmitting, and one left in test mode answers nothing else.
    if (port_.isOpen()) releaseBlind();
    port_.close();
}

void TestModeHost::tell(const QString& text, rv::MsgIcon icon) {
    ui::Tell(ctx_, mainWindow_, text, icon);
}

void TestModeHost::leave() {
    if (!active()) return;
    if (engine_.asking() || engine_.restoring()) {
        // An open question's answer no longer counts; a restore's remaining points are
        // dropped (the restore window names those written).
        if (questionBox_) questionBox_->close();
        engine_.LeaveSafely();
    } else if (!engine_.leaving()) {
        engine_.LeaveTestMode();
    }
}

void TestModeHost::releaseBlind() {
    if (!port_.isOpen() && (portName_.isEmpty() || !port_.open(portName_, ctx_.lang(), nullptr)))
        return;
    // Each send empties the output buffer first: every frame is let out before the next.
    if (engine_.keyed()) {
        port_.send(QByteArray("\x08\x0D", 2), 0);
        port_.drain(300);
    }
    port_.send(QByteArray("\x45", 1), 0);
    port_.drain(300);
    port_.close();
}

bool TestModeHost::openPort(const QString& portName, QString* error) {
    return port_.open(portName, ctx_.lang(), error);
}

bool TestModeHost::enter(const QString& portName, QString* error) {
    // Test mode tells the model and band but not which radio this is: the information
    // block, read first, gives the serial number the kept alignment is named by. A radio
    // that does not give it is still entered.
    portName_ = portName;
    info_ = std::make_unique<rv::jobs::RadioInfoJob>();
    connect(info_.get(), &rv::jobs::RadioInfoJob::question, this,
            [this](rv::link::CloneSession::Question q) { info_->answer(q, false); });
    connect(info_.get(), &rv::jobs::RadioInfoJob::finished, this, [this](bool ok, const QString&) {
        if (ok) {
            const auto& d = info_->radio().Doc;
            serial_ = QString::fromStdString(d.SerialNumber.get()).trimmed();
            version_ = QString::fromStdString(d.Version.get()).trimmed();
        }
        info_.release()->deleteLater();
        QString why;
        if (!openPort(portName_, &why)) {
            tell(why, rv::MsgIcon::Error);
            emit ended();
            return;
        }
        engine_.EnterTestMode();
    });
    if (!info_->startRead(ctx_.session, portName, error)) {
        info_.reset();
        return false;
    }
    return true;
}

void TestModeHost::entryBlockRead(const rv::link::Bytes& block) {
    entryAlignment_ =
        rv::jobs::RecordOf(state().Ident, block, serial_, version_, QDateTime::currentDateTime());
    QString error;
    entryAlignmentFile_.clear();
    if (!rv::jobs::SaveAlignment(entryAlignment_, rv::jobs::DefaultBackupDir(),
                                 &entryAlignmentFile_, &error, ctx_.lang()))
        tell(error, rv::MsgIcon::Exclamation);
}

void TestModeHost::note(TestNote n) {
    switch (n) {
    case TestNote::CommListFull:
        ctx_.prompt().message(mainWindow_, {}, QStringLiteral("Comm List is full!"),
                              rv::MsgButtons::Ok, rv::MsgIcon::None);
        break;
    case TestNote::SendListError:
        ctx_.prompt().message(mainWindow_, {}, QStringLiteral("SendList Error!"),
                              rv::MsgButtons::Ok, rv::MsgIcon::None);
        break;
    case TestNote::TestFreMismatch:
        ctx_.prompt().message(
            mainWindow_, QStringLiteral("RV52N"),
            QString::fromStdString(rv::MsgText(rv::Msg::TestFreMismatch, ctx_.lang())),
            rv::MsgButtons::Ok, rv::MsgIcon::Error);
        break;
    case TestNote::LeaveNoAnswer:
        ui::Tell(ctx_, mainWindow_, rv::jobs::LeaveProblemText(false, ctx_.lang()),
                 rv::MsgIcon::Exclamation);
        break;
    case TestNote::KeyMayBeDown:
        ui::Tell(ctx_, mainWindow_, rv::jobs::LeaveProblemText(true, ctx_.lang()),
                 rv::MsgIcon::Error);
        break;
    }
}

std::optional<bool> TestModeHost::askRetry() {
    QMetaObject::invokeMethod(this, &TestModeHost::askNow, Qt::QueuedConnection);
    return std::nullopt;
}

void TestModeHost::askNow() {
    if (!engine_.asking()) return;
    // The box is found once it is up, so that a way out taken meanwhile can close it.
    QTimer::singleShot(0, this, [this] {
        if (engine_.asking())
            questionBox_ = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    });
    const QPointer<TestModeHost> self(this);
    const bool retry = ui::Ask(ctx_, mainWindow_, rv::Msg::CheckConnection) == ui::Answer::Retry;
    // Test mode may have ended, and this host gone, while the question was open.
    if (!self) return;
    questionBox_.clear();
    engine_.answerRetry(retry);
}

void TestModeHost::endTestMode() {
    closeLine();
    emit ended();
}

void TestModeHost::onPortError(const QString& message) {
    // The cable was pulled or the adapter vanished: the port is closed already. A key that
    // is down gets its release sent blind, in case the port comes back at once.
    const bool keyed = engine_.keyed();
    if (questionBox_) questionBox_->close();
    releaseBlind();
    engine_.AbortTestMode();
    ui::Tell(ctx_, mainWindow_,
             keyed ? message + QLatin1Char('\n') + rv::jobs::LeaveProblemText(true, ctx_.lang())
                   : message,
             rv::MsgIcon::Error);
}

} // namespace rv::service
