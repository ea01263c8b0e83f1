#include "FrmImportCsv.h"

#include "DialogKit.h"
#include "ui/AppContext.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rv::app {

namespace {

const rv::LangText Title{"Import Channels", "导入信道"};
const rv::LangText RenumberText{"Fill channels from 1 in file order",
                                "按文件顺序从信道 1 开始填充"};
const rv::LangText ReplaceAllText{"Clear the other channels", "清除其他信道"};
const rv::LangText Headers[] = {
    {"Row", "行"}, {"Channel", "信道"}, {"Action", "操作"}, {"Details", "详细内容"}};
const rv::LangText ClearedText{"Cleared", "清除"};

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

FrmImportCsv::FrmImportCsv(ui::AppContext& ctx, std::string csv, const QString& fileName,
                           QWidget* parent)
    : QDialog(parent), ctx_(ctx), csv_(std::move(csv)), summary_(new QLabel),
      renumber_(new QCheckBox(ui::Tr(ctx, RenumberText))),
      replaceAll_(new QCheckBox(ui::Tr(ctx, ReplaceAllText))), table_(new QTableWidget) {
    setObjectName(QStringLiteral("FrmImportCsv"));
    setWindowTitle(ui::Tr(ctx_, Title) + QStringLiteral(" - ") + fileName);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setWordWrap(true);
    renumber_->setObjectName(QStringLiteral("chkRenumber"));
    replaceAll_->setObjectName(QStringLiteral("chkReplaceAll"));
    table_->setObjectName(QStringLiteral("gridPreview"));
    table_->setColumnCount(4);
    QStringList headers;
    for (const auto& h : Headers)
        headers << ui::Tr(ctx_, h);
    table_->setHorizontalHeaderLabels(headers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto* buttons = OkCancelButtons(ctx_, *this);
    ok_ = buttons->findChild<QPushButton*>(QStringLiteral("Command1"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(renumber_, &QCheckBox::toggled, this, &FrmImportCsv::refresh);
    connect(replaceAll_, &QCheckBox::toggled, this, &FrmImportCsv::refresh);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(renumber_);
    layout->addWidget(replaceAll_);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(760, 420);
    refresh();
}

void FrmImportCsv::refresh() {
    plan_ = rv::PlanChannelImport(ctx_.session, csv_,
                                  {renumber_->isChecked(), replaceAll_->isChecked()});
    const auto report = rv::CsvImportReport(plan_, ctx_.lang());
    const std::string dropped = rv::CsvDroppedText(plan_, ctx_.lang());
    summary_->setText(
        QString::fromStdString(report.back() + (dropped.empty() ? "" : "\n" + dropped)));
    ok_->setEnabled(plan_.error == rv::CsvFileError::None);
    fillTable();
}

void FrmImportCsv::fillTable() {
    const int lang = ctx_.lang();
    table_->setRowCount(static_cast<int>(plan_.rows.size() + plan_.cleared.size()));
    int r = 0;
    for (const rv::CsvRowPlan& row : plan_.rows) {
        table_->setItem(r, 0, Cell(QString::number(row.line)));
        table_->setItem(r, 1, Cell(row.chNo > 0 ? QString::number(row.chNo) : QString()));
        table_->setItem(r, 2, Cell(QString::fromStdString(rv::CsvActionText(row.action, lang))));
        table_->setItem(r, 3, Cell(QString::fromStdString(rv::CsvRowDetails(row, lang))));
        ++r;
    }
    for (const int n : plan_.cleared) {
        table_->setItem(r, 0, Cell(QString()));
        table_->setItem(r, 1, Cell(QString::number(n)));
        table_->setItem(r, 2, Cell(ui::Tr(ctx_, ClearedText)));
        table_->setItem(r, 3, Cell(QString()));
        ++r;
    }
    table_->resizeColumnsToContents();
}

} // namespace rv::app
