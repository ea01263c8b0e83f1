#pragma once

#include "ui/ChildWindow.h"

#include <QString>

#include <initializer_list>
#include <vector>

class QCheckBox;
class QFormLayout;
class QHBoxLayout;
class QLayout;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rv::editors {

class SettingsBinder;
class SettingsCombo;

/// The Close and Help buttons at the foot of a window ("CommandClose", "CommandHelp").
struct CommandButtons {
    QPushButton* close = nullptr; ///< closes the window, with its document-area frame
    QPushButton* help = nullptr;

    CommandButtons() = default;
    /// Adds the buttons to `window`, right-aligned at the end of `row`.
    CommandButtons(QWidget* window, QHBoxLayout* row);
    /// Captions the buttons in a language.
    void caption(int language) const;
};

/// A settings window: its controls, bound to catalogue rows, above the Close and Help
/// buttons. The binder captions and shows the rows; a window adds only what is its own:
/// where things stand, its headings, and what enables what on screen.
class SettingsWindow : public ui::ChildWindow {
    Q_OBJECT
public:
    SettingsWindow(ui::AppContext& ctx, const QString& formName, QWidget* parent);
    ~SettingsWindow() override;
    void changeShowByLanguage() override;
    void reShow() override;

protected:
    /// Lays out the window: `content` above the command buttons.
    void layOut(QWidget* content);
    /// Lays out the window: `content` above the command buttons, made after the controls so
    /// that Tab reaches them last; with `pushUp` the room left over goes between them.
    void layOut(QLayout* content, bool pushUp);
    /// Adds to `form` a labelled drop-down box bound to each key, named "<name>_0",
    /// "<name>_1" ...; with a `labelName` the labels are named alike.
    std::vector<SettingsCombo*> addComboRows(QFormLayout* form,
                                             std::initializer_list<const char*> keys,
                                             const QString& name, const QString& labelName = {});
    /// Adds to `form` a drop-down box named `name` bound to `key`, labelled by a label named
    /// `labelName`.
    SettingsCombo* addCombo(QFormLayout* form, const QString& name, const char* key,
                            const QString& labelName = {});
    /// Adds to `form` a text box named `name` bound to `key`, labelled by a label named
    /// `labelName`.
    QLineEdit* addText(QFormLayout* form, const QString& name, const char* key,
                       const QString& labelName = {});
    /// A check box named `name` bound to `key`.
    QCheckBox* addCheck(const QString& name, const char* key);

    /// Captions what the window holds besides its rows (tabs, frames, grid headings).
    virtual void captionOwn(int /*language*/) {}
    /// Applies what enables what, once the rows are shown.
    virtual void showRules() {}

    SettingsBinder* binder_;

private:
    CommandButtons buttons_;
};

/// A form whose labels stand right-aligned before their fields.
QFormLayout* NewForm(QWidget* parent = nullptr);

/// The grid "MSFlexGrid1" with `rows` rows: its first column numbers them from 1 and cannot
/// be edited, the other columns start empty; one cell is selected at a time.
QTableWidget* NewNumberedGrid(int rows, int columns, QWidget* parent);

} // namespace rv::editors
