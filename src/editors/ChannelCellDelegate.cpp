#include "ChannelCellDelegate.h"

#include "ChannelChoiceBox.h"
#include "ChannelTableModel.h"
#include "ChannelTexts.h"
#include "SettingsInput.h"
#include "data/ChannelCellText.h"

#include <QComboBox>
#include <QLineEdit>

namespace rv::editors {

using M = ChannelTableModel;

ChannelCellDelegate::ChannelCellDelegate(ui::AppContext& ctx, QObject* parent)
    : QStyledItemDelegate(parent), ctx_(ctx) {}

QString ChannelCellDelegate::editorName(int column) {
    // The tone columns share one box; so do the frequency columns.
    static const char* const Names[M::ColumnCount] = {
        "",         "Text1",    "Text1",    "Combo1_0", "Combo1_0", "Combo2_0",
        "Combo4_0", "Combo5_0", "Combo4_1", "Combo3_0", ""};
    return column >= 0 && column < M::ColumnCount ? QLatin1String(Names[column]) : QString();
}

QStringList ChannelCellDelegate::listOf(int column) const {
    return Entries(ChannelTexts::FieldRow(M::kindOf(column)).choices, ctx_.lang());
}

QWidget* ChannelCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    const int column = index.column();
    const QString name = editorName(column);
    if (name.isEmpty()) return nullptr;
    if (column == M::RxFreq || column == M::TxFreq) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(name);
        box->setFrame(false);
        InstallFrequencyRule(box, shortcuts_);
        return box;
    }
    ChannelChoiceBox::Reader reader;
    if (column == M::Dec || column == M::Enc) {
        // "88.5", "d754n" and "67" name their tones as the commit reads them.
        reader = [](const QString& t) { return rv::ToneEntryOfText(t.toStdString()); };
    }
    return new ChannelChoiceBox(name, reader, parent);
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        box->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // A blank cell shows no entry; the box never holds a text outside its list.
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    }
}

} // namespace rv::editors
