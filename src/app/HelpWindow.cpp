#include "HelpWindow.h"

#include "Captions.h"
#include "Startup.h"
#include "ui/AppContext.h"
#include "ui/HelpTopics.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace rv::app {

namespace {

const rv::LangText HelpMissing{"The help file cannot be found:", "找不到帮助文件："};
const rv::LangText HelpTitle{"RV52N Help", "RV52N 帮助"};
const rv::LangText HelpFileWord{"Help file:", "帮助文件："};

QPointer<FrmHelp> Viewer;

/// The help window, made anew when a modal dialog is up: only its own child windows take
/// input then.
FrmHelp* ViewerFor(ui::AppContext& ctx, QWidget* from) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner && from) owner = from->window();
    if (Viewer && Viewer->parentWidget() != owner) delete Viewer;
    if (!Viewer) Viewer = new FrmHelp(ctx, owner);
    return Viewer;
}

/// Turns F1 into the section of the window that receives it.
class HelpKey : public QObject {
public:
    HelpKey(ui::AppContext& ctx, QObject* owner) : QObject(owner), ctx_(ctx) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        // Dialogs and tool windows not hosted in the document area get their Help button
        // when they first show.
        if (e->type() == QEvent::Show) {
            auto* shown = qobject_cast<QWidget*>(watched);
            if (shown && ui::HelpTopicOf(shown->objectName())) ConnectHelpButton(ctx_, shown);
            return false;
        }
        if (e->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && OpenHelpFor(ctx_, widget);
    }

private:
    ui::AppContext& ctx_;
};

} // namespace

FrmHelp::FrmHelp(ui::AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), browser_(new QTextBrowser), where_(new QLabel) {
    setObjectName(QStringLiteral("FrmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setObjectName(QStringLiteral("TextBrowser1"));
    browser_->setOpenExternalLinks(true);
    where_->setObjectName(QStringLiteral("Label1"));
    where_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox;
    auto* close =
        buttons->addButton(ui::Tr(ctx_, CaptionOf(Cap::Close)), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CommandClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(where_);
    layout->addWidget(buttons);
    resize(760, 620);
}

void FrmHelp::showPage(const QUrl& url) {
    setWindowTitle(ui::Tr(ctx_, HelpTitle));
    where_->setText(ui::Tr(ctx_, HelpFileWord) + QLatin1Char(' ') + url.toLocalFile());
    // The same page at another section only scrolls; a page of the other language loads.
    browser_->setSource(url);
    if (!url.fragment().isEmpty()) browser_->scrollToAnchor(url.fragment());
    show();
    raise();
    activateWindow();
}

void OpenHelp(ui::AppContext& ctx, QWidget* from, const QString& topic) {
    const QString path = HelpFilePath(ctx.programDir, ctx.lang());
    if (!QFileInfo::exists(path)) {
        ui::Tell(ctx, from, ui::Tr(ctx, HelpMissing) + QLatin1Char('\n') + path,
                 rv::MsgIcon::Error);
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!topic.isEmpty()) url.setFragment(topic);
    if (ctx.prompt().openUrl(url)) return;
    ViewerFor(ctx, from)->showPage(url);
}

bool OpenHelpFor(ui::AppContext& ctx, QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<FrmHelp*>(w)) return false;
        if (const auto topic = ui::HelpTopicOf(w->objectName())) {
            OpenHelp(ctx, w, *topic);
            return true;
        }
    }
    return false;
}

void ConnectHelpButton(ui::AppContext& ctx, QWidget* window) {
    auto* button = window->findChild<QPushButton*>(QStringLiteral("CommandHelp"));
    if (!button || button->property("opensHelp").toBool()) return;
    button->setProperty("opensHelp", true);
    QObject::connect(button, &QPushButton::clicked, window,
                     [&ctx, window] { OpenHelpFor(ctx, window); });
}

void InstallHelpKey(ui::AppContext& ctx, QObject* owner) {
    qApp->installEventFilter(new HelpKey(ctx, owner));
}

} // namespace rv::app
