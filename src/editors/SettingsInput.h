#pragma once

#include "data/Messages.h"
#include "data/SettingTexts.h"

#include <QComboBox>
#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

namespace rv {
struct SettingRow;
}

namespace rv::ui {

class AppContext;

/// A drop-down box that offers only its list entries: nothing can be typed into it. It can
/// still show a text that is not an entry (a stored value outside the list) without
/// selecting anything.
class SettingsCombo : public QComboBox {
    Q_OBJECT
public:
    explicit SettingsCombo(const QString& objectName, QWidget* parent = nullptr);

    /// Selects entry `index`; an index outside the list shows an empty text.
    void showEntry(int index);
    /// Selects the entry with that text, or shows the text alone when no entry has it.
    void showText(const QString& text);
    /// Replaces the entries; the box then shows nothing until told what to show.
    void setEntries(const QStringList& entries);
};

/// Decides what a typed printable character becomes: the character to insert, or a null
/// QChar to swallow it.
using CharRule = std::function<QChar(QChar)>;

/// Digits and the decimal point.
QChar FreqRule(QChar c);
/// The characters a text row takes (a lower-case letter it takes in capitals becomes one);
/// every printable ASCII character when the row names none.
CharRule RowKeyRule(const rv::SettingRow& row);

/// Filters the keys of an editor text box: the clipboard keys and characters above 127 are
/// swallowed, printable characters go through `rule`, Enter runs `onEnter` (by default it
/// moves the focus to the next control) and is swallowed. The context menu, drops, input
/// methods and the middle-click paste are closed; the commit checks the text all the same.
void InstallKeyRule(QLineEdit* box, CharRule rule, std::function<void()> onEnter = {});

/// Enter in `w` moves the focus to the next control, as Tab does, and is swallowed.
void InstallEnterMovesFocus(QWidget* w);

/// Enter moves the focus on in every drop-down box and check box of a window.
void InstallEnterMovesFocusOnControls(QWidget* window);

/// Moves the focus to the next control of the same child window, as Tab would.
void FocusNext(QWidget* w);

/// Tells the user that a typed value was refused: "Invalid Data" with an error icon, or
/// another shared message; a command waiting for the window's typing then stops.
void TellRefused(AppContext& ctx, QWidget* parent, rv::Msg m = rv::Msg::InvalidData);

/// Closes a child window, together with the document-area frame that holds it.
void CloseChildWindow(QWidget* w);

/// The texts of a value list in a language, in list order.
QStringList Entries(const rv::ChoiceList& list, int language);

} // namespace rv::ui
