#include "FrmRadioInfoSet.h"

#include "data/ModelTables.h"
#include "link/CloneEngine.h"
#include "kit/AppContext.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rv::ui {

namespace {

const rv::LangText TitleText{"", "Set Radio Information", "设置对讲机信息"};
const rv::LangText ReadText{"", "&Read", "读出(&R)"};
const rv::LangText WriteText{"", "&Write", "写入(&W)"};
const rv::LangText TimeSyncText{"", "&Time Sync", "时间同步(&T)"};
const rv::LangText CloseText{"", "&Close", "关闭(&C)"};

QPushButton* button(const char* name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

FrmRadioInfoSet::FrmRadioInfoSet(AppContext& ctx, QWidget* parent)
    : RadioInfoFields(ctx, QStringLiteral("FrmRadioInfoSet"), parent) {
    serial_->setObjectName(QStringLiteral("Text1_0"));
    serial_->setMaxLength(10);
    version_ = new QLineEdit(this);
    version_->setObjectName(QStringLiteral("Text1_1"));
    version_->setMaxLength(5);
    for (QWidget* box :
         {static_cast<QWidget*>(serial_), static_cast<QWidget*>(version_),
          static_cast<QWidget*>(model_->lineEdit()), static_cast<QWidget*>(band_->lineEdit())}) {
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->installEventFilter(this);
    }
    read_ = button("CommandRead", this);
    write_ = button("CommandWrite", this);
    timeSync_ = button("CommandTimeSync", this);
    close_ = button("CommandClose", this);

    auto* form = new QFormLayout;
    form->addRow(modelLabel_, model_);
    form->addRow(bandLabel_, band_);
    form->addRow(serialLabel_, serial_);
    form->addRow(new QLabel(QStringLiteral("版本"), this), version_);
    auto* buttons = new QHBoxLayout;
    for (auto* b : {read_, write_, timeSync_, close_})
        buttons->addWidget(b);
    auto* main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(buttons);

    connect(read_, &QPushButton::clicked, this, &FrmRadioInfoSet::onRead);
    connect(write_, &QPushButton::clicked, this, &FrmRadioInfoSet::onWrite);
    connect(timeSync_, &QPushButton::clicked, this, &FrmRadioInfoSet::onTimeSync);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    setWindowTitle(Tr(ctx_, TitleText));
    setIdentityCaptions();
    read_->setText(Tr(ctx_, ReadText));
    write_->setText(Tr(ctx_, WriteText));
    timeSync_->setText(Tr(ctx_, TimeSyncText));
    close_->setText(Tr(ctx_, CloseText));
    showIdentity();
    version_->setText(QString::fromStdString(ctx_.doc().Version.get()));
}

QString FrmRadioInfoSet::FixVersion(const QString& typed) {
    if (typed.isEmpty()) return QStringLiteral("V");
    if (typed.startsWith(QLatin1Char('V'))) return typed;
    return (QLatin1Char('V') + typed).left(5);
}

QString FrmRadioInfoSet::TodaySerial() {
    return QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
}

void FrmRadioInfoSet::storeFields() {
    auto& doc = ctx_.doc();
    version_->setText(FixVersion(version_->text()));
    const std::string type = model_->currentText().left(4).toStdString();
    doc.ModelType.assign(type);
    // The band names of these model types have no code in the band table; a band the
    // table does not know keeps the code the radio reported instead of turning it into 0.
    const int code = rv::BandCodeOf(band_->currentText().toStdString(), type);
    if (code != 0) doc.FrequencyCode = static_cast<rv::Int16>(code);
    doc.TypeLetter = 67;
    doc.SerialNumber.assign(serial_->text().left(8).toStdString());
    doc.Version.assign(version_->text().left(5).toStdString());
    ctx_.notifyEdited(this);
}

void FrmRadioInfoSet::setBusy(bool busy) {
    for (auto* b : {read_, write_, timeSync_, close_})
        b->setEnabled(!busy);
}

void FrmRadioInfoSet::onRead() {
    setBusy(true);
    ReadRadioInfo(ctx_, this, [this](bool ok) {
        setBusy(false);
        // Show what was read, so that closing does not store the old boxes over it.
        if (ok) {
            showIdentity();
            version_->setText(QString::fromStdString(ctx_.doc().Version.get()));
        }
    });
}

void FrmRadioInfoSet::onWrite() {
    storeFields();
    setBusy(true);
    RunRadioInfoOperation(ctx_, this, rv::link::WriteRadioInfo, [this](bool) { setBusy(false); });
}

void FrmRadioInfoSet::onTimeSync() {
    serial_->setText(TodaySerial());
}

void FrmRadioInfoSet::done(int r) {
    storeFields();
    RadioInfoFields::done(r);
}

bool FrmRadioInfoSet::eventFilter(QObject* o, QEvent* e) {
    if (o == version_ && e->type() == QEvent::FocusOut)
        version_->setText(FixVersion(version_->text()));
    if (e->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent*>(e)->text();
        if (!t.isEmpty() && (t.at(0).unicode() == 0 || t.at(0).unicode() > 127)) return true;
    }
    return RadioInfoFields::eventFilter(o, e);
}

} // namespace rv::ui
