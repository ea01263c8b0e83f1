#include "FrmRestore.h"

#include "Captions.h"
#include "ui/AppContext.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rv::app {

namespace {

using L = rv::LangText;
const L Title{"Restore From Backup", "从备份恢复"};
const L ChooseText{"Choose the backup to write back to the radio:", "请选择要写回对讲机的备份："};
const L NoBackups{"No backups have been kept yet.", "还没有保存任何备份。"};
const L NoSerial{"(no serial number)", "（无序号）"};
const std::array<L, 4> Headers{
    {{"Radio / Date", "对讲机 / 日期"}, {"Model", "机型"}, {"Band", "频段"}, {"File", "文件"}}};

// The group item of a serial number, made on first use.
QTreeWidgetItem* GroupOf(QTreeWidget* list, const QString& serial, const QString& shown) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->data(0, Qt::UserRole + 1).toString() == serial)
            return list->topLevelItem(i);
    auto* group = new QTreeWidgetItem(list, {shown});
    group->setData(0, Qt::UserRole + 1, serial);
    group->setFirstColumnSpanned(true);
    return group;
}

} // namespace

FrmRestore::FrmRestore(const ui::AppContext& ctx, const QString& dir,
                       const std::vector<rv::BackupEntry>& backups, const std::string& radioSerial,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmRestore"));
    setWindowTitle(ui::Tr(ctx, Title));
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget;
    list_->setObjectName(QStringLiteral("Backups"));
    list_->setHeaderLabels({ui::Tr(ctx, Headers[0]), ui::Tr(ctx, Headers[1]),
                            ui::Tr(ctx, Headers[2]), ui::Tr(ctx, Headers[3])});
    const QDir folder(dir);
    for (const rv::BackupEntry& b : backups) {
        if (!b.imageOk) continue; // only a whole image can be written back
        const QString serial = QString::fromStdString(b.serial);
        auto* item = new QTreeWidgetItem(
            GroupOf(list_, serial, serial.isEmpty() ? ui::Tr(ctx, NoSerial) : serial),
            {QString::fromStdString(b.date + ' ' + b.time), QString::fromStdString(b.model),
             QString::fromStdString(b.band), QString::fromStdString(b.image)});
        item->setData(0, Qt::UserRole, folder.filePath(QString::fromStdString(b.image)));
    }
    list_->expandAll();
    const bool any = list_->topLevelItemCount() > 0;
    layout->addWidget(new QLabel(ui::Tr(ctx, any ? ChooseText : NoBackups)));
    if (any) {
        QTreeWidgetItem* group = list_->topLevelItem(0);
        const QString wanted = QString::fromStdString(rv::FileSafeSerial(radioSerial));
        for (int i = 0; !wanted.isEmpty() && i < list_->topLevelItemCount(); ++i)
            if (list_->topLevelItem(i)->data(0, Qt::UserRole + 1).toString() == wanted)
                group = list_->topLevelItem(i);
        list_->setCurrentItem(group->child(0));
    }
    for (int c = 0; c < 3; ++c)
        list_->resizeColumnToContents(c);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(ui::Tr(ctx, CaptionOf(Cap::Ok)));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(any);
    buttons->button(QDialogButtonBox::Cancel)->setText(ui::Tr(ctx, CaptionOf(Cap::Cancel)));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->parent()) accept();
    });
    layout->addWidget(buttons);
    resize(620, 360);
}

QString FrmRestore::chosen() const {
    const QTreeWidgetItem* item = list_->currentItem();
    if (item && !item->parent()) item = item->child(0);
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

} // namespace rv::app
