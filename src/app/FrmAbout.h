#pragma once

#include <QDialog>

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// About: product name, version and licence; "FrmAbout2" in English, "frmAbout" in Chinese.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(ui::AppContext& ctx, QWidget* parent = nullptr);

private:
    void onSysInfo();

    ui::AppContext& ctx_;
};

} // namespace rv::app
