#pragma once

#include <QDialog>

class QComboBox;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// Language Setup: sets `CurLanguage` and leaves `ShownLanguage` at the old one, so the main
/// window re-captions itself at its next activation.
class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmSetLanguage(ui::AppContext& ctx, QWidget* parent = nullptr);

private:
    void onOk();

    ui::AppContext& ctx_;
    QComboBox* combo_;
};

} // namespace rv::app
