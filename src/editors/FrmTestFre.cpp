#include "FrmTestFre.h"

#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "SettingsLayout.h"
#include "data/Catalogue.h"
#include "kit/Prompt.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

namespace rv::ui {

namespace {

using L = rv::LangText;

const std::array<L, 3> Headers{
    {{"Chennal", "信道"}, {"RX[MHz]", "接收[MHz]"}, {"TX[MHz]", "发射[MHz]"}}};

enum Column { ChannelCol, RxCol, TxCol };
constexpr int Rows = 16;

/// The catalogue key of a cell.
std::string KeyOf(int row, int col) {
    return "testfreq." + std::to_string(row + 1) + (col == RxCol ? ".rx" : ".tx");
}

} // namespace

FrmTestFre::FrmTestFre(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmTestFre"), parent) {
    grid_ = NewNumberedGrid(Rows, 3, this);
    const int digits = grid_->fontMetrics().horizontalAdvance(QStringLiteral("000.00000"));
    grid_->setColumnWidth(RxCol, digits * 3 / 2);
    grid_->setColumnWidth(TxCol, digits * 3 / 2);
    text1_ = new QLineEdit;
    text1_->setObjectName(QStringLiteral("Text1"));
    InstallKeyRule(text1_, &FreqRule, [this] { onEnter(); });
    cellEditor_ = new SettingsCellEditor(
        grid_, text1_, {RxCol, TxCol},
        [this](int row, int col, const QString& t) { commitCell(row, col, t); });

    buttons_ = MakeCommandButtons(this);
    LayOutWindow(this, grid_, buttons_);
    changeShowByLanguage();
    reShow();
}

FrmTestFre::~FrmTestFre() {
    delete cellEditor_;
}

void FrmTestFre::changeShowByLanguage() {
    const int lang = ctx_.lang();
    setWindowTitle(Tr(lang, rv::findRow("testfreq.1.rx")->area));
    grid_->setHorizontalHeaderLabels(
        {Tr(lang, Headers[0]), Tr(lang, Headers[1]), Tr(lang, Headers[2])});
    grid_->resizeColumnToContents(ChannelCol);
    // All 16 channels and the header in view, no scrolling.
    FitGridToRows(grid_, true);
    buttons_.caption(lang);
}

void FrmTestFre::reShow() {
    cellEditor_->close();
    for (int r = 0; r < Rows; ++r)
        showRow(r);
}

void FrmTestFre::showRow(int row) {
    for (const int col : {RxCol, TxCol})
        grid_->item(row, col)->setText(
            QString::fromStdString(rv::textOf(ctx_.session, KeyOf(row, col))));
}

void FrmTestFre::onEnter() {
    const int row = cellEditor_->editRow();
    const int col = cellEditor_->editCol();
    if (col == RxCol && text1_->text().isEmpty())
        cellEditor_->moveTo((row + 1) % Rows, RxCol);
    else if (col == RxCol)
        cellEditor_->moveTo(row, TxCol);
    else
        cellEditor_->moveTo((row + 1) % Rows, RxCol);
}

void FrmTestFre::commitCell(int row, int col, const QString& text) {
    // A frequency outside the band or off its raster is refused; the row keeps its values.
    const std::string key = KeyOf(row, col);
    const auto result = rv::commitText(ctx_.session, key, text.toStdString());
    if (result.refusal) Ask(ctx_, this, rv::Msg::FreqOutOfRange);
    showRow(row);
    ctx_.notifyCommitted(this, key, result);
}

} // namespace rv::ui
