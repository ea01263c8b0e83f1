#pragma once

#include "data/ChannelCommit.h"
#include "ui/AppContext.h"

#include <QAbstractTableModel>

namespace rv::editors {

/// The 16 channel slots of the document as grid rows; it reads `RadioData` on every
/// request and keeps no copy. Row r - 1 stands for channel r whether or not it exists.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ChNo,
        RxFreq,
        TxFreq,
        Dec,
        Enc,
        Power,
        ScanAdd,
        OptSignal,
        PttId,
        WideNarrow,
        More,
        ColumnCount
    };
    static constexpr int RowCount = 16;

    explicit ChannelTableModel(ui::AppContext& ctx, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// The shown text of a cell; `chNo` 1..16.
    QString cellText(int chNo, int column) const;
    /// Redraws every row and the headers.
    void reShowAll();

    /// True for the columns edited in place (RX to W/N).
    static bool isEditable(int column) { return column >= RxFreq && column <= WideNarrow; }
    /// The commit kind of an editable column (1..9).
    static rv::ChannelFieldKind kindOf(int column) {
        return static_cast<rv::ChannelFieldKind>(column);
    }

private:
    ui::AppContext& ctx_;
};

} // namespace rv::editors
