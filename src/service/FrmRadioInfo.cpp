#include "FrmRadioInfo.h"

#include "ServiceEntry.h"
#include "TestModeHost.h"

#include "data/ModelTables.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"
#include "ui/RadioPort.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rv::service {

namespace {

const rv::LangText TitleText{"Radio Information", "对讲机信息"};
const rv::LangText ModelText{"Model Type", "机型类型"};
const rv::LangText BandText{"Frequency", "频率"};
const rv::LangText SerialText{"Serial Number", "序号"};
const rv::LangText TestModeBusyText{
    "Test mode is using the port. Close the Test Mode window first.",
    "测试模式正在使用端口。请先关闭测试模式窗口。"};

// The model types the radio-information dialogs offer.
QStringList RadioModelTypes() {
    QStringList types;
    for (const auto& t : rv::jobs::InfoModelTypes())
        types << QString::fromStdString(t);
    return types;
}

} // namespace

QStringList RadioInfoBands(const QString& modelType) {
    QStringList bands;
    for (const auto& b : rv::jobs::InfoBands(modelType.toStdString()))
        bands << QString::fromStdString(b);
    return bands;
}

rv::jobs::RadioInfoJob*
StartRadioInfoJob(ui::AppContext& ctx, QWidget* parent, const JobStart& start,
                  std::function<void(const rv::jobs::RadioInfoJob*, bool)> done) {
    const auto fail = [&]() -> rv::jobs::RadioInfoJob* {
        if (done) done(nullptr, false);
        return nullptr;
    };
    if (const auto* running = CurrentTestMode(); running && running->active()) {
        ui::Tell(ctx, parent, ui::Tr(ctx, TestModeBusyText), rv::MsgIcon::Exclamation);
        return fail();
    }
    const QString port = ui::ServicePortOrTell(ctx, parent);
    if (port.isEmpty()) return fail();
    auto* job = new rv::jobs::RadioInfoJob(parent);
    QString error;
    if (!start(*job, port, &error)) {
        delete job;
        ui::Tell(ctx, parent, error, rv::MsgIcon::Error);
        return fail();
    }
    QObject::connect(job, &rv::jobs::RadioInfoJob::question, job,
                     [&ctx, parent, job](rv::link::CloneSession::Question q) {
                         job->answer(q, ui::Ask(ctx, parent, rv::Msg::CheckConnection) ==
                                            ui::Answer::Retry);
                     });
    QObject::connect(job, &rv::jobs::RadioInfoJob::finished, job,
                     [&ctx, parent, job, done](bool ok, const QString& message) {
                         if (!ok && !message.isEmpty())
                             ui::Tell(ctx, parent, message, rv::MsgIcon::Error);
                         job->deleteLater();
                         if (done) done(job, ok);
                     });
    return job;
}

void TakeReadRadioInfo(ui::AppContext& ctx, const rv::Session& radio) {
    rv::jobs::TakeRadioInfo(radio, ctx.session);
    ctx.notifyEdited(nullptr, ui::Tr(ctx, TitleText));
}

void ReadRadioInfo(ui::AppContext& ctx, QWidget* parent, std::function<void(bool)> done) {
    StartRadioInfoJob(
        ctx, parent,
        [&ctx](rv::jobs::RadioInfoJob& job, const QString& port, QString* error) {
            return job.startRead(ctx.session, port, error);
        },
        [&ctx, parent, done](const rv::jobs::RadioInfoJob* job, bool ok) {
            if (ok) {
                TakeReadRadioInfo(ctx, job->radio());
                auto* shown = new FrmRadioInfo(ctx, parent);
                shown->setAttribute(Qt::WA_DeleteOnClose);
                shown->setModal(true);
                shown->show();
            }
            if (done) done(ok);
        });
}

RadioInfoFields::RadioInfoFields(ui::AppContext& ctx, const QString& formName, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(formName);
    model_ = new QComboBox(this);
    model_->setObjectName(QStringLiteral("Combo1_0"));
    model_->setEditable(true);
    model_->addItems(RadioModelTypes());
    band_ = new QComboBox(this);
    band_->setObjectName(QStringLiteral("Combo1_1"));
    band_->setEditable(true);
    serial_ = new QLineEdit(this);
    modelLabel_ = new QLabel(this);
    bandLabel_ = new QLabel(this);
    serialLabel_ = new QLabel(this);
    connect(model_, &QComboBox::activated, this, [this](int i) { fillBands(model_->itemText(i)); });
}

void RadioInfoFields::setIdentityCaptions() {
    modelLabel_->setText(ui::Tr(ctx_, ModelText));
    bandLabel_->setText(ui::Tr(ctx_, BandText));
    serialLabel_->setText(ui::Tr(ctx_, SerialText));
}

void RadioInfoFields::fillBands(const QString& modelType) {
    band_->clear();
    band_->addItems(RadioInfoBands(modelType));
    band_->setCurrentIndex(band_->count() > 0 ? 0 : -1);
    if (band_->count() == 0) band_->setEditText({});
}

QString RadioInfoFields::bandText(const QString& modelType) const {
    // A model type outside the table has no bands, so no band is shown either.
    if (RadioInfoBands(modelType).isEmpty()) return {};
    return QString::fromStdString(
        rv::BandTextOf(ctx_.doc().FrequencyCode, modelType.toStdString()));
}

void RadioInfoFields::showIdentity() {
    const auto& doc = ctx_.doc();
    const QString type = QString::fromStdString(doc.ModelType.get()).trimmed();
    // The entry itself is chosen, not only its text: an editable box whose index does not
    // match its text picks the entry when it loses the focus, and the bands would follow.
    model_->setCurrentIndex(model_->findText(type));
    model_->setEditText(type);
    fillBands(type);
    band_->setEditText(bandText(type));
    serial_->setText(QString::fromStdString(doc.SerialNumber.get()));
}

FrmRadioInfo::FrmRadioInfo(ui::AppContext& ctx, QWidget* parent)
    : RadioInfoFields(ctx, QStringLiteral("FrmRadioInfo"), parent) {
    serial_->setObjectName(QStringLiteral("Text1"));
    serial_->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* form = new QFormLayout(this);
    form->addRow(modelLabel_, model_);
    form->addRow(bandLabel_, band_);
    form->addRow(serialLabel_, serial_);
    form->addRow(buttons);
    setWindowTitle(ui::Tr(ctx_, TitleText));
    setIdentityCaptions();
    showIdentity();
}

} // namespace rv::service
