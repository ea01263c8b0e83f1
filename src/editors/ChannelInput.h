#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace rv::ui {

/// Characters of a full frequency text: three digits of MHz, the point, five decimals
/// ("446.00625"), in the grid and in the channel dialog alike.
inline constexpr int FrequencyTextLength = 9;

/// The keys a frequency box discards: Ctrl+C, Ctrl+V, Ctrl+X (and the other paste keys),
/// codes above 127 and every printable character but the digits and the point.
bool IsDiscardedFrequencyKey(const QKeyEvent& e);

/// True for the keys that act on whole channels rather than on a box's text.
bool IsChannelShortcut(const QKeyEvent& e);

/// Applies the frequency key rule to a box and keeps text from reaching it any other way
/// (context menu, middle-click paste, drops, input methods); typing stops at `maxLength`. Channel
/// shortcuts go to `onShortcut` when one is given; otherwise they are discarded too.
class FrequencyKeyFilter : public QObject {
    Q_OBJECT
public:
    using ShortcutHandler = std::function<void(const QKeyEvent&)>;
    explicit FrequencyKeyFilter(QLineEdit* box, int maxLength, ShortcutHandler onShortcut = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isTooLong(const QKeyEvent& e) const;

    QLineEdit* box_;
    int maxLength_;
    ShortcutHandler onShortcut_;
};

/// True when `w` is `ancestor` or lies inside it (popups of a combo box included).
bool IsInside(const QWidget* w, const QWidget* ancestor);

} // namespace rv::ui
