#include "FrmRestore.h"

#include "Captions.h"
#include "data/ModelTables.h"
#include "kit/AppContext.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace rv::ui {

namespace {

using L = rv::LangText;
const L Title{"", "Restore From Backup", "从备份恢复"};
const L ChooseText{"",
                   "Choose the backup to write back to the radio:", "请选择要写回对讲机的备份："};
const L NoBackups{"", "No backups have been kept yet.", "还没有保存任何备份。"};
const std::array<L, 4> Headers{
    {{"", "Date", "日期"}, {"", "Model", "机型"}, {"", "Band", "频段"}, {"", "File", "文件"}}};

// The time in a name YYYYMMDD-HHMMSS-...; the file's own time when the name has none.
QDateTime TakenAt(const QFileInfo& f) {
    const QDateTime t =
        QDateTime::fromString(f.fileName().left(15), QStringLiteral("yyyyMMdd-HHmmss"));
    return t.isValid() ? t : f.lastModified();
}

} // namespace

QList<BackupEntry> ListBackups(const QString& dir) {
    QList<BackupEntry> out;
    const auto files = QDir(dir).entryInfoList({QStringLiteral("*.img")}, QDir::Files);
    for (const QFileInfo& f : files) {
        QFile file(f.filePath());
        if (f.size() != 1024 || !file.open(QIODevice::ReadOnly)) continue;
        const QByteArray b = file.readAll();
        const int band = static_cast<unsigned char>(b[445]);
        const std::string model = rv::ModelCodeOf(band, static_cast<unsigned char>(b[446]));
        out.push_back({f.filePath(), TakenAt(f), QString::fromStdString(model),
                       QString::fromStdString(rv::BandTextOf(band, model))});
    }
    std::stable_sort(out.begin(), out.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return a.taken != b.taken ? a.taken > b.taken : a.imagePath > b.imagePath;
    });
    return out;
}

FrmRestore::FrmRestore(const AppContext& ctx, const QList<BackupEntry>& backups, QWidget* parent)
    : QDialog(parent), backups_(backups) {
    setObjectName(QStringLiteral("FrmRestore"));
    setWindowTitle(Tr(ctx, Title));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Tr(ctx, backups.isEmpty() ? NoBackups : ChooseText)));
    list_ = new QTreeWidget;
    list_->setObjectName(QStringLiteral("Backups"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(
        {Tr(ctx, Headers[0]), Tr(ctx, Headers[1]), Tr(ctx, Headers[2]), Tr(ctx, Headers[3])});
    for (const BackupEntry& b : backups)
        new QTreeWidgetItem(list_,
                            {QLocale::c().toString(b.taken, QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                             b.model, b.band, QFileInfo(b.imagePath).fileName()});
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(Tr(ctx, CaptionOf(Cap::Ok)));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!backups.isEmpty());
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr(ctx, CaptionOf(Cap::Cancel)));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(560, 320);
}

QString FrmRestore::chosen() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    return row >= 0 && row < backups_.size() ? backups_[row].imagePath : QString();
}

} // namespace rv::ui
