#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

class QLineEdit;
class QTableWidget;

namespace rv::ui {

class SettingsCellEditor;

/// The test frequency window: receive and transmit frequency of the 16 test channels,
/// with the marks that tell whether each is still its band's default.
class FrmTestFre : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmTestFre(AppContext& ctx, QWidget* parent = nullptr);
    ~FrmTestFre() override;
    void changeShowByLanguage() override;
    void reShow() override;

private:
    void commitCell(int row, int col, const QString& text);
    void showRow(int row);
    void onEnter();

    QTableWidget* grid_ = nullptr;
    QLineEdit* text1_ = nullptr;
    SettingsCellEditor* cellEditor_ = nullptr;
    CommandButtons buttons_;
};

} // namespace rv::ui
