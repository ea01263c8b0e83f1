#pragma once

#include "data/DocumentDiff.h"

#include <QDialog>

class QTableWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The settings in which the open document and another one differ: area, item, this
/// document, the other. Sortable; Copy (Ctrl+C) puts the chosen rows, or all, on the
/// clipboard as tab-separated text.
class FrmCompare : public QDialog {
    Q_OBJECT
public:
    FrmCompare(const ui::AppContext& ctx, const std::vector<rv::SettingDifference>& rows,
               const QString& otherName, QWidget* parent = nullptr);

    /// The rows as tab-separated lines, the selected ones or all.
    QString copyText() const;
    void copy() const;

private:
    QTableWidget* table_ = nullptr;
};

} // namespace rv::app
