#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

namespace rv::ui {

class SettingsBinder;

/// The embedded message window: the two 32-character lines the radio shows.
class FrmEmbMsg : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmEmbMsg(AppContext& ctx, QWidget* parent = nullptr);
    ~FrmEmbMsg() override;
    void changeShowByLanguage() override;
    void reShow() override;

private:
    SettingsBinder* binder_ = nullptr;
    CommandButtons buttons_;
};

} // namespace rv::ui
