#include "FrmModelInfo.h"

#include "DialogKit.h"
#include "data/Catalogue.h"
#include "data/Conversions.h"
#include "data/ModelTables.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace rv::app {

FrmModelInfo::FrmModelInfo(ui::AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), models_(new QComboBox), bands_(new QComboBox) {
    setObjectName(QStringLiteral("FrmModelInfo"));
    const rv::SettingRow& modelRow = *rv::findRow("model.model");
    const rv::SettingRow& bandRow = *rv::findRow("model.band");
    setWindowTitle(ui::Tr(ctx_, modelRow.area));
    models_->setObjectName(QStringLiteral("Combo1"));
    bands_->setObjectName(QStringLiteral("Combo2"));
    auto* enter = new EnterMovesFocus(this);
    models_->installEventFilter(enter);
    bands_->installEventFilter(enter);

    auto* form = new QFormLayout;
    auto* modelLabel = new QLabel(ui::Tr(ctx_, modelRow.label));
    modelLabel->setObjectName(QStringLiteral("Label1_0"));
    auto* bandLabel = new QLabel(ui::Tr(ctx_, bandRow.label));
    bandLabel->setObjectName(QStringLiteral("Label1_1"));
    form->addRow(modelLabel, models_);
    form->addRow(bandLabel, bands_);
    auto* buttons = OkCancelButtons(ctx_, *this, true);
    connect(buttons, &QDialogButtonBox::accepted, this, &FrmModelInfo::onOk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(300);

    for (const auto& m : rv::ModelCodes)
        models_->addItem(QString::fromStdString(m));
    const QString model = QString::fromStdString(modelRow.show(modelRow, ctx_.session)).trimmed();
    models_->setCurrentText(model);
    fillBands(model);
    bands_->setCurrentText(QString::fromStdString(bandRow.show(bandRow, ctx_.session)));
    connect(models_, &QComboBox::currentTextChanged, this, &FrmModelInfo::fillBands);
}

void FrmModelInfo::fillBands(const QString& model) {
    bands_->clear();
    for (const auto& b : rv::BandsOfModel(model.toStdString()))
        bands_->addItem(QString::fromStdString(b));
    bands_->setCurrentIndex(0);
}

void FrmModelInfo::onOk() {
    auto& s = ctx_.session;
    const std::string model = models_->currentText().toStdString();
    const std::string band = bands_->currentText().toStdString();
    const bool differs = band != s.CurBand ||
                         model != QString::fromStdString(s.CurModelCode).trimmed().toStdString();
    if (differs) {
        const auto& warning = rv::MessageOf(rv::Msg::FreqDataCleared);
        const bool agreed =
            confirm_
                ? confirm_()
                : ctx_.prompt().message(
                      this, ui::Tr(ctx_, rv::MessageOf(rv::Msg::WarningTitle).text),
                      ui::Tr(ctx_, warning.text), warning.buttons, warning.icon) == ui::Answer::Ok;
        if (agreed) {
            s.CurModelCode = model;
            s.CurBand = band;
            rv::SetModelInfo(s);
            rv::SetBandLimits(s);
            changed_ = true;
        }
    }
    accept();
}

} // namespace rv::app
