#pragma once

#include <QDialog>

#include <functional>

class QComboBox;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// Model and band of the document. Choosing another pair, once the user agrees that the
/// frequency data will be cleared, makes them current; the caller then starts a new document.
class FrmModelInfo : public QDialog {
    Q_OBJECT
public:
    explicit FrmModelInfo(ui::AppContext& ctx, QWidget* parent = nullptr);

    /// Asks before another model or band clears the document; true to go on. Without it the
    /// dialog asks its own warning.
    void setConfirm(std::function<bool()> confirm) { confirm_ = std::move(confirm); }
    /// True after OK changed model or band.
    bool changed() const { return changed_; }

private:
    void fillBands(const QString& model);
    void onOk();

    ui::AppContext& ctx_;
    QComboBox* models_;
    QComboBox* bands_;
    bool changed_ = false;
    std::function<bool()> confirm_;
};

} // namespace rv::app
