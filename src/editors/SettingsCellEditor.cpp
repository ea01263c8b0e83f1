#include "SettingsCellEditor.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

namespace rv::editors {

void FitGridToRows(QTableWidget* grid, bool fitWidth) {
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->resizeRowsToContents();
    const int frame = 2 * grid->frameWidth();
    grid->setMinimumHeight(grid->horizontalHeader()->height() + grid->verticalHeader()->length() +
                           frame);
    if (fitWidth) grid->setMinimumWidth(grid->horizontalHeader()->length() + frame);
}

SettingsCellEditor::SettingsCellEditor(QTableWidget* grid, QLineEdit* box,
                                       std::set<int> editableColumns, Commit commit)
    : QObject(grid), grid_(grid), box_(box), editable_(std::move(editableColumns)),
      commit_(std::move(commit)) {
    box->setParent(grid->viewport());
    box->hide();
    box->installEventFilter(this);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int col) { enter(row, col); });
    // A click on the current cell (the first click after opening) opens the box too.
    connect(grid, &QTableWidget::cellClicked, this, [this](int row, int col) {
        if (row != row_ || col != col_ || !box_->isVisible() || !box_->hasFocus()) enter(row, col);
    });
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { place(); });
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { place(); });
}

SettingsCellEditor::~SettingsCellEditor() {
    // No commit may run while the window is being torn down.
    if (box_) box_->removeEventFilter(this);
}

void SettingsCellEditor::enter(int row, int col) {
    if (busy_) return;
    commit();
    if (row < 0 || col < 0 || !editable_.contains(col)) return;
    row_ = row;
    col_ = col;
    place();
    const auto* item = grid_->item(row, col);
    box_->setText(item ? item->text() : QString());
    box_->show();
    box_->setFocus();
    box_->selectAll();
}

void SettingsCellEditor::commit() {
    // Only typing changes a cell: a box left as it was opened commits nothing, so leaving
    // it twice (focus, then the next cell) does not warn twice.
    if (busy_ || row_ < 0 || !box_ || !box_->isModified()) return;
    busy_ = true; // a message box shown by the commit takes the focus away from the box
    commit_(row_, col_, box_->text());
    const auto* item = grid_->item(row_, col_);
    box_->setText(item ? item->text() : QString());
    busy_ = false;
}

void SettingsCellEditor::close() {
    row_ = col_ = -1;
    if (box_) box_->hide();
}

void SettingsCellEditor::moveTo(int row, int col) {
    if (grid_->currentRow() == row && grid_->currentColumn() == col)
        enter(row, col);
    else
        grid_->setCurrentCell(row, col);
}

void SettingsCellEditor::place() {
    if (row_ < 0 || !box_) return;
    const QRect r = grid_->visualRect(grid_->model()->index(row_, col_));
    box_->setGeometry(r);
}

bool SettingsCellEditor::eventFilter(QObject* o, QEvent* e) {
    if (o == box_ && e->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason)
        commit();
    return false;
}

} // namespace rv::editors
