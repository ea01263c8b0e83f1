#include "FrmRadioInfoSet.h"

#include "Lamp.h"

#include "data/Defaults.h"
#include "data/ModelTables.h"
#include "link/CloneEngine.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>

namespace rv::service {

namespace {

const rv::LangText TitleText{"Set Radio Information", "设置对讲机信息"};
const rv::LangText ReadText{"&Read", "读出(&R)"};
const rv::LangText WriteText{"&Write", "写入(&W)"};
const rv::LangText TimeSyncText{"&Time Sync", "时间同步(&T)"};
const rv::LangText CloseText{"&Close", "关闭(&C)"};
const rv::LangText BandCodeText{"The radio holds band code %1.", "对讲机中的频段代码为 %1。"};

const rv::LangText NothingChangedText{"Nothing was changed, so nothing is written.",
                                      "没有更改任何内容，因此不写入。"};
const rv::LangText ConfirmText{"Write these changes to the radio?\n\n%1",
                               "将以下更改写入对讲机？\n\n%1"};

} // namespace

FrmRadioInfoSet::FrmRadioInfoSet(ui::AppContext& ctx, QWidget* parent)
    : RadioInfoFields(ctx, QStringLiteral("FrmRadioInfoSet"), parent) {
    serial_->setObjectName(QStringLiteral("Text1_0"));
    serial_->setMaxLength(10);
    // Model type and band are chosen from their lists; a value outside them is only shown.
    model_->setEditable(false);
    band_->setEditable(false);
    version_ = new QLineEdit(this);
    version_->setObjectName(QStringLiteral("Text1_1"));
    version_->setMaxLength(5);
    for (QLineEdit* box : {serial_, version_}) {
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->installEventFilter(this);
    }
    read_ = Named<QPushButton>("CommandRead", this);
    write_ = Named<QPushButton>("CommandWrite", this);
    timeSync_ = Named<QPushButton>("CommandTimeSync", this);
    close_ = Named<QPushButton>("CommandClose", this);

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

    setWindowTitle(ui::Tr(ctx_, TitleText));
    setIdentityCaptions();
    read_->setText(ui::Tr(ctx_, ReadText));
    write_->setText(ui::Tr(ctx_, WriteText));
    timeSync_->setText(ui::Tr(ctx_, TimeSyncText));
    close_->setText(ui::Tr(ctx_, CloseText));
    takeShownAsRead();
}

void FrmRadioInfoSet::takeShownAsRead() {
    showIdentity();
    version_->setText(QString::fromStdString(ctx_.doc().Version.get()));
    shownModel_ = model_->currentText();
    shownBand_ = band_->currentText();
    shownSerial_ = serial_->text();
    shownVersion_ = version_->text();
}

void FrmRadioInfoSet::showIdentity() {
    RadioInfoFields::showIdentity();
    // A type outside the list shows the radio's own name for it, and goes back as it is.
    model_->setPlaceholderText(QString::fromStdString(ctx_.session.RadioModelType));
    // The radio's band is shown as its code names it, which need not be an entry of the list.
    band_->setCurrentIndex(-1);
    band_->setPlaceholderText(bandText(model_->currentText()));
    band_->setToolTip(ui::Tr(ctx_, BandCodeText).arg(ctx_.doc().FrequencyCode));
}

void FrmRadioInfoSet::fillBands(const QString& modelType) {
    RadioInfoFields::fillBands(modelType);
    auto* list = qobject_cast<QStandardItemModel*>(band_->model());
    int first = -1;
    for (int i = 0; i < band_->count(); ++i) {
        const QString why = rv::jobs::CheckInfoBand(band_->itemText(i).toStdString(), ctx_.lang());
        if (why.isEmpty() && first < 0) first = i;
        if (why.isEmpty() || !list) continue;
        list->item(i)->setEnabled(false);
        list->item(i)->setToolTip(why);
    }
    band_->setCurrentIndex(first);
}

QString FrmRadioInfoSet::FixVersion(const QString& typed,
                                    const std::vector<std::uint8_t>& radioBlock) {
    return QString::fromStdString(rv::jobs::VersionRule(typed.toStdString(), radioBlock));
}

rv::jobs::InfoEdits FrmRadioInfoSet::edits() const {
    rv::jobs::InfoEdits e;
    if (model_->currentIndex() >= 0 && model_->currentText() != shownModel_)
        e.modelType = model_->currentText().toStdString();
    if (bandChanged()) e.bandCodes = rv::jobs::InfoBandCodes(band_->currentText().toStdString());
    if (serial_->text() != shownSerial_) e.serial = serial_->text().toStdString();
    if (version_->text() != shownVersion_) e.version = version_->text().toStdString();
    return e;
}

bool FrmRadioInfoSet::bandChanged() const {
    return band_->currentIndex() >= 0 && band_->currentText() != shownBand_;
}

bool FrmRadioInfoSet::editsFit(const rv::jobs::InfoEdits& e) {
    QString why = rv::jobs::CheckInfoEdits(e, ctx_.lang());
    if (why.isEmpty() && bandChanged())
        why = rv::jobs::CheckInfoBand(band_->currentText().toStdString(), ctx_.lang());
    if (why.isEmpty()) return true;
    ctx_.prompt().message(this, windowTitle(), why, rv::MsgButtons::Ok, rv::MsgIcon::Exclamation);
    return false;
}

bool FrmRadioInfoSet::storeFields() {
    auto& doc = ctx_.doc();
    rv::jobs::InfoEdits e;
    e.serial = serial_->text().toStdString();
    e.version = FixVersion(version_->text(),
                           readHere_ ? ctx_.session.RadioVersionBlock : std::vector<std::uint8_t>{})
                    .toStdString();
    if (!editsFit(e)) return false;
    version_->setText(QString::fromStdString(*e.version));
    const std::string type = model_->currentText().toStdString();
    // Fields left as they were stay as the radio has them, byte for byte: a model type the
    // list does not know shows as empty and goes back as the radio sent it.
    const std::string& fromRadio = ctx_.session.RadioModelType;
    if (type.empty() && !fromRadio.empty()) {
        doc.ModelType.assign(fromRadio);
    } else if (type != doc.ModelType.get()) {
        doc.ModelType.assign(type);
        doc.TypeLetter = 67;
    }
    // A chosen band takes its code as a write would.
    rv::jobs::InfoEdits band;
    band.bandCodes = edits().bandCodes;
    rv::jobs::ApplyInfoEdits(band, ctx_.session);
    if (*e.serial != doc.SerialNumber.get()) doc.SerialNumber.assign(*e.serial);
    if (*e.version != doc.Version.get()) doc.Version.assign(*e.version);
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
            readHere_ = true;
            takeShownAsRead();
        }
    });
}

