#pragma once

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QObject>
#include <QPushButton>

#include "data/Messages.h"

class QDialog;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// OK (`Command1`) and Cancel (`Command2`) captioned in the current language, Cancel wired
/// to reject(); with `help`, a Help button (`CommandHelp`) that opens the dialog's help
/// section once the dialog is shown.
QDialogButtonBox* OkCancelButtons(const ui::AppContext& ctx, QDialog& dialog, bool help = false);

/// A push button captioned `text` in the current language, with the objectName `name`.
QPushButton* NamedButton(const ui::AppContext& ctx, const rv::LangText& text, const char* name);

/// Makes Enter in a combo box move the focus on, as Tab does, instead of closing the dialog.
class EnterMovesFocus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override;
};

} // namespace rv::app
