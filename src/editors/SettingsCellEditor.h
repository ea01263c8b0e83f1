#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <set>

class QLineEdit;
class QTableWidget;

namespace rv::editors {

/// Sizes a grid so that every row shows without scrolling; with `fitWidth` also every
/// column, otherwise the stretching columns share what the window gives.
void FitGridToRows(QTableWidget* grid, bool fitWidth);

/// One text box laid over the current cell of a grid: entering a cell commits the box for
/// the cell it was on and opens it on the new one; leaving the box commits it as well.
class SettingsCellEditor : public QObject {
    Q_OBJECT
public:
    /// Called with the cell and the box's text; writes the cell and the document.
    using Commit = std::function<void(int row, int col, const QString& text)>;

    SettingsCellEditor(QTableWidget* grid, QLineEdit* box, std::set<int> editableColumns,
                       Commit commit);
    ~SettingsCellEditor() override;

    /// Commits the open box, then opens it over (row, col) when that cell is editable.
    void enter(int row, int col);
    /// Writes the box's text through the commit function when it was typed into.
    void commit();
    /// Hides the box without committing it (the grid is being refilled).
    void close();
    /// Moves the grid's current cell, which enters it.
    void moveTo(int row, int col);

    int editRow() const { return row_; }
    int editCol() const { return col_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void place();

    QPointer<QTableWidget> grid_;
    QPointer<QLineEdit> box_;
    std::set<int> editable_;
    Commit commit_;
    int row_ = -1;
    int col_ = -1;
    bool busy_ = false;
};

} // namespace rv::editors
