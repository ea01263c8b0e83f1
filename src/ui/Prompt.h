#pragma once

#include "data/Messages.h"

#include <QString>

class QUrl;
class QWidget;

namespace rv::ui {

class AppContext;

enum class Answer { Ok, Cancel, Yes, No, Retry };

/// The seam through which the program asks the user: message boxes and file dialogs.
/// The default shows real dialogs; tests subclass it and answer from a script.
class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer message(QWidget* parent, const QString& title, const QString& text,
                           rv::MsgButtons buttons, rv::MsgIcon icon);
    /// Empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter);
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                 const QString& filter);
    /// Shows a page in the user's web browser; false when the machine has none.
    virtual bool openUrl(const QUrl& url);
};

/// Shows a shared message in the current language with its own buttons and icon;
/// `prefix` goes in front of the text (the quoted file name of the overwrite question).
Answer Ask(const AppContext& ctx, QWidget* parent, rv::Msg m, const QString& prefix = {});

/// Shows a fixed text with an OK button (error traps, messages of one window).
void Tell(const AppContext& ctx, QWidget* parent, const QString& text,
          rv::MsgIcon icon = rv::MsgIcon::None);

} // namespace rv::ui
