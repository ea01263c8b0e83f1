#pragma once

#include <QComboBox>

#include <functional>

namespace rv::editors {

/// The drop-down box of a channel grid cell. It offers only its list, and nothing but a
/// click on a list entry chooses at once: arrow keys and the wheel step through the list,
/// typed characters build up to an entry, and the grid commits what the box shows when the
/// cell is left (Enter, Tab, a click elsewhere). A key that leads to no entry is refused.
/// A box with a `reader` (the tones) keeps every typed character instead: the whole text
/// is what is committed, and a text that names no entry is refused then, not put right.
/// Typing into the open list follows the same rules, so Enter there never takes a
/// neighbouring entry for a text that names none. Each entry into the box starts anew.
class ChannelChoiceBox : public QComboBox {
    Q_OBJECT
public:
    /// The entry position a whole typed text names, however it is written; -1 for none.
    using Reader = std::function<int(const QString& typed)>;

    /// Without a `reader` only the beginnings of the entries are matched.
    ChannelChoiceBox(const QString& objectName, Reader reader = {}, QWidget* parent = nullptr);

    /// The first entry whose text starts with `typed`, in either case; -1 for none.
    int entryStartingWith(const QString& typed) const;
    /// What was typed when it names no entry (the box shows the nearest beginning only as a
    /// hint); empty when the box shows what it holds.
    QString pendingText() const;
    /// Forgets what was typed, after it was committed or refused.
    void clearTyping() { typed_.clear(); }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool step(int key);
    bool type(const QString& text);
    bool typeKey(const QKeyEvent& e);
    bool typeIntoList(const QKeyEvent& e);
    int match(const QString& typed) const;

    Reader reader_;
    QString typed_;
};

} // namespace rv::editors
