#pragma once

#include "ui/AppContext.h"

#include <QStyledItemDelegate>

#include <functional>

namespace rv::editors {

/// The in-place editors of the channel grid: the frequency box `Text1` for the RX and TX
/// columns and a drop-down box (`Combo1_0` ... `Combo5_0`) that offers only its list for the
/// others. The grid window places and commits them; the delegate never writes to the model.
class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChannelCellDelegate(ui::AppContext& ctx, QObject* parent = nullptr);
    /// Handler for the channel shortcuts typed into the frequency box.
    void setShortcutHandler(std::function<void(const QKeyEvent&)> h) { shortcuts_ = std::move(h); }

    /// The objectName of a column's editor ("Text1", "Combo1_0", ...); empty for none.
    static QString editorName(int column);
    /// The list a drop-down column offers in the current language.
    QStringList listOf(int column) const;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

private:
    ui::AppContext& ctx_;
    std::function<void(const QKeyEvent&)> shortcuts_;
};

} // namespace rv::editors
