#pragma once

#include "data/RadioHistory.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QTreeWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The choice of a backup to write back: the backups in `dir` grouped by the radio's serial
/// number, newest first within each radio; the radios in the order of their newest backup.
/// The group of `radioSerial` (the radio on the port, when it could be read) is chosen first,
/// otherwise the newest backup.
class FrmRestore : public QDialog {
    Q_OBJECT
public:
    FrmRestore(const ui::AppContext& ctx, const QString& dir,
               const std::vector<rv::BackupEntry>& backups, const std::string& radioSerial = {},
               QWidget* parent = nullptr);
    /// The chosen backup's image (the newest of a chosen radio); empty when none is chosen.
    QString chosen() const;

private:
    QTreeWidget* list_ = nullptr;
};

} // namespace rv::app