void FrmRadioInfoSet::onWrite() {
    const rv::jobs::InfoEdits e = edits();
    if (e.empty()) {
        ui::Tell(ctx_, this, ui::Tr(ctx_, NothingChangedText), rv::MsgIcon::None);
        return;
    }
    if (!editsFit(e)) return;
    rv::Session start = ctx_.session;
    // Only a read in this window says what the radio holds now; otherwise the job reads.
    if (!readHere_) start.RadioInfoBlock.clear(), start.RadioVersionBlock.clear();
    setBusy(true);
    auto* job = StartRadioInfoJob(
        ctx_, this,
        [&](rv::jobs::RadioInfoJob& j, const QString& port, QString* error) {
            return j.startWrite(start, e, port, error);
        },
        [this](const rv::jobs::RadioInfoJob* j, bool ok) {
            setBusy(false);
            if (!ok || !j->written()) return;
            rv::jobs::TakeRadioInfo(j->radio(), ctx_.session);
            // The job dropped the radio's old blocks: the next write reads again.
            readHere_ = false;
            takeShownAsRead();
        });
    if (!job) return;
    connect(job, &rv::jobs::RadioInfoJob::confirm, this,
            [this, job](const std::vector<rv::jobs::InfoFieldChange>& changes) {
                const QString list = rv::jobs::InfoChangesText(changes, ctx_.lang());
                const ui::Answer a =
                    ctx_.prompt().message(this, windowTitle(), ui::Tr(ctx_, ConfirmText).arg(list),
                                          rv::MsgButtons::OkCancel, rv::MsgIcon::Question);
                job->proceed(a == ui::Answer::Ok);
            });
}

void FrmRadioInfoSet::onTimeSync() {
    serial_->setText(QString::fromStdString(rv::TodaySerial()));
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

} // namespace rv::service
