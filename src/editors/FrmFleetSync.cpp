#include "FrmFleetSync.h"

#include "SettingsBinder.h"
#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "data/Catalogue.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

using L = rv::LangText;

const std::array<L, 2> TabCaptions{{{"FleetSync", "队列同步"}, {"Fleet List", "队列表"}}};
const std::array<L, 3> GridHeaders{{{"No.", "编号"}, {"Fleet", "队列"}, {"ID", "ID"}}};

enum Box { OwnFleet, OwnId, Baud, TxDelay, MsgTimer };
enum Column { NoCol, FleetCol, IdCol };
constexpr int Rows = 8;

std::string CellKey(int row, int col) {
    return "fleet." + std::to_string(row + 1) + (col == FleetCol ? ".fleet" : ".id");
}

} // namespace

FrmFleetSync::FrmFleetSync(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmFleetSync"), parent) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildSettingsTab(), QString());
    tabs_->addTab(buildListTab(), QString());
    buttons_ = MakeCommandButtons(this);
    LayOutWindow(this, tabs_, buttons_);
    InstallEnterMovesFocusOnControls(this);
    changeShowByLanguage();
}

FrmFleetSync::~FrmFleetSync() {
    delete cellEditor_;
}

QWidget* FrmFleetSync::buildSettingsTab() {
    auto* page = new QWidget;
    auto* form = NewForm(page);
    AddComboRows(form, page, combo1_, label1_, QStringLiteral("Combo1"));
    check1_ = new QCheckBox(page);
    check1_->setObjectName(QStringLiteral("Check1"));
    form->addRow(check1_);

    binder_ = new SettingsBinder(this);
    binder_->bind(combo1_[OwnFleet], "fleetsync.own_fleet", label1_[OwnFleet]);
    binder_->bind(combo1_[OwnId], "fleetsync.own_id", label1_[OwnId]);
    binder_->bind(combo1_[Baud], "fleetsync.baud_rate", label1_[Baud]);
    binder_->bind(combo1_[TxDelay], "fleetsync.tx_modulation_delay", label1_[TxDelay]);
    binder_->bind(combo1_[MsgTimer], "fleetsync.message_mode_timer", label1_[MsgTimer]);
    binder_->bind(check1_, "fleetsync.ptt_id_side_tone");
    return page;
}

QWidget* FrmFleetSync::buildListTab() {
    auto* page = new QWidget;
    grid_ = NewNumberedGrid(Rows, 3, page);
    grid_->horizontalHeader()->setSectionResizeMode(FleetCol, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(IdCol, QHeaderView::Stretch);
    FitGridToRows(grid_, false);
    text1_ = new QLineEdit;
    text1_->setObjectName(QStringLiteral("Text1"));
    InstallKeyRule(text1_, [this](QChar c) { return cellKey(c); });
    cellEditor_ = new SettingsCellEditor(
        grid_, text1_, {FleetCol, IdCol},
        [this](int row, int col, const QString& t) { commitCell(row, col, t); });
    (new QVBoxLayout(page))->addWidget(grid_);
    return page;
}

void FrmFleetSync::changeShowByLanguage() {
    const int lang = ctx_.lang();
    for (int i = 0; i < 2; ++i)
        tabs_->setTabText(i, Tr(lang, TabCaptions[i]));
    binder_->caption();
    grid_->setHorizontalHeaderLabels(
        {Tr(lang, GridHeaders[0]), Tr(lang, GridHeaders[1]), Tr(lang, GridHeaders[2])});
    buttons_.caption(lang);
    reShow();
}

void FrmFleetSync::reShow() {
    binder_->show();
    showGrid();
}

void FrmFleetSync::showGrid() {
    cellEditor_->close();
    for (int r = 0; r < Rows; ++r)
        showRow(r);
}

QChar FrmFleetSync::cellKey(QChar c) const {
    const QChar k = c == u'a' ? QChar(u'A') : c;
    if (k != u'A' && !k.isDigit()) return {};
    const QString t = text1_->text();
    const bool replacesAll = t.isEmpty() || text1_->selectedText() == t;
    const rv::SettingRow& row = *rv::findRow(CellKey(0, cellEditor_->editCol()));
    const bool holdsAll = t == QStringLiteral("A") ||
                          t == QString::fromStdString(rv::InLanguage(row.zeroWord, ctx_.lang()));
    if (k == u'A' || holdsAll) return replacesAll ? k : QChar();
    const int digits = int(t.size() - text1_->selectedText().size()) + 1;
    // No more digits than the column's highest number has.
    return digits <= int(std::to_string(row.high + row.offset).size()) ? k : QChar();
}

void FrmFleetSync::commitCell(int row, int col, const QString& typed) {
    // An emptied cell empties its row; the other cell of a new row becomes "All"; a number
    // outside its range is refused and the row keeps its entry.
    const std::string key = CellKey(row, col);
    const auto result = rv::commitText(ctx_.session, key, typed.toStdString());
    if (result.refusal) TellInvalidData(ctx_, this);
    showRow(row);
    ctx_.notifyCommitted(this, key, result);
}

void FrmFleetSync::showRow(int row) {
    for (const int col : {FleetCol, IdCol})
        grid_->item(row, col)->setText(
            QString::fromStdString(rv::textOf(ctx_.session, CellKey(row, col))));
}

} // namespace rv::ui
