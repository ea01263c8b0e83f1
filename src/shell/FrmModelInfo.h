#pragma once

#include <QDialog>

class QComboBox;

namespace rv::ui {

class AppContext;

/// Model and band of the document. Choosing another pair, once the user agrees that the
/// frequency data will be cleared, makes them current; the caller then starts a new document.
class FrmModelInfo : public QDialog {
    Q_OBJECT
public:
    explicit FrmModelInfo(AppContext& ctx, QWidget* parent = nullptr);

    /// True after OK changed model or band.
    bool changed() const { return changed_; }

private:
    void fillBands(const QString& model);
    void onOk();

    AppContext& ctx_;
    QComboBox* models_;
    QComboBox* bands_;
    bool changed_ = false;
};

} // namespace rv::ui
