#pragma once

#include <QString>

#include <span>

class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QTableWidget;
class QWidget;

namespace rv::ui {

class SettingsCombo;

/// The command buttons at the foot of a settings window, right-aligned in one row.
struct CommandButtons {
    QPushButton* close = nullptr; ///< "CommandClose": closes the window
    QPushButton* help = nullptr;  ///< "CommandHelp"
    QHBoxLayout* row = nullptr;

    /// Captions the buttons in a language.
    void caption(int language) const;
};

/// Makes the Close and Help buttons of `window`.
CommandButtons MakeCommandButtons(QWidget* window);

/// Lays out `window`: the `content` widget above the command buttons.
void LayOutWindow(QWidget* window, QWidget* content, const CommandButtons& buttons);

/// Lays out `window`: the `content` layout above the command buttons; with `pushUp` the
/// room left over goes between them.
void LayOutWindow(QWidget* window, QLayout* content, const CommandButtons& buttons, bool pushUp);

/// A form whose labels stand right-aligned before their fields.
QFormLayout* NewForm(QWidget* parent = nullptr);

/// Adds a labelled drop-down box to `form` for every element of `boxes`, named "<name>_0",
/// "<name>_1" ...; with a `labelName` the labels are named alike.
void AddComboRows(QFormLayout* form, QWidget* parent, std::span<SettingsCombo*> boxes,
                  std::span<QLabel*> labels, const QString& name, const QString& labelName = {});

/// The grid "MSFlexGrid1" with `rows` rows: its first column numbers them from 1 and cannot
/// be edited, the other columns start empty; one cell is selected at a time.
QTableWidget* NewNumberedGrid(int rows, int columns, QWidget* parent);

} // namespace rv::ui
