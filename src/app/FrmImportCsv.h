#pragma once

#include "data/ChannelCsv.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The preview of a channel import: every row of the file with the channel it goes to and
/// what it sets, or why it is skipped, before anything changes. The two choices (fill from
/// channel 1, clear the other channels) redo the preview at once. The document is not
/// touched; the caller applies `plan()` after OK.
class FrmImportCsv : public QDialog {
    Q_OBJECT
public:
    FrmImportCsv(ui::AppContext& ctx, std::string csv, const QString& fileName,
                 QWidget* parent = nullptr);

    const rv::CsvImportPlan& plan() const { return plan_; }

private:
    void refresh();
    void fillTable();

    ui::AppContext& ctx_;
    std::string csv_;
    rv::CsvImportPlan plan_;
    QLabel* summary_;
    QCheckBox* renumber_;
    QCheckBox* replaceAll_;
    QTableWidget* table_;
    QPushButton* ok_ = nullptr;
};

} // namespace rv::app
