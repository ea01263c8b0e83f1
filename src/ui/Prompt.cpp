#include "Prompt.h"

#include "AppContext.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace rv::ui {

namespace {

QMessageBox::StandardButtons buttonsOf(rv::MsgButtons b) {
    switch (b) {
    case rv::MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case rv::MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case rv::MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(rv::MsgIcon i) {
    switch (i) {
    case rv::MsgIcon::Exclamation:
    case rv::MsgIcon::Warning:
        return QMessageBox::Warning;
    case rv::MsgIcon::Question:
        return QMessageBox::Question;
    case rv::MsgIcon::Error:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

/// The browser named by the user ($BROWSER) or the system's chosen one; empty when neither.
QString NamedBrowser() {
    const QString chosen = qEnvironmentVariable("BROWSER").section(QLatin1Char(':'), 0, 0);
    if (!chosen.isEmpty() && !QStandardPaths::findExecutable(chosen).isEmpty()) return chosen;
    return QStandardPaths::findExecutable(QStringLiteral("x-www-browser"));
}

} // namespace

Answer Prompt::message(QWidget* parent, const QString& title, const QString& text,
                       rv::MsgButtons buttons, rv::MsgIcon icon) {
    QMessageBox box(iconOf(icon), title, text, buttonsOf(buttons), parent);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return Answer::Cancel;
    }
}

QString Prompt::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Prompt::saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                             const QString& filter) {
    // The overwrite question is the program's own (Save asks it), so the dialog does not ask.
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool Prompt::openUrl(const QUrl& url) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A browser started by name keeps the section of the page; the desktop's opener drops it
    // and, outside a desktop session, reports success even when it finds no browser.
    const QString browser = NamedBrowser();
    if (!browser.isEmpty()) return QProcess::startDetached(browser, {url.toString()});
    if (qEnvironmentVariableIsEmpty("XDG_CURRENT_DESKTOP")) return false;
#endif
    return QDesktopServices::openUrl(url);
}

Answer Ask(const AppContext& ctx, QWidget* parent, rv::Msg m, const QString& prefix) {
    const auto& e = rv::MessageOf(m);
    const QString title = QStringLiteral("RV52N");
    QString text = prefix + Tr(ctx, e.text);
    // What the data layer adds (why a file failed, which fields) goes on a second line.
    if (!ctx.session.MessageDetail.empty())
        text += QLatin1Char('\n') + QString::fromStdString(ctx.session.MessageDetail);
    return ctx.prompt().message(parent, title, text, e.buttons, e.icon);
}

void Tell(const AppContext& ctx, QWidget* parent, const QString& text, rv::MsgIcon icon) {
    ctx.prompt().message(parent, QStringLiteral("RV52N"), text, rv::MsgButtons::Ok, icon);
}

} // namespace rv::ui
