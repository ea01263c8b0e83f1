#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace rv::ui {

class SettingsBinder;
class SettingsCellEditor;
class SettingsCombo;

/// The FleetSync window: own fleet and ID, baud rate and timers, and the list of up to
/// eight fleet/ID pairs. Every change goes into the document at once.
class FrmFleetSync : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmFleetSync(AppContext& ctx, QWidget* parent = nullptr);
    ~FrmFleetSync() override;
    void changeShowByLanguage() override;
    void reShow() override;

private:
    QWidget* buildSettingsTab();
    QWidget* buildListTab();
    void showGrid();
    void commitCell(int row, int col, const QString& text);
    void showRow(int row);
    QChar cellKey(QChar c) const;

    QTabWidget* tabs_ = nullptr;
    std::array<SettingsCombo*, 5> combo1_{};
    std::array<QLabel*, 5> label1_{};
    QCheckBox* check1_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLineEdit* text1_ = nullptr;
    SettingsCellEditor* cellEditor_ = nullptr;
    CommandButtons buttons_;
    SettingsBinder* binder_ = nullptr;
};

} // namespace rv::ui
