#include "DialogKit.h"

#include "Captions.h"
#include "ui/AppContext.h"

#include <QDialog>
#include <QWidget>

namespace rv::app {

QDialogButtonBox* OkCancelButtons(const ui::AppContext& ctx, QDialog& dialog, bool help) {
    auto* box = new QDialogButtonBox;
    QPushButton* ok = box->addButton(ui::Tr(ctx, CaptionOf(Cap::Ok)), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    QPushButton* cancel =
        box->addButton(ui::Tr(ctx, CaptionOf(Cap::Cancel)), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command2"));
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (help)
        box->addButton(ui::Tr(ctx, CaptionOf(Cap::Help)), QDialogButtonBox::HelpRole)
            ->setObjectName(QStringLiteral("CommandHelp"));
    return box;
}

QPushButton* NamedButton(const ui::AppContext& ctx, const rv::LangText& text, const char* name) {
    auto* b = new QPushButton(ui::Tr(ctx, text));
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (auto* w = qobject_cast<QWidget*>(watched))
        w->nextInFocusChain()->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace rv::app
