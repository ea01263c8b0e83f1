#include "FrmFleetSync.h"

#include "SettingsBinder.h"
#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "data/Catalogue.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rv::editors {

namespace {

using L = rv::LangText;

const std::array<L, 2> TabCaptions{{{"FleetSync", "队列同步"}, {"Fleet List", "队列表"}}};
const std::array<L, 3> GridHeaders{{{"No.", "编号"}, {"Fleet", "队列"}, {"ID", "ID"}}};

enum Column { NoCol, FleetCol, IdCol };

} // namespace

FrmFleetSync::FrmFleetSync(ui::AppContext& ctx, QWidget* parent)
    : SettingsWindow(ctx, QStringLiteral("FrmFleetSync"), parent) {
    auto* page = new QWidget;
    auto* form = NewForm(page);
    addComboRows(form,
                 {"fleetsync.own_fleet", "fleetsync.own_id", "fleetsync.baud_rate",
                  "fleetsync.tx_modulation_delay", "fleetsync.message_mode_timer"},
                 QStringLiteral("Combo1"));
    form->addRow(addCheck(QStringLiteral("Check1"), "fleetsync.ptt_id_side_tone"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(page, QString());
    tabs_->addTab(buildListTab(), QString());
    layOut(tabs_);
    changeShowByLanguage();
}

QWidget* FrmFleetSync::buildListTab() {
    auto* page = new QWidget;
    grid_ = NewNumberedGrid(8, 3, page);
    grid_->horizontalHeader()->setSectionResizeMode(FleetCol, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(IdCol, QHeaderView::Stretch);
    FitGridToRows(grid_, false);
    text1_ = new QLineEdit;
    text1_->setObjectName(QStringLiteral("Text1"));
    InstallKeyRule(text1_, {[this](QChar c) { return cellKey(c); }});
    // An emptied cell empties its row; the other cell of a new row becomes "All".
    cellEditor_ = binder_->bind(grid_, text1_, {"", "fleet.#.fleet", "fleet.#.id"});
    (new QVBoxLayout(page))->addWidget(grid_);
    return page;
}

void FrmFleetSync::captionOwn(int language) {
    for (int i = 0; i < 2; ++i)
        tabs_->setTabText(i, ui::Tr(language, TabCaptions[i]));
    grid_->setHorizontalHeaderLabels({ui::Tr(language, GridHeaders[0]),
                                      ui::Tr(language, GridHeaders[1]),
                                      ui::Tr(language, GridHeaders[2])});
}

QChar FrmFleetSync::cellKey(QChar c) const {
    const QChar k = c == u'a' ? QChar(u'A') : c;
    if (k != u'A' && !k.isDigit()) return {};
    const QString t = text1_->text();
    const bool replacesAll = t.isEmpty() || text1_->selectedText() == t;
    const rv::SettingRow& row =
        *rv::findRow(cellEditor_->editCol() == FleetCol ? "fleet.1.fleet" : "fleet.1.id");
    const bool holdsAll = t == QStringLiteral("A") ||
                          t == QString::fromStdString(rv::InLanguage(row.zeroWord, ctx_.lang()));
    if (k == u'A' || holdsAll) return replacesAll ? k : QChar();
    const int digits = int(t.size() - text1_->selectedText().size()) + 1;
    // No more digits than the column's highest number has.
    return digits <= int(std::to_string(row.high + row.offset).size()) ? k : QChar();
}

} // namespace rv::editors
