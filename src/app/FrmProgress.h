#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The modal progress window of a read (mode 1) or write (mode 2). It stays until the
/// transfer ends; closing it or pressing Cancel asks the transfer to stop.
class FrmProgress : public QDialog {
    Q_OBJECT
public:
    FrmProgress(const ui::AppContext& ctx, int mode, QWidget* parent = nullptr);

    /// Sets the bar and the percentage label (0 to 100).
    void SetProgressValue(int value);

    /// The transfer is over: the window goes.
    void finish();

signals:
    /// The user wants the transfer to stop.
    void cancelRequested();

protected:
    void reject() override;

private:
    QLabel* label1_;
    QLabel* label2_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    bool finished_ = false;
};

} // namespace rv::app
