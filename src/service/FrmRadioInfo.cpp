#include "FrmRadioInfo.h"

#include "ServiceEntry.h"
#include "TestModeHost.h"

#include "data/ModelTables.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"
#include "kit/RadioPort.h"
#include "link/CloneSession.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rv::ui {

namespace {

struct ModelBands {
    const char* modelType;
    QStringList bands;
};

const ModelBands BandTable[] = {
    {"813", {"136 - 174 MHz(M)", "136 - 174 MHz(K)"}},
    {"816", {"136 - 174 MHz(M)"}},
    {"817", {"136 - 174 MHz(M)"}},
    {"913", {"450 - 490 MHz(K)", "470 - 512 MHz(K2)", "450 - 490 MHz(M)", "470 - 512 MHz(M2)"}},
    {"916", {"450 - 490 MHz(M)", "400 - 430 MHz(M3)"}},
    {"917",
     {"450 - 490 MHz(M)", "440 - 480 MHz(C)", "400 - 430 MHz(C2)", "370 - 390 MHz(C5)",
      "350 - 370 MHz(C6)"}},
};

const rv::LangText TitleText{"", "Radio Information", "对讲机信息"};
const rv::LangText ModelText{"", "Model Type", "机型类型"};
const rv::LangText BandText{"", "Frequency", "频率"};
const rv::LangText SerialText{"", "Serial Number", "序号"};
const rv::LangText TestModeBusyText{
    "", "Test mode is using the port. Close the Test Mode window first.",
    "测试模式正在使用端口。请先关闭测试模式窗口。"};

} // namespace

QStringList RadioModelTypes() {
    QStringList types;
    for (const auto& row : BandTable)
        types << QString::fromLatin1(row.modelType);
    return types;
}

QStringList RadioInfoBands(const QString& modelType) {
    for (const auto& row : BandTable)
        if (modelType == QLatin1String(row.modelType)) return row.bands;
    return {};
}

void RunRadioInfoOperation(AppContext& ctx, QWidget* parent, int mode,
                           std::function<void(bool)> done) {
    if (const auto* running = CurrentTestMode(); running && running->active()) {
        Tell(ctx, parent, Tr(ctx, TestModeBusyText), rv::MsgIcon::Exclamation);
        if (done) done(false);
        return;
    }
    const QString port = ServicePortOrTell(ctx, parent);
    if (port.isEmpty()) {
        if (done) done(false);
        return;
    }
    QString error;
    auto* session = new rv::link::CloneSession(ctx.session, parent);
    if (!session->start(mode, port, &error)) {
        delete session;
        Tell(ctx, parent, error, rv::MsgIcon::Error);
        if (done) done(false);
        return;
    }
    QObject::connect(session, &rv::link::CloneSession::question, session,
                     [&ctx, parent, session](rv::link::CloneSession::Question q) {
                         const bool retry =
                             Ask(ctx, parent, rv::Msg::CheckConnection) == Answer::Retry;
                         session->answer(q, retry);
                     });
    QObject::connect(session, &rv::link::CloneSession::finished, session,
                     [&ctx, parent, session, done](bool ok, const QString& message) {
                         if (!ok && !message.isEmpty())
                             Tell(ctx, parent, message, rv::MsgIcon::Error);
                         session->deleteLater();
                         if (done) done(ok);
                     });
}

void ReadRadioInfo(AppContext& ctx, QWidget* parent, std::function<void(bool)> done) {
    RunRadioInfoOperation(ctx, parent, rv::link::ReadRadioInfo, [&ctx, parent, done](bool ok) {
        if (ok) {
            // What the read put into the document is a step of its own.
            ctx.notifyEdited(nullptr, Tr(ctx, TitleText));
            auto* shown = new FrmRadioInfo(ctx, parent);
            shown->setAttribute(Qt::WA_DeleteOnClose);
            shown->setModal(true);
            shown->show();
        }
        if (done) done(ok);
    });
}

RadioInfoFields::RadioInfoFields(AppContext& ctx, const QString& formName, QWidget* parent)
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
    connect(model_, &QComboBox::activated, this, [this](int i) {
        if (bandFollowsModel_) fillBands(model_->itemText(i));
    });
}

void RadioInfoFields::setIdentityCaptions() {
    modelLabel_->setText(Tr(ctx_, ModelText));
    bandLabel_->setText(Tr(ctx_, BandText));
    serialLabel_->setText(Tr(ctx_, SerialText));
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

FrmRadioInfo::FrmRadioInfo(AppContext& ctx, QWidget* parent)
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
    setWindowTitle(Tr(ctx_, TitleText));
    setIdentityCaptions();
    showIdentity();
}

} // namespace rv::ui
