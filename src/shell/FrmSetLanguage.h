#pragma once

#include <QDialog>

class QComboBox;

namespace rv::ui {

class AppContext;

/// Language Setup: sets `CurLanguage` and leaves `ShownLanguage` at the old one, so the main
/// window re-captions itself at its next activation.
class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmSetLanguage(AppContext& ctx, QWidget* parent = nullptr);

private:
    void onOk();

    AppContext& ctx_;
    QComboBox* combo_;
};

} // namespace rv::ui
