#include "FrmEmbMsg.h"

#include "SettingsInput.h"
#include "data/SettingCommit.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace rv::ui {

namespace {
const rv::LangText Caption{"Embedded Message", "嵌入信息"};
}

FrmEmbMsg::FrmEmbMsg(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmEmbMsg"), parent) {
    auto* lines = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        text1_[i] = new QLineEdit(this);
        text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        text1_[i]->setMinimumWidth(text1_[i]->fontMetrics().horizontalAdvance(QString(34, 'W')));
        InstallKeyRule(text1_[i], &AsciiRule);
        // The line holds no more characters than the record stores.
        text1_[i]->setMaxLength(static_cast<int>(decltype(rv::RadioData::EmbMsg1)::size()));
        lines->addWidget(text1_[i]);
        connect(text1_[i], &QLineEdit::editingFinished, this, [this, i] { store(i); });
    }
    buttons_ = MakeCommandButtons(this, false);
    LayOutWindow(this, lines, buttons_, false);
    changeShowByLanguage();
    reShow();
}

void FrmEmbMsg::changeShowByLanguage() {
    setWindowTitle(Tr(ctx_, Caption));
    buttons_.caption(ctx_.lang());
}

void FrmEmbMsg::reShow() {
    const auto& d = ctx_.doc();
    text1_[0]->setText(QString::fromLatin1(rv::MessageLineText(d.EmbMsg1)));
    text1_[1]->setText(QString::fromLatin1(rv::MessageLineText(d.EmbMsg2)));
}

void FrmEmbMsg::store(int line) {
    auto& field = line == 0 ? ctx_.doc().EmbMsg1 : ctx_.doc().EmbMsg2;
    // A character beyond ASCII arrives as bytes above 127, which the line refuses.
    if (!rv::SetEmbMsgLine(field, text1_[line]->text().toUtf8().toStdString())) {
        TellInvalidData(ctx_, this);
        text1_[line]->setText(QString::fromLatin1(rv::MessageLineText(field)));
        return;
    }
    ctx_.notifyEdited(this);
}

} // namespace rv::ui
