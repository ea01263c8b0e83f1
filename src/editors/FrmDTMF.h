#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace rv::ui {

class SettingsBinder;
class SettingsCellEditor;
class SettingsCombo;

/// The DTMF window: encode timing, decode and stun settings, and the eight autodial
/// memories. Every change goes into the document at once.
class FrmDTMF : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmDTMF(AppContext& ctx, QWidget* parent = nullptr);
    ~FrmDTMF() override;
    void changeShowByLanguage() override;
    void reShow() override;

private:
    QWidget* buildEncodeTab();
    QWidget* buildDecodeTab();
    QWidget* buildAutodialTab();
    void bindControls();
    void showGrid();
    void showCode(int row);
    void saveAutodial(int row, const QString& text);

    QTabWidget* tabs_ = nullptr;
    std::array<SettingsCombo*, 5> combo1_{};
    std::array<QLabel*, 5> label1_{};
    QCheckBox* check1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* text1Label_ = nullptr;
    std::array<SettingsCombo*, 4> combo2_{};
    std::array<QLabel*, 4> label2_{};
    QCheckBox* check2_ = nullptr;
    QGroupBox* stunFrame_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLabel* text2Label_ = nullptr;
    SettingsCombo* combo3_ = nullptr;
    QLabel* combo3Label_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLineEdit* text3_ = nullptr;
    SettingsCellEditor* cellEditor_ = nullptr;
    CommandButtons buttons_;
    SettingsBinder* binder_ = nullptr;
};

} // namespace rv::ui
