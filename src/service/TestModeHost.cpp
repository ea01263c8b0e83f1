#include "TestModeHost.h"

#include "jobs/SafeWrite.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"
#include "link/AlignmentJob.h"

#include <QCoreApplication>
#include <QDateTime>

namespace rv::ui {

using rv::service::TestNote;
using rv::service::TestTimer;

TestModeHost::TestModeHost(AppContext& ctx, QWidget* dialogParent, QObject* parent)
    : TestModeLine(parent), ctx_(ctx), dialogParent_(dialogParent), engine_(*this, ctx.doc()) {
    connect(&port_, &rv::link::SerialPort::received, this, &TestModeHost::onReceived);
    connect(&port_, &rv::link::SerialPort::portError, this, &TestModeHost::onPortError);
    engine_.InitTestMode();
}

TestModeHost::~TestModeHost() {
    stopTimers();
    // The program is ending (or the test mode is dropped) with the key down: a radio left
    // keyed goes on transmitting.
    if (port_.isOpen() && engine_.keyed()) releaseBlind();
    port_.close();
}

void TestModeHost::releaseBlind() {
    if (!port_.isOpen() && (portName_.isEmpty() || !port_.open(portName_, ctx_.lang(), nullptr)))
        return;
    // Each send empties the output buffer first: every frame is let out before the next.
    port_.send(QByteArray("\x08\x0D", 2), 0);
    port_.drain(300);
    port_.send(QByteArray("\x45", 1), 0);
    port_.drain(300);
    port_.close();
}

bool TestModeHost::openPort(const QString& portName, QString* error) {
    return port_.open(portName, ctx_.lang(), error);
}

bool TestModeHost::enter(const QString& portName, QString* error) {
    // Test mode tells the model and band but not which radio this is: the information
    // block, read first over the clone protocol, gives the serial number the kept
    // alignment is named by. A radio that does not give it is still entered.
    portName_ = portName;
    infoSession_ = ctx_.session;
    info_ = std::make_unique<rv::link::CloneSession>(infoSession_);
    connect(info_.get(), &rv::link::CloneSession::question, this,
            [this](rv::link::CloneSession::Question q) { info_->answer(q, false); });
    connect(info_.get(), &rv::link::CloneSession::finished, this, [this](bool ok, const QString&) {
        if (ok) {
            serial_ = QString::fromStdString(infoSession_.Doc.SerialNumber.get()).trimmed();
            version_ = QString::fromStdString(infoSession_.Doc.Version.get()).trimmed();
        }
        info_.release()->deleteLater();
        QString why;
        if (!openPort(portName_, &why)) {
            Tell(ctx_, dialogParent_, why, rv::MsgIcon::Error);
            emit ended();
            return;
        }
        engine_.EnterTestMode();
    });
    if (!info_->start(rv::link::ReadRadioInfo, portName, error)) {
        info_.reset();
        return false;
    }
    return true;
}

void TestModeHost::entryBlockRead(const rv::service::Bytes& block) {
    entryAlignment_ =
        rv::link::RecordOf(state().Ident, block, serial_, version_, QDateTime::currentDateTime());
    QString error;
    entryAlignmentFile_.clear();
    if (!rv::link::SaveAlignment(entryAlignment_, rv::jobs::DefaultBackupDir(),
                                 &entryAlignmentFile_, &error, ctx_.lang()))
        Tell(ctx_, dialogParent_, error, rv::MsgIcon::Exclamation);
}

void TestModeHost::note(TestNote n) {
    switch (n) {
    case TestNote::CommListFull:
        ctx_.prompt().message(dialogParent_, {}, QStringLiteral("Comm List is full!"),
                              rv::MsgButtons::Ok, rv::MsgIcon::None);
        break;
    case TestNote::SendListError:
        ctx_.prompt().message(dialogParent_, {}, QStringLiteral("SendList Error!"),
                              rv::MsgButtons::Ok, rv::MsgIcon::None);
        break;
    case TestNote::TestFreMismatch:
        ctx_.prompt().message(
            dialogParent_, QStringLiteral("RV52N"),
            QString::fromStdString(rv::MsgText(rv::Msg::TestFreMismatch, ctx_.lang())),
            rv::MsgButtons::Ok, rv::MsgIcon::Error);
        break;
    case TestNote::LeaveNoAnswer:
        Tell(ctx_, dialogParent_, rv::link::LeaveProblemText(false, ctx_.lang()),
             rv::MsgIcon::Exclamation);
        break;
    case TestNote::KeyMayBeDown:
        Tell(ctx_, dialogParent_, rv::link::LeaveProblemText(true, ctx_.lang()),
             rv::MsgIcon::Error);
        break;
    }
}

bool TestModeHost::askRetry() {
    return Ask(ctx_, dialogParent_, rv::Msg::CheckConnection) == Answer::Retry;
}

void TestModeHost::endTestMode() {
    closeLine();
    emit ended();
}

void TestModeHost::onReceived(const QByteArray& bytes) {
    engine_.TestModeComm(rv::service::EvReceived, rv::service::Bytes(bytes.begin(), bytes.end()));
}

void TestModeHost::onPortError(const QString& message) {
    // The cable was pulled or the adapter vanished: the port is closed already. A key that
    // is down gets its release sent blind, in case the port comes back at once.
    const bool keyed = engine_.keyed();
    if (keyed) releaseBlind();
    engine_.AbortTestMode();
    Tell(ctx_, dialogParent_,
         keyed ? message + QLatin1Char('\n') + rv::link::LeaveProblemText(true, ctx_.lang())
               : message,
         rv::MsgIcon::Error);
}

} // namespace rv::ui
