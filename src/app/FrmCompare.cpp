#include "FrmCompare.h"

#include "Captions.h"
#include "DialogKit.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace rv::app {

namespace {

using L = rv::LangText;
const L Title{"Compare", "比较"};
const L NoDifferences{"No differences.", "没有差别。"};
const std::array<L, 3> Headers{{{"Area", "区域"}, {"Item", "项目"}, {"This Document", "本文档"}}};
const L CopyCaption{"&Copy", "复制(&C)"};

QString U(const std::string& s) {
    return QString::fromStdString(s);
}

/// A cell that sorts by the place of its row in window order (area, then number) when it
/// has one, and by its text otherwise.
class OrderedItem : public QTableWidgetItem {
public:
    explicit OrderedItem(const QString& text, int order = -1) : QTableWidgetItem(text) {
        if (order >= 0) setData(Qt::UserRole, order);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(Qt::UserRole);
        const QVariant b = other.data(Qt::UserRole);
        if (a.isValid() && b.isValid()) return a.toInt() < b.toInt();
        return QTableWidgetItem::operator<(other);
    }
};

} // namespace

FrmCompare::FrmCompare(const ui::AppContext& ctx, const std::vector<rv::SettingDifference>& rows,
                       const QString& otherName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmCompare"));
    setWindowTitle(ui::Tr(ctx, Title) + QStringLiteral(" - ") + otherName);
    auto* layout = new QVBoxLayout(this);
    if (rows.empty()) {
        auto* none = new QLabel(ui::Tr(ctx, NoDifferences));
        none->setObjectName(QStringLiteral("NoDifferences"));
        layout->addWidget(none);
    } else {
        table_ = new QTableWidget(static_cast<int>(rows.size()), 4, this);
        table_->setObjectName(QStringLiteral("Differences"));
        table_->setHorizontalHeaderLabels(
            {ui::Tr(ctx, Headers[0]), ui::Tr(ctx, Headers[1]), ui::Tr(ctx, Headers[2]), otherName});
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const auto& d = rows[static_cast<std::size_t>(r)];
            const QString cells[] = {U(d.area), U(d.item), U(d.a), U(d.b)};
            for (int c = 0; c < 4; ++c)
                table_->setItem(r, c, new OrderedItem(cells[c], c == 0 ? r : -1));
        }
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        // The rows come in window order, as `diff` lists them; that is the first sort.
        table_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
        table_->setSortingEnabled(true);
        table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table_->horizontalHeader()->setStretchLastSection(true);
        table_->verticalHeader()->hide();
        layout->addWidget(table_);
        auto* copy = new QShortcut(QKeySequence::Copy, table_);
        connect(copy, &QShortcut::activated, this, &FrmCompare::copy);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (table_) {
        auto* copyButton = NamedButton(ctx, CopyCaption, "CommandCopy");
        connect(copyButton, &QPushButton::clicked, this, &FrmCompare::copy);
        buttons->addWidget(copyButton);
    }
    auto* close = NamedButton(ctx, CaptionOf(Cap::Close), "CommandClose");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(720, 420);
}

QString FrmCompare::copyText() const {
    if (!table_) return {};
    std::set<int> chosen;
    for (const auto* item : table_->selectedItems())
        chosen.insert(item->row());
    QStringList lines;
    for (int r = 0; r < table_->rowCount(); ++r) {
        if (!chosen.empty() && !chosen.count(r)) continue;
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << table_->item(r, c)->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void FrmCompare::copy() const {
    QApplication::clipboard()->setText(copyText());
}

} // namespace rv::app
