#include "frmMain.h"

#include "Captions.h"
#include "HelpWindow.h"
#include "QtTranslation.h"
#include "RadioJob.h"
#include "data/DataFile.h"
#include "editors/EditorRegistry.h"
#include "service/ServiceEntry.h"
#include "ui/ChildWindow.h"
#include "ui/Prompt.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSplitter>

#include <algorithm>

namespace rv::app {

namespace {
const QString GeometryKey = QStringLiteral("Settings/MainGeometry");
} // namespace

QString FileNameOf(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

frmMain::frmMain(ui::AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmMain"));
    ctx_.host = this;
    mdi_ = new QMdiArea;
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setObjectName(QStringLiteral("CommandMove"));
    splitter_->setChildrenCollapsible(false);
    buildTree();
    splitter_->addWidget(treePanel_);
    splitter_->addWidget(mdi_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({200, 760});
    setCentralWidget(splitter_);
    buildToolbar();
    buildStatusBar();
    buildMenus();
    // Where the window was last left, or 7, 7 with 967 × 700 pixels (100, 100, 14500 × 10500
    // twips) on a first start or when the kept value is damaged.
    if (!restoreGeometry(ProgramSettings().value(GeometryKey).toByteArray())) {
        move(7, 7);
        resize(967, 700);
    }
    InstallHelpKey(ctx_, this);
    Change_Language();
    connect(&ctx_, &ui::AppContext::modifiedChanged, this,
            [this] { setWindowModified(isModified()); });
    connect(&ctx_, &ui::AppContext::documentEdited, this,
            [this] { setWindowModified(isModified()); });
    LoadNewDoc();
}

frmMain::~frmMain() {
    if (ctx_.host == this) ctx_.host = nullptr;
}

QWidget* frmMain::findWindow(const QString& name) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isHidden() && sub->widget() && sub->widget()->objectName() == name)
            return sub->widget();
    }
    // A tool window of its own (test mode) counts as loaded as well.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() && w->isVisible() && w->objectName() == name) return w;
    }
    return nullptr;
}

QWidget* frmMain::showChildWindow(const QString& name) {
    if (QWidget* open = findWindow(name)) {
        auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
        if (sub) {
            if (sub->isMinimized()) sub->showNormal();
            mdi_->setActiveSubWindow(sub);
        }
        open->setFocus();
        return open;
    }
    ui::ChildWindow* w = editors::CreateEditorWindow(ctx_, name);
    if (!w) return nullptr;
    // A window that chose its own size keeps it as its smallest: the document area would
    // otherwise shrink it to its size hint when it lays itself out.
    if (w->testAttribute(Qt::WA_Resized))
        w->setMinimumSize(w->size().expandedTo(w->minimumSizeHint()));
    QMdiSubWindow* sub = mdi_->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->resize(sub->sizeHint().expandedTo(sub->minimumSizeHint()));
    sub->setWindowIcon(windowIcon());
    ConnectHelpButton(ctx_, w);
    w->show();
    cascade();
    mdi_->setActiveSubWindow(sub);
    return w;
}

void frmMain::closeCurAllWindows() {
    // Tool windows of their own (test mode) go as well; a modal dialog is left to its caller.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() && w->isVisible() && !w->isModal() && !qobject_cast<QMenu*>(w))
            w->close();
    }
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        // Taken out of the area at once, so that a window reopened right after is a new one.
        if (sub->close() && mdi_->subWindowList().contains(sub)) mdi_->removeSubWindow(sub);
    }
}

void frmMain::cascade() {
    mdi_->cascadeSubWindows();
}

QString frmMain::fileFilter() const {
    return ui::Tr(ctx_, rv::MessageOf(rv::Msg::DataFileWord).text) + QStringLiteral(" (*.dat)");
}

void frmMain::UpdateTitle() {
    const auto& s = ctx_.session;
    setWindowTitle(QStringLiteral("%1[%2:%3][%4:%5][*]")
                       .arg(ProductName, QString::fromStdString(s.CurModelCode).trimmed(),
                            QString::fromStdString(s.CurBand),
                            ui::Tr(ctx_, rv::MessageOf(rv::Msg::FileNameWord).text),
                            FileNameOf(QString::fromStdString(s.DocPath))));
}

void frmMain::Change_Language() {
    UseQtTranslation(ctx_.lang());
    captionStatusBar();
    UpdateTitle();
    captionMenus();
    fillTree();
}

void frmMain::applyLanguageChange() {
    if (ctx_.lang() == ctx_.ShownLanguage) return;
    ctx_.ShownLanguage = ctx_.lang();
    Change_Language();
    closeCurAllWindows();
    showChildWindow(QStringLiteral("frmCommChInfo"));
    cascade();
}

bool frmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) applyLanguageChange();
    return QMainWindow::event(e);
}

void frmMain::showDocument() {
    showChildWindow(QStringLiteral("frmCommChInfo"));
    UpdateTitle();
    cascade();
}

bool frmMain::commitPendingEdits() {
    // Menus and the close box take no focus, so a box being typed in is asked directly.
    QList<ui::ChildWindow*> windows;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (auto* w = qobject_cast<ui::ChildWindow*>(sub->widget())) windows << w;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (auto* own = qobject_cast<ui::ChildWindow*>(w); own && own->isVisible()) windows << own;
    return std::all_of(windows.begin(), windows.end(),
                       [](ui::ChildWindow* w) { return w->commitEdit(); });
}

void frmMain::closeEvent(QCloseEvent* e) {
    if (!testModeLeft_ && !readyToReplace(std::nullopt)) {
        e->ignore();
        return;
    }
    // A radio in test mode is let go of first (key released, test mode left); the window
    // closes once it has answered or been given up on.
    if (!std::exchange(testModeLeft_, false) && service::LeaveTestModeThen(this, [this] {
            testModeLeft_ = true;
            close();
        })) {
        e->ignore();
        return;
    }
    closeCurAllWindows();
    // A minimized window leaves the placement before it as it was.
    if (!isMinimized()) ProgramSettings().setValue(GeometryKey, saveGeometry());
    e->accept();
}

} // namespace rv::app
