#pragma once

#include <QWidget>

class QLabel;
class QTextBrowser;
class QUrl;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The program's own help window, for a machine without a web browser: the page with its
/// links, and where the page lives.
class FrmHelp : public QWidget {
    Q_OBJECT
public:
    FrmHelp(ui::AppContext& ctx, QWidget* parent);

    /// Shows the page of `url` at its section (the fragment).
    void showPage(const QUrl& url);
    QTextBrowser* browser() const { return browser_; }

private:
    ui::AppContext& ctx_;
    QTextBrowser* browser_;
    QLabel* where_;
};

/// Opens the help page of the current language at `topic` (empty: the top) in the web
/// browser, or in the help window when the machine has none. A missing page is told with
/// the path where it was looked for.
void OpenHelp(ui::AppContext& ctx, QWidget* from, const QString& topic);

/// Opens the section of the window `widget` belongs to: the nearest window, dialog or
/// main window with a section of its own. False when none has one.
bool OpenHelpFor(ui::AppContext& ctx, QWidget* widget);

/// Makes the Help button of `window` ("CommandHelp"), when it has one, open its section;
/// once, however often it is called.
void ConnectHelpButton(ui::AppContext& ctx, QWidget* window);

/// Makes F1 open the section of the window being worked in, and the Help button of every
/// window with a section open it, while `owner` lives.
void InstallHelpKey(ui::AppContext& ctx, QObject* owner);

} // namespace rv::app
