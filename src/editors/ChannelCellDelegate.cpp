#include "ChannelCellDelegate.h"

#include "ChannelChoiceBox.h"
#include "ChannelInput.h"
#include "ChannelTableModel.h"
#include "data/ChannelCellText.h"
#include "data/Conversions.h"

#include <QComboBox>
#include <QLineEdit>

namespace rv::ui {

namespace {

using M = ChannelTableModel;

QStringList ToQStringList(const std::vector<std::string>& v) {
    QStringList l;
    for (const auto& s : v)
        l << QString::fromStdString(s);
    return l;
}

} // namespace

ChannelCellDelegate::ChannelCellDelegate(AppContext& ctx, QObject* parent)
    : QStyledItemDelegate(parent), ctx_(ctx) {}

QString ChannelCellDelegate::editorName(int column) {
    switch (column) {
    case M::RxFreq:
    case M::TxFreq:
        return QStringLiteral("Text1");
    case M::Dec:
    case M::Enc:
        return QStringLiteral("Combo1_0");
    case M::Power:
        return QStringLiteral("Combo2_0");
    case M::ScanAdd:
        return QStringLiteral("Combo4_0");
    case M::OptSignal:
        return QStringLiteral("Combo5_0");
    case M::PttId:
        return QStringLiteral("Combo4_1");
    case M::WideNarrow:
        return QStringLiteral("Combo3_0");
    default:
        return {};
    }
}

QStringList ChannelCellDelegate::listOf(int column) const {
    if (column == M::Dec || column == M::Enc) return ToQStringList(rv::ToneList(ctx_.lang()));
    return ToQStringList(rv::ChannelChoiceTexts(M::kindOf(column), ctx_.lang()));
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
        new FrequencyKeyFilter(box, FrequencyTextLength, shortcuts_);
        return box;
    }
    ChannelChoiceBox::Reader reader;
    if (column == M::Dec || column == M::Enc) {
        // "88.5", "d754n" and "67" name their tones as the commit reads them.
        reader = [](const QString& t) { return rv::ToneEntryOfText(t.toStdString()); };
    }
    auto* box = new ChannelChoiceBox(name, reader, parent);
    box->addItems(listOf(column));
    return box;
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

} // namespace rv::ui
