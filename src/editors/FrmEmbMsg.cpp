#include "FrmEmbMsg.h"

#include "SettingsBinder.h"
#include "SettingsInput.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace rv::ui {

FrmEmbMsg::FrmEmbMsg(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmEmbMsg"), parent) {
    auto* lines = new QVBoxLayout;
    binder_ = new SettingsBinder(this);
    for (int i = 0; i < 2; ++i) {
        auto* line = new QLineEdit(this);
        line->setObjectName(QStringLiteral("Text1_%1").arg(i));
        line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QString(34, 'W')));
        InstallKeyRule(line, &AsciiRule);
        lines->addWidget(line);
        binder_->bind(line, i == 0 ? "message.line1" : "message.line2");
    }
    buttons_ = MakeCommandButtons(this);
    LayOutWindow(this, lines, buttons_, false);
    changeShowByLanguage();
}

FrmEmbMsg::~FrmEmbMsg() {
    // A line losing the focus while the window is torn down commits nothing.
    delete binder_;
}

void FrmEmbMsg::changeShowByLanguage() {
    binder_->caption();
    buttons_.caption(ctx_.lang());
    reShow();
}

void FrmEmbMsg::reShow() {
    binder_->show();
}

} // namespace rv::ui
