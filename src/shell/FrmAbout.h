#pragma once

#include <QDialog>

namespace rv::ui {

class AppContext;

/// About: product name, version and licence; "FrmAbout2" in English, "frmAbout" in Chinese.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(AppContext& ctx, QWidget* parent = nullptr);

private:
    void onSysInfo();

    AppContext& ctx_;
};

} // namespace rv::ui
