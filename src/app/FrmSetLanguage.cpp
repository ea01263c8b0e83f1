#include "FrmSetLanguage.h"

#include "Captions.h"
#include "DialogKit.h"
#include "ui/AppContext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace rv::app {

FrmSetLanguage::FrmSetLanguage(ui::AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), combo_(new QComboBox) {
    setObjectName(QStringLiteral("FrmSetLanguage"));
    setWindowTitle(ui::Tr(ctx_, CaptionOf(Cap::LanguageSetup)));
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->installEventFilter(new EnterMovesFocus(this));
    auto* label = new QLabel(ui::Tr(ctx_, CaptionOf(Cap::LanguageMode)));
    label->setObjectName(QStringLiteral("Label1"));

    // A system that started in English offers English only.
    const int row = (ctx_.lang() - 1) * 2;
    combo_->addItem(LangName(row + 1));
    if (ctx_.LanguageChoice != rv::English) combo_->addItem(LangName(row + 2));
    combo_->setCurrentText(LangName(row + ctx_.lang()));

    auto* line = new QHBoxLayout;
    line->addWidget(label);
    line->addWidget(combo_, 1);
    auto* buttons = OkCancelButtons(ctx_, *this, true);
    connect(buttons, &QDialogButtonBox::accepted, this, &FrmSetLanguage::onOk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

void FrmSetLanguage::onOk() {
    const auto& names = LangNameRow(ctx_.lang());
    const QString chosenText = combo_->currentText();
    int chosen = 0;
    if (chosenText == QString::fromStdString(names[1]))
        chosen = rv::English;
    else if (chosenText == QString::fromStdString(names[2]))
        chosen = rv::Chinese;
    // Anything else is not a language: nothing changes.
    if (chosen != 0 && chosen != ctx_.lang()) {
        ctx_.ShownLanguage = ctx_.lang();
        ctx_.session.CurLanguage = chosen;
    }
    accept();
}

} // namespace rv::app
