#pragma once

#include "data/Messages.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace rv {
struct SettingRow;
}

namespace rv::ui {
class AppContext;
class ChildWindow;
} // namespace rv::ui

namespace rv::editors {

class SettingsCellEditor;
class SettingsCombo;

/// Binds the controls of a settings window to catalogue rows: each shows its row's value
/// and caption, a drop-down box offers what the row offers for the document, and a change
/// commits through the row. A refused value is told and the control shows the document again.
/// A bound control carries its row's key as the property "key"; a caption label is its buddy.
class SettingsBinder : public QObject {
    Q_OBJECT
public:
    explicit SettingsBinder(ui::ChildWindow* window);
    ~SettingsBinder() override;

    /// A drop-down box, captioned by `label` when given; committed when an entry is chosen.
    void bind(SettingsCombo* box, const char* key, QLabel* label = nullptr);
    /// A check box, captioned with the row's label; committed when clicked.
    void bind(QCheckBox* box, const char* key);
    /// A text box taking the row's characters and at most its width, captioned by `label`
    /// when given; committed when editing finishes.
    void bind(QLineEdit* box, const char* key, QLabel* label = nullptr);
    /// A list of numbered entries in a grid: column c of grid row r shows and commits the key
    /// `columnKeys[c]` with "#" standing for r + 1 (an empty key: a column of its own). `box`
    /// is the text box laid over the cell being typed in; a refused text tells `refusal`.
    SettingsCellEditor* bind(QTableWidget* grid, QLineEdit* box,
                             std::vector<std::string> columnKeys,
                             rv::Msg refusal = rv::Msg::InvalidData);

    /// Captions the window after its rows' area and every control, and fills the boxes'
    /// entries, in the current language.
    void caption();
    /// Shows every row's value.
    void show();

signals:
    /// A commit through `key` changed the document.
    void committed(const QString& key);

private:
    struct Binding {
        const SettingRow* row;
        QWidget* control;
        QLabel* label;
    };
    struct Grid {
        QTableWidget* grid;
        std::vector<std::string> columnKeys;
        QPointer<SettingsCellEditor> editor;
        rv::Msg refusal;
    };

    const Binding& add(QWidget* control, const char* key, QLabel* label);
    void commit(const Binding& b, const QString& text);
    void commitCell(const Grid& g, int row, int col, const QString& text);
    void showOne(const Binding& b);
    void showCells(const Grid& g, int row);

    ui::ChildWindow* window_;
    ui::AppContext& ctx_;
    std::vector<Binding> bindings_;
    std::vector<Grid> grids_;
};

} // namespace rv::editors
