#pragma once

#include "SettingsLayout.h"

class QGroupBox;
class QTabWidget;

namespace rv::editors {

/// The DTMF window: encode timing, decode and stun settings, and the eight autodial
/// memories. Every change goes into the document at once.
class FrmDTMF : public SettingsWindow {
    Q_OBJECT
public:
    explicit FrmDTMF(ui::AppContext& ctx, QWidget* parent = nullptr);

private:
    QWidget* buildEncodeTab();
    QWidget* buildDecodeTab();
    QWidget* buildAutodialTab();
    void captionOwn(int language) override;

    QTabWidget* tabs_ = nullptr;
    QGroupBox* stunFrame_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

} // namespace rv::editors
