#include "FrmKeyAssignm.h"

#include "SettingsInput.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

const rv::LangText Caption{"", "Key Assignment", "键设定"};

/// The function texts; element c names code c for 1 to 11 (1 and 8 are reserved), element
/// 0 names 255 and element 1 also names 0.
const std::array<rv::LangText, 12> FunctionTable{{
    {"", "None", "无"},
    {"", "Reserved1", "保留1"},
    {"", "Key Lock", "按键锁定"},
    {"", "Key Lock with Backup", "按键锁定及备份"},
    {"", "Monitor", "监听"},
    {"", "Monitor Momentary", "监听瞬时"},
    {"", "Scan", "扫描"},
    {"", "Scan+Temporary Delete", "扫描+暂时删除"},
    {"", "Reserved2", "保留2"},
    {"", "Squelch Off", "取消静噪"},
    {"", "Squelch Off Momentary", "瞬时取消静噪"},
    {"", "Temporary Delete", "暂时删除"},
}};

/// The code stored for each list position; the reserved codes are not offered.
constexpr std::array<Int16, 10> ListCodes{255, 2, 3, 4, 5, 6, 7, 9, 10, 11};

} // namespace

QString FrmKeyAssignm::FunctionText(int language, int code) {
    if (code == 255) return Tr(language, FunctionTable[0]);
    if (code == 0) return Tr(language, FunctionTable[1]);
    if (code >= 1 && code <= 11) return Tr(language, FunctionTable[std::size_t(code)]);
    return {};
}

FrmKeyAssignm::FrmKeyAssignm(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmKeyAssignm"), parent) {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < 2; ++i) {
        combo1_[i] = new SettingsCombo(QStringLiteral("Combo1_%1").arg(i), this);
        label1_[i] = new QLabel(QStringLiteral("PF%1").arg(i + 1), this);
        label1_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        form->addRow(label1_[i], combo1_[i]);
        connect(combo1_[i], &QComboBox::activated, this, [this, i] { saveKey(i); });
    }
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    help_ = new QPushButton(this);
    help_->setObjectName(QStringLiteral("CommandHelp"));
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    buttons->addWidget(help_);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addStretch();
    all->addLayout(buttons);
    InstallEnterMovesFocusOnControls(this);
    changeShowByLanguage();
}

void FrmKeyAssignm::changeShowByLanguage() {
    const int lang = ctx_.lang();
    setWindowTitle(Tr(lang, Caption));
    QStringList entries;
    for (Int16 code : ListCodes)
        entries << FunctionText(lang, code);
    for (auto* box : combo1_)
        box->setEntries(entries);
    SetCloseHelpCaptions(lang, close_, help_);
    reShow();
}

void FrmKeyAssignm::reShow() {
    const auto& d = ctx_.doc();
    combo1_[0]->showText(FunctionText(ctx_.lang(), d.KeyFunc1));
    combo1_[1]->showText(FunctionText(ctx_.lang(), d.KeyFunc2));
}

void FrmKeyAssignm::saveKey(int key) {
    const int p = combo1_[key]->currentIndex();
    if (p < 0 || p >= int(ListCodes.size())) return; // only a list entry sets a key
    (key == 0 ? ctx_.doc().KeyFunc1 : ctx_.doc().KeyFunc2) = ListCodes[std::size_t(p)];
    ctx_.notifyEdited(this);
}

} // namespace rv::ui
