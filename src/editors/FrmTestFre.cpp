#include "FrmTestFre.h"

#include "SettingsBinder.h"
#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "data/Catalogue.h"

#include <QLineEdit>
#include <QTableWidget>

namespace rv::editors {

namespace {

using L = rv::LangText;

const std::array<L, 3> Headers{
    {{"Chennal", "信道"}, {"RX[MHz]", "接收[MHz]"}, {"TX[MHz]", "发射[MHz]"}}};

enum Column { ChannelCol, RxCol, TxCol };
constexpr int Rows = 16;

} // namespace

FrmTestFre::FrmTestFre(ui::AppContext& ctx, QWidget* parent)
    : SettingsWindow(ctx, QStringLiteral("FrmTestFre"), parent) {
    grid_ = NewNumberedGrid(Rows, 3, this);
    const int digits = grid_->fontMetrics().horizontalAdvance(QStringLiteral("000.00000"));
    grid_->setColumnWidth(RxCol, digits * 3 / 2);
    grid_->setColumnWidth(TxCol, digits * 3 / 2);
    text1_ = new QLineEdit;
    text1_->setObjectName(QStringLiteral("Text1"));
    InstallKeyRule(text1_, {.chars = &FreqRule, .onEnter = [this] { onEnter(); }});
    // A frequency outside the band or off its raster is refused; the row keeps its values.
    cellEditor_ = binder_->bind(grid_, text1_, {"", "testfreq.#.rx", "testfreq.#.tx"},
                                rv::Msg::FreqOutOfRange);
    layOut(grid_);
    changeShowByLanguage();
}

void FrmTestFre::captionOwn(int language) {
    setWindowTitle(ui::Tr(language, rv::findRow("testfreq.1.rx")->area));
    grid_->setHorizontalHeaderLabels(
        {ui::Tr(language, Headers[0]), ui::Tr(language, Headers[1]), ui::Tr(language, Headers[2])});
    grid_->resizeColumnToContents(ChannelCol);
    // All 16 channels and the header in view, no scrolling.
    FitGridToRows(grid_, true);
}

void FrmTestFre::onEnter() {
    const int row = cellEditor_->editRow();
    if (cellEditor_->editCol() == RxCol && !text1_->text().isEmpty())
        cellEditor_->moveTo(row, TxCol);
    else
        cellEditor_->moveTo((row + 1) % Rows, RxCol);
}

} // namespace rv::editors
