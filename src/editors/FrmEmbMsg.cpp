#include "FrmEmbMsg.h"

#include "SettingsInput.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rv::ui {

namespace {
const rv::LangText Caption{"", "Embedded Message", "嵌入信息"};
}

FrmEmbMsg::FrmEmbMsg(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmEmbMsg"), parent) {
    auto* all = new QVBoxLayout(this);
    for (int i = 0; i < 2; ++i) {
        text1_[i] = new QLineEdit(this);
        text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        text1_[i]->setMinimumWidth(text1_[i]->fontMetrics().horizontalAdvance(QString(34, 'W')));
        InstallKeyRule(text1_[i], &AsciiRule);
        all->addWidget(text1_[i]);
        connect(text1_[i], &QLineEdit::editingFinished, this, [this, i] { store(i); });
    }
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    all->addLayout(buttons);
    changeShowByLanguage();
    reShow();
}

void FrmEmbMsg::changeShowByLanguage() {
    setWindowTitle(Tr(ctx_, Caption));
    SetCloseHelpCaptions(ctx_.lang(), close_, nullptr);
}

void FrmEmbMsg::reShow() {
    const auto& d = ctx_.doc();
    text1_[0]->setText(QString::fromLatin1(d.EmbMsg1.get()));
    text1_[1]->setText(QString::fromLatin1(d.EmbMsg2.get()));
}

void FrmEmbMsg::store(int line) {
    // 32 characters or more fill the line; a shorter text ends with a NUL.
    (line == 0 ? ctx_.doc().EmbMsg1 : ctx_.doc().EmbMsg2)
        .set(text1_[line]->text().toLatin1().toStdString());
    ctx_.notifyEdited(this);
}

} // namespace rv::ui
