#include "frmCommChInfo.h"

#include "ChannelCellDelegate.h"
#include "ChannelTableModel.h"
#include "ChannelTexts.h"
#include "ChannelTransaction.h"
#include "ChannelWindows.h"
#include "FrmCHInfoEdit.h"
#include "SettingsInput.h"
#include "SettingsLayout.h"
#include "data/DamagedFields.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace rv::editors {

namespace {

using M = ChannelTableModel;

// Twips of the original layout at 96 dots per inch.
constexpr int Px(int twips) {
    return twips / 15;
}

constexpr int ColumnTwips[M::ColumnCount] = {500,  1000, 1000, 1000, 1000, 1000,
                                             1000, 0,    0,    1000, 1000};

/// The grid itself. Typing never searches the cells for a text, which would move to another
/// channel; and when the window sends a clicked cell's cursor elsewhere in the row (RX of an
/// empty row, TX before an encode tone), the highlight goes with it.
class ChannelGridView : public QTableView {
public:
    using QTableView::QTableView;
    void keyboardSearch(const QString&) override {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        QTableView::mousePressEvent(e);
        const QModelIndex current = currentIndex();
        if (current.isValid() && current != indexAt(e->position().toPoint()))
            selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    }
};

/// Places `w` to the right of `anchor`, so that it hides none of the rows it follows; in a
/// document area too narrow for both it keeps to the area's right edge.
void PlaceBeside(QWidget* anchor, QWidget* w) {
    QWidget* anchorFrame = FrameOf(anchor);
    QWidget* frame = FrameOf(w);
    int x = anchorFrame->frameGeometry().right() + 1;
    if (frame->isWindow()) {
        frame->move(x, anchorFrame->frameGeometry().top());
        return;
    }
    if (QWidget* area = frame->parentWidget())
        x = std::max(0, std::min(x, area->width() - frame->width()));
    frame->move(x, anchorFrame->y());
}

} // namespace

frmCommChInfo::frmCommChInfo(ui::AppContext& ctx, QWidget* parent)
    : ui::ChildWindow(ctx, QStringLiteral("frmCommChInfo"), parent) {
    buildGrid();

    channelEditButton_ = new QPushButton(this);
    channelEditButton_->setObjectName(QStringLiteral("CommandCHInfoEdit"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(channelEditButton_);
    buttons_ = CommandButtons(this, buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(channelEditButton_, &QPushButton::clicked, this, [this] {
        SaveShowGridData();
        showChannelEdit();
    });

    changeShowByLanguage();
    // One message names every damaged frequency, not one message per field.
    rv::ReportDamagedFrequencies(ctx_.session);
    resize(std::max(Px(8700), grid_->maximumWidth() + 24), Px(6000));
    // Loading selects row 1, column 1; the first activation opens its editor.
    skipNextEnterCell_ = true;
    setCurrentCell(1, M::RxFreq);
}

frmCommChInfo::~frmCommChInfo() = default;

void frmCommChInfo::buildGrid() {
    model_ = new ChannelTableModel(ctx_, this);
    delegate_ = new ChannelCellDelegate(ctx_, this);
    delegate_->setShortcutHandler([this](const QKeyEvent& k) { handleChannelShortcut(k); });

    grid_ = new ChannelGridView(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setModel(model_);
    grid_->setItemDelegate(delegate_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->setTabKeyNavigation(false);
    grid_->verticalHeader()->hide();
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int c = 0; c < M::ColumnCount; ++c)
        grid_->setColumnHidden(c, ColumnTwips[c] == 0);
    // All 16 channel rows are visible without scrolling.
    const int rowHeight = grid_->fontMetrics().height() + 8;
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->horizontalHeader()->setFixedHeight(rowHeight);
    grid_->setFixedHeight((M::RowCount + 1) * rowHeight + 2 * grid_->frameWidth());
    grid_->installEventFilter(this);
    buildEditors();

    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });
    connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        // A click on the current cell reopens its editor (or the dialog in column 10).
        if (index == grid_->currentIndex() && !editor_) enterCell(true);
    });
    connect(grid_, &QTableView::customContextMenuRequested, this, &frmCommChInfo::showContextMenu);
}

void frmCommChInfo::changeShowByLanguage() {
    setCaption();
    model_->reShowAll();
    sizeColumns();
    channelEditButton_->setText(ui::Tr(ctx_, ChannelTexts::ChannelEdit));
    buttons_.caption(ctx_.lang());
    // An open drop-down box gets its list in the new language.
    if (editor_ && qobject_cast<QComboBox*>(editor_)) openEditorAt(editRow_, editCol_);
    SetShowEditData();
}

