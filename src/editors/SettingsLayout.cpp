#include "SettingsLayout.h"

#include "SettingsInput.h"
#include "kit/AppContext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

QPushButton* NewButton(QWidget* window, const QString& name) {
    auto* b = new QPushButton(window);
    b->setObjectName(name);
    return b;
}

const rv::LangText CloseCaption{"&Close", "关闭(&C)"};
const rv::LangText HelpCaption{"&Help", "帮助(&H)"};

} // namespace

void CommandButtons::caption(int language) const {
    close->setText(Tr(language, CloseCaption));
    help->setText(Tr(language, HelpCaption));
}

CommandButtons MakeCommandButtons(QWidget* window) {
    CommandButtons b;
    b.close = NewButton(window, QStringLiteral("CommandClose"));
    QObject::connect(b.close, &QPushButton::clicked, window,
                     [window] { CloseChildWindow(window); });
    b.row = new QHBoxLayout;
    b.row->addStretch();
    b.row->addWidget(b.close);
    b.help = NewButton(window, QStringLiteral("CommandHelp"));
    b.row->addWidget(b.help);
    return b;
}

void LayOutWindow(QWidget* window, QWidget* content, const CommandButtons& buttons) {
    auto* all = new QVBoxLayout(window);
    all->addWidget(content);
    all->addLayout(buttons.row);
}

void LayOutWindow(QWidget* window, QLayout* content, const CommandButtons& buttons, bool pushUp) {
    auto* all = new QVBoxLayout(window);
    all->addLayout(content);
    if (pushUp) all->addStretch();
    all->addLayout(buttons.row);
}

QFormLayout* NewForm(QWidget* parent) {
    auto* form = new QFormLayout(parent);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return form;
}

void AddComboRows(QFormLayout* form, QWidget* parent, std::span<SettingsCombo*> boxes,
                  std::span<QLabel*> labels, const QString& name, const QString& labelName) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int n = int(i);
        boxes[i] = new SettingsCombo(QStringLiteral("%1_%2").arg(name).arg(n), parent);
        labels[i] = new QLabel(parent);
        if (!labelName.isEmpty())
            labels[i]->setObjectName(QStringLiteral("%1_%2").arg(labelName).arg(n));
        form->addRow(labels[i], boxes[i]);
    }
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

} // namespace rv::ui
