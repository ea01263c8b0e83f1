#include "TextUndo.h"

#include "AppContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace rv::ui {

namespace {

class TextUndoFilter : public QObject {
public:
    TextUndoFilter(AppContext& ctx, QObject* owner) : QObject(owner) {
        qApp->installEventFilter(this);
        connect(&ctx, &AppContext::documentEdited, this, &TextUndoFilter::forgetTyping);
        connect(&ctx, &AppContext::documentReplaced, this, &TextUndoFilter::forgetTyping);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool override = event->type() == QEvent::ShortcutOverride;
        if (!override && event->type() != QEvent::KeyPress) return false;
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (!box || box->isReadOnly()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo);
        const bool redo = key->matches(QKeySequence::Redo) ||
                          (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
        if (!undo && !redo) return false;
        const bool own = undo ? box->isUndoAvailable() : box->isRedoAvailable();
        if (override) {
            // The box keeps the key while it has typing of its own to take back; then the
            // key is the document's.
            event->setAccepted(own);
            return true;
        }
        if (!own) return false;
        if (undo)
            box->undo();
        else
            box->redo();
        return true;
    }

private:
    /// What a box typed before a commit is the document's now; the box's history starts
    /// again from its text.
    void forgetTyping() {
        for (QWidget* w : QApplication::allWidgets()) {
            auto* box = qobject_cast<QLineEdit*>(w);
            if (!box || !(box->isUndoAvailable() || box->isRedoAvailable())) continue;
            const int cursor = box->cursorPosition();
            const bool modified = box->isModified();
            const QSignalBlocker quiet(box);
            box->setText(box->text());
            box->setCursorPosition(cursor);
            box->setModified(modified);
        }
    }
};

} // namespace

void InstallTextUndo(AppContext& ctx, QObject* owner) {
    new TextUndoFilter(ctx, owner);
}

} // namespace rv::ui
