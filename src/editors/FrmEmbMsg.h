#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

#include <array>

class QLineEdit;

namespace rv::ui {

/// The embedded message window: the two 32-character lines the radio shows.
class FrmEmbMsg : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmEmbMsg(AppContext& ctx, QWidget* parent = nullptr);
    void changeShowByLanguage() override;
    void reShow() override;

private:
    void store(int line);

    std::array<QLineEdit*, 2> text1_{};
    CommandButtons buttons_;
};

} // namespace rv::ui
