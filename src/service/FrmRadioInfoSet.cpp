#include "FrmRadioInfoSet.h"

#include "data/ModelTables.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"
#include "link/CloneEngine.h"

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
const rv::LangText BandKeptText{
    "",
    "The band stays as the radio holds it (code %1). The radio's codes for these bands are "
    "not known, so the band cannot be changed here.",
    "频段保持对讲机中的设置（代码 %1）。这些频段在对讲机中的代码未知，因此不能在此更改。"};

const rv::LangText TooLongText{"", "The %1 takes at most %2 characters; \"%3\" has %4.",
                               "%1最多 %2 个字符，“%3”有 %4 个。"};
const rv::LangText SerialName{"", "serial number", "序号"};
const rv::LangText VersionName{"", "version", "版本"};

QPushButton* button(const char* name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

FrmRadioInfoSet::FrmRadioInfoSet(AppContext& ctx, QWidget* parent)
    : RadioInfoFields(ctx, QStringLiteral("FrmRadioInfoSet"), parent) {
    serial_->setObjectName(QStringLiteral("Text1_0"));
    // The band is shown, not chosen: a choice could not be written (see storeFields).
    bandFollowsModel_ = false;
    band_->setEnabled(false);
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

void FrmRadioInfoSet::showIdentity() {
    RadioInfoFields::showIdentity();
    band_->setToolTip(Tr(ctx_, BandKeptText).arg(ctx_.doc().FrequencyCode));
}

QString FrmRadioInfoSet::FixVersion(const QString& typed,
                                    const std::vector<std::uint8_t>& radioBlock) {
    if (!radioBlock.empty())
        return QString::fromStdString(
            rv::link::VersionInRadioForm(typed.toStdString(), radioBlock));
    if (typed.startsWith(QLatin1Char('V'))) return typed;
    return QLatin1Char('V') + typed;
}

QString FrmRadioInfoSet::TodaySerial() {
    return QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
}

bool FrmRadioInfoSet::storeFields() {
    auto& doc = ctx_.doc();
    const std::string serial = serial_->text().toStdString();
    const std::string version =
        FixVersion(version_->text(), ctx_.session.RadioVersionBlock).toStdString();
    // Refused, never cut: a cut serial number would be another radio's.
    const auto refuse = [&](const rv::LangText& field, std::size_t width, const std::string& v) {
        ctx_.prompt().message(this, windowTitle(),
                              Tr(ctx_, TooLongText)
                                  .arg(Tr(ctx_, field))
                                  .arg(width)
                                  .arg(QString::fromStdString(v))
                                  .arg(v.size()),
                              rv::MsgButtons::Ok, rv::MsgIcon::Exclamation);
        return false;
    };
    if (!doc.SerialNumber.fits(serial)) return refuse(SerialName, doc.SerialNumber.size(), serial);
    if (!doc.Version.fits(version)) return refuse(VersionName, doc.Version.size(), version);
    version_->setText(QString::fromStdString(version));
    const std::string type = model_->currentText().left(4).toStdString();
    // Fields left as they were stay as the radio has them, byte for byte: a model type the
    // table does not know shows as empty and goes back as the radio sent it.
    const std::string& fromRadio = ctx_.session.RadioModelType;
    if (type.empty() && !fromRadio.empty()) {
        doc.ModelType.assign(fromRadio);
    } else if (type != doc.ModelType.get()) {
        doc.ModelType.assign(type);
        doc.TypeLetter = 67;
    }
    // FrequencyCode stays: the band names of these model types have no code that the radio
    // is known to understand, so the band box only shows the band.
    if (serial != doc.SerialNumber.get()) doc.SerialNumber.assign(serial);
    if (version != doc.Version.get()) doc.Version.assign(version);
    ctx_.notifyEdited(this);
    return true;
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
    if (!storeFields()) return;
    setBusy(true);
    RunRadioInfoOperation(ctx_, this, rv::link::WriteRadioInfo, [this](bool) { setBusy(false); });
}

void FrmRadioInfoSet::onTimeSync() {
    serial_->setText(TodaySerial());
}

void FrmRadioInfoSet::done(int r) {
    if (!storeFields()) return;
    RadioInfoFields::done(r);
}

bool FrmRadioInfoSet::eventFilter(QObject* o, QEvent* e) {
    if (o == version_ && e->type() == QEvent::FocusOut) {
        // A text that would not fit stays as typed; storing it names the field.
        const QString v = FixVersion(version_->text(), ctx_.session.RadioVersionBlock);
        if (v.size() <= version_->maxLength()) version_->setText(v);
    }
    if (e->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent*>(e)->text();
        if (!t.isEmpty() && (t.at(0).unicode() == 0 || t.at(0).unicode() > 127)) return true;
    }
    return RadioInfoFields::eventFilter(o, e);
}

} // namespace rv::ui
