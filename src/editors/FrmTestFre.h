#pragma once

#include "SettingsLayout.h"

namespace rv::editors {

class SettingsCellEditor;

/// The test frequency window: receive and transmit frequency of the 16 test channels,
/// with the marks that tell whether each is still its band's default.
class FrmTestFre : public SettingsWindow {
    Q_OBJECT
public:
    explicit FrmTestFre(ui::AppContext& ctx, QWidget* parent = nullptr);

private:
    void captionOwn(int language) override;
    void onEnter();

    QTableWidget* grid_ = nullptr;
    QLineEdit* text1_ = nullptr;
    SettingsCellEditor* cellEditor_ = nullptr;
};

} // namespace rv::editors
