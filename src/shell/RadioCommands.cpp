// Read from Radio, Write to Radio and the port choice.
#include "Captions.h"
#include "FrmProgress.h"
#include "FrmSetComm.h"
#include "frmMain.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"
#include "kit/RadioPort.h"
#include "link/CloneSession.h"
#include "link/SerialPort.h"

namespace rv::ui {

namespace {

using rv::link::CloneSession;

/// The device of the chosen port, after checking that it can be opened; empty after the
/// failure message. Nothing is sent.
QString OpenablePort(AppContext& ctx, QWidget* parent) {
    QString error;
    const QString device = ServicePortName(ctx, &error);
    if (!device.isEmpty()) {
        rv::link::SerialPort probe;
        if (probe.open(device, ctx.lang(), &error)) {
            probe.close();
            return device;
        }
    } else {
        // The port number names no device: the ordinary message, then the reason.
        error = Tr(ctx, rv::MessageOf(rv::Msg::CannotOpenPort).text) + QLatin1Char('\n') + error;
    }
    Tell(ctx, parent, error, rv::MsgIcon::Error);
    return {};
}

} // namespace

void frmMain::mnuComm_Click() {
    FrmSetComm dialog(ctx_, this);
    if (dialog.exec() == QDialog::Accepted) captionStatusBar();
}

void frmMain::mnuReadFromRadio_Click() {
    runTransfer(rv::link::ReadRadio);
}
void frmMain::mnuWriteToRadio_Click() {
    runTransfer(rv::link::WriteRadio);
}

bool frmMain::runTransfer(int mode) {
    const bool read = mode == rv::link::ReadRadio;
    commitPendingEdits();
    const QString device = OpenablePort(ctx_, this);
    if (device.isEmpty()) return false;
    if (Ask(ctx_, this, read ? rv::Msg::ConfirmRead : rv::Msg::ConfirmWrite) != Answer::Ok)
        return false;

    CloneSession session(ctx_.session);
    FrmProgress progress(ctx_, mode, this);
    bool ok = false;
    QString failure;
    connect(&session, &CloneSession::progress, &progress, &FrmProgress::SetProgressValue);
    connect(&progress, &FrmProgress::cancelRequested, &session, &CloneSession::cancel);
    connect(&session, &CloneSession::question, this, [&](CloneSession::Question q) {
        // During a read or write the connection question offers OK (start again) and Cancel.
        const Answer a =
            q == CloneSession::Question::ModelMismatch
                ? Ask(ctx_, &progress, rv::Msg::ModelWrong)
                : ctx_.prompt().message(&progress, ProductName,
                                        Tr(ctx_, rv::MessageOf(rv::Msg::CheckConnection).text),
                                        rv::MsgButtons::OkCancel, rv::MsgIcon::Question);
        session.answer(q, a == Answer::Ok);
    });
    connect(&session, &CloneSession::finished, this, [&](bool success, const QString& message) {
        ok = success;
        failure = message;
        progress.finish();
    });
    QString error;
    if (!session.start(mode, device, &error)) {
        // A document that cannot be encoded, or a port lost since the check: nothing was sent.
        Tell(ctx_, this, error, rv::MsgIcon::Error);
        return false;
    }
    if (session.isRunning()) progress.exec();

    if (!ok) {
        // A cancel answered in a question needs no second word.
        if (!failure.isEmpty() && session.outcome() != rv::link::Outcome::Cancelled)
            Tell(ctx_, this, failure, rv::MsgIcon::Exclamation);
        return false;
    }
    if (read) {
        // The engine has replaced the document; show it afresh under the name new.dat.
        closeCurAllWindows();
        ctx_.notifyReplaced();
        Change_Language();
        showDocument();
    }
    Ask(ctx_, this, read ? rv::Msg::ReadCompleted : rv::Msg::WriteCompleted);
    return true;
}

} // namespace rv::ui