void frmCommChInfo::sizeColumns() {
    // The twips widths, widened where this font needs more room for a full frequency
    // or a heading.
    const QFontMetrics fm = grid_->fontMetrics();
    const int pad = 2 * fm.averageCharWidth();
    int total = 2 * grid_->frameWidth();
    for (int c = 0; c < M::ColumnCount; ++c) {
        if (ColumnTwips[c] == 0) continue;
        int need = fm.horizontalAdvance(
                       model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
                   pad;
        if (c == M::RxFreq || c == M::TxFreq)
            need = std::max(need, fm.horizontalAdvance(QStringLiteral("000.00000")) + pad);
        grid_->setColumnWidth(c, std::max(Px(ColumnTwips[c]), need));
        total += grid_->columnWidth(c);
    }
    grid_->setMinimumWidth(total);
    grid_->setMaximumWidth(total);
    if (editor_) editor_->setGeometry(grid_->visualRect(editorIndex_));
}

void frmCommChInfo::reShow() {
    rv::ReportDamagedFrequencies(ctx_.session);
    model_->reShowAll();
    SetShowEditData();
}

bool frmCommChInfo::commitEdit() {
    // The cell editor commits when the grid is left, which a menu command does not do.
    const int refused = ctx_.refusedEdits();
    SaveShowGridData();
    return ui::ChildWindow::commitEdit() && ctx_.refusedEdits() == refused;
}

void frmCommChInfo::setCaption() {
    setWindowTitle(ui::Tr(ctx_, ChannelTexts::GridCaption) + QLatin1Char(' ') +
                   QString::number(currentChannel_) + QLatin1Char(']'));
}

int frmCommChInfo::currentRow() const {
    return grid_->currentIndex().row() + 1;
}
int frmCommChInfo::currentColumn() const {
    return grid_->currentIndex().column();
}
QString frmCommChInfo::cell(int row, int column) const {
    return model_->cellText(row, column);
}

void frmCommChInfo::setCurrentCell(int row, int column) {
    grid_->setCurrentIndex(model_->index(row - 1, column));
}

void frmCommChInfo::showEvent(QShowEvent* event) {
    ui::ChildWindow::showEvent(event);
    if (!firstActivate_) return;
    firstActivate_ = false;
    enterCell(true);
}

void frmCommChInfo::closeEvent(QCloseEvent* event) {
    SaveShowGridData();
    ui::ChildWindow::closeEvent(event);
}

void frmCommChInfo::onCurrentChanged(const QModelIndex& current) {
    if (!current.isValid()) return;
    if (skipNextEnterCell_) {
        skipNextEnterCell_ = false;
        return;
    }
    enterCell(true);
}

void frmCommChInfo::enterCell(bool commitFirst) {
    const int row = currentRow();
    const int column = currentColumn();
    currentChannel_ = row;
    setCaption();
    if (skipNextCommit_) {
        skipNextCommit_ = false;
    } else if (commitFirst) {
        SaveShowGridData();
    }
    if (column == M::OptSignal || column == M::PttId) {
        setCurrentCell(row, M::WideNarrow);
        return;
    }
    // Every setting needs a receive frequency first, an encode tone a transmit frequency.
    if (M::isEditable(column) && column != M::RxFreq && cell(row, M::RxFreq).isEmpty())
        return sendCursorTo(row, M::RxFreq);
    if (column == M::Enc && cell(row, M::TxFreq).isEmpty()) return sendCursorTo(row, M::TxFreq);
    EnterGridEdit();
}

void frmCommChInfo::sendCursorTo(int row, int column) {
    editCol_ = column;
    editRow_ = row;
    skipNextCommit_ = true;
    setCurrentCell(row, column);
}

void frmCommChInfo::EnterGridEdit() {
    editCol_ = currentColumn();
    editRow_ = currentRow();
    if (auto* d = channelEdit()) d->SetGridEditData(true);
    if (editCol_ == M::RxFreq || editCol_ == M::TxFreq) {
        const QString text = cell(editRow_, editCol_);
        openEditorAt(editRow_, editCol_);
        auto* box = qobject_cast<QLineEdit*>(editor_);
        if (!box) return;
        box->setText(text);
        // An empty transmit frequency shows the receive one as a hint only: entering or
        // leaving the cell stores nothing.
        box->setPlaceholderText(editCol_ == M::TxFreq ? cell(editRow_, M::RxFreq) : QString());
        box->setFocus();
        if (!text.isEmpty()) box->selectAll();
    } else if (M::isEditable(editCol_)) {
        openEditorAt(editRow_, editCol_);
        if (editor_) editor_->setFocus();
    } else if (editCol_ == M::More) {
        showChannelEdit();
    }
}

void frmCommChInfo::GridNextCol() {
    const int row = currentRow();
    const int next = currentColumn() + 1;
    if (next < M::More) {
        setCurrentCell(row, next);
        return;
    }
    skipNextEnterCell_ = true;
    setCurrentCell(row, M::RxFreq);
    GridNextLine();
}

void frmCommChInfo::GridNextLine() {
    int row = currentRow() + 1;
    if (row > M::RowCount) row = 1;
    setCurrentCell(row, currentColumn());
}

bool frmCommChInfo::onEnterKey() {
    const int column = editorIndex_.isValid() ? editorIndex_.column() : currentColumn();
    if (column == M::RxFreq && editorText().isEmpty())
        GridNextLine();
    else if (M::isEditable(column))
        GridNextCol();
    else if (column == M::More && !channelEdit())
        showChannelEdit();
    return true;
}

void frmCommChInfo::onDocumentEdited(QObject* source) {
    model_->reShowAll();
    // Another window's commit reaches an editor left open here as well.
    if (source != this) SetShowEditData();
}

FrmCHInfoEdit* frmCommChInfo::channelEdit() const {
    return FindChannelWindow<FrmCHInfoEdit>(ctx_, QStringLiteral("FrmCHInfoEdit"));
}

void frmCommChInfo::showChannelEdit() {
    const bool wasOpen = channelEdit() != nullptr;
    // The main window brings an open dialog to the front or opens it.
    if (ctx_.host) {
        QWidget* d = ctx_.host->showChildWindow(QStringLiteral("FrmCHInfoEdit"));
        if (d && !wasOpen) PlaceBeside(this, d);
        return;
    }
    if (auto* d = channelEdit()) {
        d->raise();
        d->activateWindow();
        d->setFocus();
        return;
    }
    ownDialog_ = new FrmCHInfoEdit(ctx_);
    ownDialog_->show();
    PlaceBeside(this, ownDialog_);
}

} // namespace rv::editors
