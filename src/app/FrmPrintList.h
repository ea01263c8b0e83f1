#pragma once

#include <QDialog>

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The print selection dialog: the document to print, Print… through the print dialog, and
/// Save as PDF… for a machine without a printer.
class FrmPrintList : public QDialog {
    Q_OBJECT
public:
    explicit FrmPrintList(ui::AppContext& ctx, QWidget* parent = nullptr);

    /// Writes the report as a PDF file; false when the file cannot be written.
    bool savePdf(const QString& path);

private:
    void onPrint();
    void onSavePdf();

    ui::AppContext& ctx_;
};

} // namespace rv::app
