#include "ChannelTableModel.h"

#include "ChannelTexts.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>
#include <utility>

namespace rv::editors {

ChannelTableModel::ChannelTableModel(ui::AppContext& ctx, QObject* parent)
    : QAbstractTableModel(parent), ctx_(ctx) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ChannelTableModel::cellText(int chNo, int column) const {
    if (column == ChNo) return QString::number(chNo);
    if (column == More) return QStringLiteral(">>");
    const rv::ChannelInfo* ch = rv::ChannelOf(ctx_.session.Doc, chNo);
    if (!ch || column < RxFreq || column > WideNarrow) return {};
    // Showing reports nothing: a damaged frequency is told once, when the grid is filled.
    return QString::fromStdString(rv::ChannelFieldText(ctx_.session, *ch, kindOf(column)));
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row() + 1, column);
    case Qt::TextAlignmentRole:
        if (column == Dec || column == Enc) return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        // The number column looks like the fixed header row.
        if (column == ChNo) return QApplication::palette().button();
        return {};
    case Qt::ForegroundRole:
        if (column == ChNo) return QApplication::palette().buttonText();
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= ColumnCount) return {};
    return ui::Tr(ctx_, ChannelTexts::GridHeader(section));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    // The number column cannot take the cursor, like a fixed column.
    if (!index.isValid() || index.column() == ChNo) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ChannelTableModel::reShowAll() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    emit dataChanged(index(0, 0), index(RowCount - 1, ColumnCount - 1));
}

} // namespace rv::editors
