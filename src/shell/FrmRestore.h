#pragma once

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

class QTreeWidget;

namespace rv::ui {

class AppContext;

/// A kept backup: its image file, when it was taken, the model and band it names.
struct BackupEntry {
    QString imagePath;
    QDateTime taken;
    QString model;
    QString band;
};

/// The backups (.img of 1024 bytes) in `dir`, newest first.
QList<BackupEntry> ListBackups(const QString& dir);

/// The choice of a backup to write back: date, model and band, newest first.
class FrmRestore : public QDialog {
    Q_OBJECT
public:
    FrmRestore(const AppContext& ctx, const QList<BackupEntry>& backups, QWidget* parent = nullptr);
    /// The chosen backup's image; empty when none is chosen.
    QString chosen() const;

private:
    QTreeWidget* list_ = nullptr;
    QList<BackupEntry> backups_;
};

} // namespace rv::ui
