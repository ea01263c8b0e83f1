#include "FrmEmbMsg.h"

#include "SettingsBinder.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace rv::editors {

FrmEmbMsg::FrmEmbMsg(ui::AppContext& ctx, QWidget* parent)
    : SettingsWindow(ctx, QStringLiteral("FrmEmbMsg"), parent) {
    auto* lines = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* line = new QLineEdit(this);
        line->setObjectName(QStringLiteral("Text1_%1").arg(i));
        line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QString(34, 'W')));
        lines->addWidget(line);
        binder_->bind(line, i == 0 ? "message.line1" : "message.line2");
    }
    layOut(lines, false);
    changeShowByLanguage();
}

} // namespace rv::editors
