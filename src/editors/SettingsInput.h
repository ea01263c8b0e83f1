#pragma once

#include "data/Messages.h"
#include "data/SettingTexts.h"

#include <QComboBox>
#include <QObject>
#include <QString>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace rv {
struct SettingRow;
}

namespace rv::ui {
class AppContext;
}

namespace rv::editors {

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

/// True for the keys of copy, cut and paste, however the platform spells them.
bool IsClipboardKey(const QKeyEvent& e);

/// Digits and the decimal point.
QChar FreqRule(QChar c);
/// The characters a text row takes (a lower-case letter it takes in capitals becomes one);
/// every printable ASCII character when the row names none.
CharRule RowKeyRule(const rv::SettingRow& row);

/// What the key filter of a text box lets in.
struct KeyRule {
    /// What a typed printable character becomes.
    CharRule chars = {};
    /// What Enter does; by default it moves the focus to the next control.
    std::function<void()> onEnter = {};
    /// Typing stops at this many characters; 0 for no limit.
    int maxTyped = 0;
    /// The keys that act on whole channels (`IsChannelShortcut`) go to `onChannelKey`, or
    /// nowhere, never to the box.
    bool channelKeys = false;
    std::function<void(const QKeyEvent&)> onChannelKey = {};
};

/// Filters the keys of an editor text box: the clipboard keys and characters above 127 are
/// swallowed, printable characters go through the rule, Enter is swallowed. The context
/// menu, drops, input methods and the middle-click paste are closed; the commit checks the
/// text all the same.
void InstallKeyRule(QLineEdit* box, KeyRule rule);

/// Characters of a full frequency text: three digits of MHz, the point, five decimals
/// ("446.00625"), in the grid and in the channel dialog alike.
inline constexpr int FrequencyTextLength = 9;

/// The key rule of a channel frequency box: digits and the point, up to a full frequency;
/// the channel keys go to `onChannelKey`.
void InstallFrequencyRule(QLineEdit* box, std::function<void(const QKeyEvent&)> onChannelKey);

/// True for the keys that act on whole channels rather than on a box's text.
bool IsChannelShortcut(const QKeyEvent& e);

/// True when `w` is `ancestor` or lies inside it (popups of a combo box included).
bool IsInside(const QWidget* w, const QWidget* ancestor);

/// Enter moves the focus on in every drop-down box and check box of a window, as Tab does,
/// and is swallowed.
void InstallEnterMovesFocusOnControls(QWidget* window);

/// Tells the user that a typed value was refused: "Invalid Data" with an error icon, or
/// another shared message; a command waiting for the window's typing then stops.
void TellRefused(ui::AppContext& ctx, QWidget* parent, rv::Msg m = rv::Msg::InvalidData);

/// The frame of a child window: its document-area frame, or the window itself.
QWidget* FrameOf(QWidget* w);

/// A text of the data layer as a QString.
inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

/// The texts of a value list in a language, in list order.
QStringList Entries(const rv::ChoiceList& list, int language);

} // namespace rv::editors
