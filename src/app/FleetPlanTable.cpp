#include "FleetPlanTable.h"

#include "DialogKit.h"
#include "link/LocalFiles.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rv::app {

namespace {

using L = rv::LangText;
const L Title{"Per radio", "每台对讲机"};
const L Number{"No.", "序号"};
const L Serial{"Serial Number", "序号"};
const L PatternHint{"1001, 1001:10 or UNIT {n:02}", "1001、1001:10 或 UNIT {n:02}"};
const L Fill{"&Fill", "填充(&F)"};
const L LoadUnits{"&Units File...", "各机设置文件(&U)..."};
const L ClearText{"Clea&r", "清除(&R)"};
const L UnitsFilter{"Units file (*.csv)", "各机设置文件 (*.csv)"};
const L SerialLater{"(read at start)", "（开始时读取）"};

} // namespace

FleetPlanTable::FleetPlanTable(ui::AppContext& ctx, std::vector<PerRadioKey> keys, QWidget* parent)
    : QWidget(parent), ctx_(ctx), keys_(std::move(keys)) {
    setObjectName(QStringLiteral("FleetPlanTable"));
    grid_ = new QTableWidget(0, 2);
    grid_->setObjectName(QStringLiteral("grdPerRadio"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    key_ = new QComboBox;
    key_->setObjectName(QStringLiteral("cboPerRadioKey"));
    for (const auto& k : keys_)
        key_->addItem(k.label, QString::fromStdString(k.key));
    pattern_ = new QLineEdit;
    pattern_->setObjectName(QStringLiteral("txtPerRadioPattern"));
    pattern_->setPlaceholderText(ui::Tr(ctx_, PatternHint));
    auto* fill = NamedButton(ctx_, Fill, "cmdPerRadioFill");
    auto* units = NamedButton(ctx_, LoadUnits, "cmdPerRadioUnits");
    auto* clearButton = NamedButton(ctx_, ClearText, "cmdPerRadioClear");
    connect(fill, &QPushButton::clicked, this, [this] {
        if (addPattern(key_->currentData().toString().toStdString(), pattern_->text()))
            pattern_->clear();
    });
    connect(units, &QPushButton::clicked, this, [this] {
        const QString path =
            ctx_.prompt().openFileName(this, ui::Tr(ctx_, LoadUnits).remove(QLatin1Char('&')),
                                       QString(), ui::Tr(ctx_, UnitsFilter));
        if (!path.isEmpty()) loadUnits(path);
    });
    connect(clearButton, &QPushButton::clicked, this, &FleetPlanTable::clear);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ui::Tr(ctx_, Title)));
    row->addWidget(key_, 1);
    row->addWidget(pattern_, 1);
    for (QWidget* w : {fill, units, clearButton})
        row->addWidget(w);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(grid_);
    refill();
}

void FleetPlanTable::setRadioCount(int count) {
    if (count == radioCount_) return;
    radioCount_ = count;
    refill();
}

bool FleetPlanTable::addPattern(const std::string& key, const QString& pattern) {
    std::string error;
    if (!values_.addEach(key + '=' + pattern.toStdString(), ctx_.session.CurLanguage, &error)) {
        tell(error);
        return false;
    }
    refill();
    return true;
}

bool FleetPlanTable::loadUnits(const QString& path) {
    rv::FileFault fault;
    const auto bytes = rv::link::ReadLocalFile(path, rv::link::UnitsFileLimit, fault);
    if (!bytes) {
        tell(rv::link::FileProblem(path, fault, ctx_.session.CurLanguage).toStdString());
        return false;
    }
    std::string error;
    if (!values_.setUnits(bytes->toStdString(), ctx_.session.CurLanguage, &error)) {
        tell(error);
        refill();
        return false;
    }
    refill();
    return true;
}

void FleetPlanTable::clear() {
    values_ = rv::FleetValues();
    refill();
}

std::vector<rv::RadioPlan> FleetPlanTable::plans() const {
    if (values_.hasUnits()) return values_.unitsPlans();
    std::vector<rv::RadioPlan> plans;
    for (int n = 1; n <= radioCount_ && !values_.empty(); ++n)
        plans.push_back(values_.planFor(n, {}));
    return plans;
}

void FleetPlanTable::refill() {
    const auto keys = values_.keys();
    const auto plans = this->plans();
    grid_->clear();
    grid_->setColumnCount(2 + static_cast<int>(keys.size()));
    QStringList headers{ui::Tr(ctx_, Number), ui::Tr(ctx_, Serial)};
    for (const auto& k : keys)
        headers << labelOf(k);
    grid_->setHorizontalHeaderLabels(headers);
    grid_->setRowCount(static_cast<int>(plans.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const auto& p = plans[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(QString::number(p.number)));
        grid_->setItem(r, 1,
                       new QTableWidgetItem(p.serial.empty() ? ui::Tr(ctx_, SerialLater)
                                                             : QString::fromStdString(p.serial)));
        for (const auto& kv : p.values) {
            const auto at = std::find(keys.begin(), keys.end(), kv.key) - keys.begin();
            grid_->setItem(r, 2 + static_cast<int>(at),
                           new QTableWidgetItem(QString::fromStdString(kv.value)));
        }
    }
    grid_->resizeColumnsToContents();
}

QString FleetPlanTable::labelOf(const std::string& key) const {
    for (const auto& k : keys_)
        if (k.key == key) return k.label;
    return QString::fromStdString(key);
}

void FleetPlanTable::tell(const std::string& why) {
    ui::Tell(ctx_, this, QString::fromStdString(why), rv::MsgIcon::Exclamation);
}

} // namespace rv::app
