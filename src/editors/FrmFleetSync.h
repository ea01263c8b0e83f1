#pragma once

#include "SettingsLayout.h"

class QTabWidget;

namespace rv::editors {

class SettingsCellEditor;

/// The FleetSync window: own fleet and ID, baud rate and timers, and the list of up to
/// eight fleet/ID pairs. Every change goes into the document at once.
class FrmFleetSync : public SettingsWindow {
    Q_OBJECT
public:
    explicit FrmFleetSync(ui::AppContext& ctx, QWidget* parent = nullptr);

private:
    QWidget* buildListTab();
    void captionOwn(int language) override;
    QChar cellKey(QChar c) const;

    QTabWidget* tabs_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLineEdit* text1_ = nullptr;
    SettingsCellEditor* cellEditor_ = nullptr;
};

} // namespace rv::editors
