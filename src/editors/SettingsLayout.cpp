#include "SettingsLayout.h"

#include "SettingsBinder.h"
#include "SettingsInput.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rv::editors {

CommandButtons::CommandButtons(QWidget* window, QHBoxLayout* row)
    : close(new QPushButton(window)), help(new QPushButton(window)) {
    close->setObjectName(QStringLiteral("CommandClose"));
    help->setObjectName(QStringLiteral("CommandHelp"));
    // The frame goes too: an empty one would stay behind in the document area.
    QObject::connect(close, &QPushButton::clicked, window, [window] { FrameOf(window)->close(); });
    row->addStretch();
    row->addWidget(close);
    row->addWidget(help);
}

void CommandButtons::caption(int language) const {
    close->setText(ui::Tr(language, rv::LangText{"&Close", "关闭(&C)"}));
    help->setText(ui::Tr(language, rv::LangText{"&Help", "帮助(&H)"}));
}

SettingsWindow::SettingsWindow(ui::AppContext& ctx, const QString& formName, QWidget* parent)
    : ui::ChildWindow(ctx, formName, parent), binder_(new SettingsBinder(this)) {}

SettingsWindow::~SettingsWindow() {
    // A box losing the focus while the window is torn down commits nothing.
    delete binder_;
}

void SettingsWindow::changeShowByLanguage() {
    const int lang = ctx_.lang();
    captionOwn(lang);
    binder_->caption();
    buttons_.caption(lang);
    reShow();
}

void SettingsWindow::reShow() {
    binder_->show();
    showRules();
}

void SettingsWindow::layOut(QWidget* content) {
    auto* all = new QVBoxLayout;
    all->addWidget(content);
    layOut(all, false);
}

void SettingsWindow::layOut(QLayout* content, bool pushUp) {
    auto* all = new QVBoxLayout(this);
    all->addLayout(content);
    if (pushUp) all->addStretch();
    auto* row = new QHBoxLayout;
    buttons_ = CommandButtons(this, row);
    all->addLayout(row);
    InstallEnterMovesFocusOnControls(this);
}

std::vector<SettingsCombo*> SettingsWindow::addComboRows(QFormLayout* form,
                                                         std::initializer_list<const char*> keys,
                                                         const QString& name,
                                                         const QString& labelName) {
    std::vector<SettingsCombo*> boxes;
    for (const char* key : keys) {
        const QString n = QStringLiteral("_%1").arg(boxes.size());
        boxes.push_back(
            addCombo(form, name + n, key, labelName.isEmpty() ? QString() : labelName + n));
    }
    return boxes;
}

/// A label named `name` (when given) before `field` in `form`.
static QLabel* AddLabelled(QFormLayout* form, QWidget* field, const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    form->addRow(label, field);
    return label;
}

SettingsCombo* SettingsWindow::addCombo(QFormLayout* form, const QString& name, const char* key,
                                        const QString& labelName) {
    auto* box = new SettingsCombo(name);
    binder_->bind(box, key, AddLabelled(form, box, labelName));
    return box;
}

QLineEdit* SettingsWindow::addText(QFormLayout* form, const QString& name, const char* key,
                                   const QString& labelName) {
    auto* text = new QLineEdit;
    text->setObjectName(name);
    binder_->bind(text, key, AddLabelled(form, text, labelName));
    return text;
}

QCheckBox* SettingsWindow::addCheck(const QString& name, const char* key) {
    auto* check = new QCheckBox(this);
    check->setObjectName(name);
    binder_->bind(check, key);
    return check;
}

QFormLayout* NewForm(QWidget* parent) {
    auto* form = new QFormLayout(parent);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return form;
}

QTableWidget* NewNumberedGrid(int rows, int columns, QWidget* parent) {
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid->verticalHeader()->hide();
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < rows; ++r) {
        auto* no = new QTableWidgetItem(QString::number(r + 1));
        no->setFlags(Qt::ItemIsEnabled);
        grid->setItem(r, 0, no);
        for (int c = 1; c < columns; ++c)
            grid->setItem(r, c, new QTableWidgetItem);
    }
    return grid;
}

} // namespace rv::editors
