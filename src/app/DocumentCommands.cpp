// The commands on the document: New, Open, Save, Save As, Print, Exit.
#include "Captions.h"
#include "FrmPrintList.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "frmMain.h"
#include "link/AtomicFile.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QFileInfo>

namespace rv::app {

namespace {

QString DocPathOf(const ui::AppContext& ctx) {
    return QString::fromStdString(ctx.session.DocPath);
}

} // namespace

void frmMain::LoadNewDoc() {
    // Windows go first: an edit they still hold lands in the old document, not the new one.
    closeCurAllWindows();
    rv::InitRadioData(ctx_.session);
    ctx_.notifyReplaced();
    ctx_.session.IsNewFile = true;
    ctx_.session.DocPath = "new.dat";
    Change_Language();
    showDocument();
}

bool frmMain::readyToReplace(std::optional<rv::Msg> warning) {
    // What is being typed is part of the document about to go: it is committed (so that it
    // can be saved) or refused with its rule, and then nothing is replaced.
    if (!commitPendingEdits()) return false;
    if (!isModified()) return !warning || ui::Ask(ctx_, this, *warning) == ui::Answer::Ok;
    // With unsaved changes the warning (if any) comes first, then the choice to save them.
    const auto& choice = rv::MessageOf(rv::Msg::FileModified);
    QString text = ui::Tr(ctx_, choice.text);
    if (warning) text = ui::Tr(ctx_, rv::MessageOf(*warning).text) + QStringLiteral("\r\n") + text;
    switch (ctx_.prompt().message(this, ProductName, text, choice.buttons, choice.icon)) {
    case ui::Answer::No:
        return true;
    case ui::Answer::Yes:
        // A never-saved document has no folder yet: the user picks one.
        return ctx_.session.IsNewFile ? mnuFileSaveAs_Click() : saveTo(DocPathOf(ctx_));
    default:
        return false;
    }
}

bool frmMain::isModified() const {
    return ctx_.isModified();
}

void frmMain::mnuFileNew_Click() {
    if (readyToReplace(rv::Msg::AllDataCleared)) LoadNewDoc();
}

void frmMain::toolFileNew_Click() {
    // The toolbar's New asks only when there is something to lose, as Open does.
    if (readyToReplace()) LoadNewDoc();
}

void frmMain::mnuFileOpen_Click() {
    if (!readyToReplace()) return;
    const QString dir = QFileInfo(DocPathOf(ctx_)).absolutePath();
    const QString path = ctx_.prompt().openFileName(this, QString(), dir, fileFilter());
    if (path.isEmpty()) return;
    openFile(path);
}

bool frmMain::openFile(const QString& path) {
    // The file is read beside the document: a failed open reports "file error." with the
    // reason and leaves the document, its path, model and windows as they were.
    const auto tell = ctx_.session.onMessage;
    rv::Session opened = ctx_.session;
    opened.onMessage = [this, &opened](rv::Msg m) { ctx_.session.report(m, opened.MessageDetail); };
    if (!rv::OpenDataFile(opened, path.toStdString())) return false;
    closeCurAllWindows();
    ctx_.session = std::move(opened);
    ctx_.session.onMessage = tell;
    ctx_.notifyReplaced();
    ctx_.session.DocPath = path.toStdString();
    ctx_.session.IsNewFile = false;
    Change_Language();
    showDocument();
    return true;
}

bool frmMain::saveTo(const QString& path) {
    if (!rv::SaveDataFile(ctx_.session, path.toStdString())) return false;
    ctx_.session.DocPath = path.toStdString();
    ctx_.session.IsNewFile = false;
    ctx_.markSaved();
    UpdateTitle();
    return true;
}

bool frmMain::mnuFileSave_Click() {
    if (!commitPendingEdits()) return false;
    if (ctx_.session.IsNewFile) return mnuFileSaveAs_Click();
    const QString quoted = QLatin1Char('"') + FileNameOf(DocPathOf(ctx_)) + QLatin1Char('"');
    if (ui::Ask(ctx_, this, rv::Msg::FileOverwrite, quoted) != ui::Answer::Ok) return false;
    return saveTo(DocPathOf(ctx_));
}

bool frmMain::mnuFileSaveAs_Click() {
    if (!commitPendingEdits()) return false;
    QString path = ctx_.prompt().saveFileName(this, QString(), DocPathOf(ctx_), fileFilter());
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".dat");
    return saveTo(path);
}

void frmMain::mnuFilePrint_Click() {
    if (!commitPendingEdits()) return;
    FrmPrintList dialog(ctx_, this);
    dialog.exec();
}

void frmMain::mnuFileExit_Click() {
    close();
}

} // namespace rv::app
