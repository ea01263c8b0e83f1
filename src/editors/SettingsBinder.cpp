#include "SettingsBinder.h"

#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "data/Catalogue.h"
#include "ui/ChildWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

namespace rv::editors {

namespace {

/// The blank entry of a number that is not set (an own fleet of none).
const QString Blank = QStringLiteral(" ");

/// The entries of a row's box: what it offers for the document, or its numbers in steps,
/// after the blank while the number is not set.
QStringList EntriesOf(const rv::SettingRow& r, const rv::Session& s) {
    if (r.kind != rv::RowKind::Number) return Entries(rv::OfferedChoices(r, s), s.CurLanguage);
    QStringList out;
    if (rv::textOf(s, r.key).empty()) out << Blank;
    int v = r.low;
    if (rv::HasZeroWord(r)) {
        out << Q(rv::InLanguage(r.zeroWord, s.CurLanguage));
        v += r.step;
    }
    for (; v <= r.high; v += r.step)
        out << QString::number(v * r.scale + r.offset);
    return out;
}

/// The key of a grid cell: the column's key with "#" the entry's number.
std::string CellKey(std::string key, int row) {
    const auto at = key.find('#');
    return at == std::string::npos ? key : key.replace(at, 1, std::to_string(row + 1));
}

} // namespace

SettingsBinder::SettingsBinder(ui::ChildWindow* window)
    : QObject(window), window_(window), ctx_(window->context()) {}

SettingsBinder::~SettingsBinder() {
    // A cell box losing the focus while the window is torn down commits nothing.
    for (const Grid& g : grids_)
        delete g.editor;
}

const SettingsBinder::Binding& SettingsBinder::add(QWidget* control, const char* key,
                                                   QLabel* label) {
    control->setProperty("key", QString::fromLatin1(key));
    if (label) label->setBuddy(control);
    bindings_.push_back({rv::findRow(key), control, label});
    return bindings_.back();
}

void SettingsBinder::bind(SettingsCombo* box, const char* key, QLabel* label) {
    const Binding b = add(box, key, label);
    connect(box, &QComboBox::activated, this, [this, b, box] {
        commit(b, box->currentText() == Blank ? QString() : box->currentText());
    });
}

void SettingsBinder::bind(QCheckBox* box, const char* key) {
    const Binding b = add(box, key, nullptr);
    connect(box, &QCheckBox::clicked, this,
            [this, b](bool on) { commit(b, on ? QStringLiteral("On") : QStringLiteral("Off")); });
}

void SettingsBinder::bind(QLineEdit* box, const char* key, QLabel* label) {
    const Binding b = add(box, key, label);
    box->setMaxLength(b.row->textWidth);
    InstallKeyRule(box, {RowKeyRule(*b.row)});
    connect(box, &QLineEdit::editingFinished, this, [this, b, box] {
        // A character beyond ASCII arrives as bytes above 127, which no text row takes.
        if (box->isModified()) commit(b, box->text());
    });
}

SettingsCellEditor* SettingsBinder::bind(QTableWidget* grid, QLineEdit* box,
                                         std::vector<std::string> columnKeys, rv::Msg refusal) {
    std::set<int> editable;
    for (int c = 0; c < int(columnKeys.size()); ++c)
        if (!columnKeys[c].empty()) editable.insert(c);
    grids_.push_back({grid, std::move(columnKeys), nullptr, refusal});
    const std::size_t n = grids_.size() - 1;
    grids_[n].editor =
        new SettingsCellEditor(grid, box, editable, [this, n](int row, int col, const QString& t) {
            commitCell(grids_[n], row, col, t);
        });
    return grids_[n].editor;
}

void SettingsBinder::caption() {
    const int lang = ctx_.lang();
    if (!bindings_.empty())
        window_->setWindowTitle(Q(rv::InLanguage(bindings_[0].row->area, lang)));
    for (const Binding& b : bindings_) {
        const QString label = Q(rv::LabelOf(*b.row, lang));
        if (b.label) b.label->setText(label);
        if (auto* check = qobject_cast<QCheckBox*>(b.control)) check->setText(label);
        if (auto* box = qobject_cast<SettingsCombo*>(b.control))
            box->setEntries(EntriesOf(*b.row, ctx_.session));
    }
}

void SettingsBinder::show() {
    for (const Binding& b : bindings_)
        showOne(b);
    for (const Grid& g : grids_) {
        g.editor->close();
        for (int r = 0; r < g.grid->rowCount(); ++r)
            showCells(g, r);
    }
}

void SettingsBinder::showOne(const Binding& b) {
    const rv::Session& s = ctx_.session;
    if (auto* box = qobject_cast<SettingsCombo*>(b.control)) {
        // The entries may follow other settings (the model, a neighbouring choice).
        box->setEntries(EntriesOf(*b.row, s));
        const QString shown = Q(rv::textOf(s, b.row->key));
        box->showText(shown.isEmpty() && box->findText(Blank) == 0 ? Blank : shown);
    } else if (auto* check = qobject_cast<QCheckBox*>(b.control)) {
        check->setChecked(b.row->get(s.Doc) == 1);
    } else if (auto* text = qobject_cast<QLineEdit*>(b.control)) {
        text->setText(Q(rv::textOf(s, b.row->key)));
        text->setModified(false);
    }
}

void SettingsBinder::showCells(const Grid& g, int row) {
    for (int c = 0; c < int(g.columnKeys.size()); ++c)
        if (!g.columnKeys[c].empty())
            g.grid->item(row, c)->setText(
                Q(rv::textOf(ctx_.session, CellKey(g.columnKeys[c], row))));
}

void SettingsBinder::commit(const Binding& b, const QString& text) {
    const rv::CommitResult r = rv::commitText(ctx_.session, b.row->key, text.toStdString());
    if (r.refusal) TellRefused(ctx_, window_);
    // The committed control and every one whose row the commit also changed.
    for (const Binding& other : bindings_)
        if (other.control == b.control ||
            std::any_of(r.changed.begin(), r.changed.end(),
                        [&other](const rv::Change& c) { return c.key == other.row->key; }))
            showOne(other);
    if (r.changed.empty()) return;
    ctx_.notifyCommitted(window_, b.row->key, r);
    emit committed(Q(b.row->key));
}

void SettingsBinder::commitCell(const Grid& g, int row, int col, const QString& text) {
    // A refused text leaves the entry as it was; the row shows what is stored.
    const std::string key = CellKey(g.columnKeys[col], row);
    const rv::CommitResult r = rv::commitText(ctx_.session, key, text.toStdString());
    if (r.refusal) TellRefused(ctx_, window_, g.refusal);
    showCells(g, row);
    ctx_.notifyCommitted(window_, key, r);
}

} // namespace rv::editors
