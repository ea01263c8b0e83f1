#include "FrmTestFre.h"

#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "SettingsLayout.h"
#include "data/Conversions.h"
#include "data/Defaults.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

namespace rv::ui {

namespace {

using L = rv::LangText;

const L Caption{"", "Test Frequency", "测试频率"};
const std::array<L, 3> Headers{
    {{"", "Chennal", "信道"}, {"", "RX[MHz]", "接收[MHz]"}, {"", "TX[MHz]", "发射[MHz]"}}};

enum Column { ChannelCol, RxCol, TxCol };
constexpr int Rows = 16;

/// A storage text as its full eight digits: missing trailing digits count as 0.
std::string EightDigits(std::string s) {
    if (s.size() < 8) s.append(8 - s.size(), '0');
    return s;
}

/// The mark of a test frequency: 15 while it is its slot's default, 2 once changed.
Int16 MarkOf(const std::string& stored, const std::string& defaultStorage) {
    return !defaultStorage.empty() && EightDigits(stored) == EightDigits(defaultStorage) ? 15 : 2;
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

    buttons_ = MakeCommandButtons(this, false);
    LayOutWindow(this, grid_, buttons_);
    changeShowByLanguage();
    reShow();
}

FrmTestFre::~FrmTestFre() {
    delete cellEditor_;
}

void FrmTestFre::changeShowByLanguage() {
    const int lang = ctx_.lang();
    setWindowTitle(Tr(lang, Caption));
    grid_->setHorizontalHeaderLabels(
        {Tr(lang, Headers[0]), Tr(lang, Headers[1]), Tr(lang, Headers[2])});
    grid_->resizeColumnToContents(ChannelCol);
    // All 16 channels and the header in view, no scrolling.
    FitGridToRows(grid_, true);
    buttons_.caption(lang);
}

void FrmTestFre::reShow() {
    cellEditor_->close();
    for (int r = 0; r < Rows; ++r) {
        grid_->item(r, RxCol)->setText(QString());
        grid_->item(r, TxCol)->setText(QString());
    }
    const auto& d = ctx_.doc();
    for (int i = 0; i < std::clamp<int>(d.TestFreCount, 0, Rows); ++i) {
        const auto& t = d.TestFres[std::size_t(i)];
        if (t.No < 1 || t.No > Rows) continue;
        const auto show = [this](const auto& f) {
            return QString::fromLatin1(rv::StorageToFreq(ctx_.session, f.get()));
        };
        grid_->item(t.No - 1, RxCol)->setText(show(t.RxFreq));
        grid_->item(t.No - 1, TxCol)->setText(show(t.TxFreq));
    }
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
    auto* cell = grid_->item(row, col);
    auto* other = grid_->item(row, col == RxCol ? TxCol : RxCol);
    if (text.isEmpty()) {
        cell->setText(QString());
        other->setText(QString());
    } else {
        const QString shown = CheckFreqShown(ctx_, this, text);
        cell->setText(shown);
        if (other->text().isEmpty()) other->setText(shown);
    }
    storeRow(row);
    recomputeMarks();
    ctx_.notifyEdited(this);
}

void FrmTestFre::storeRow(int row) {
    auto& d = ctx_.doc();
    const Int16 no = Int16(row + 1);
    const QString rx = grid_->item(row, RxCol)->text();
    const QString tx = grid_->item(row, TxCol)->text();
    auto* begin = d.TestFres.begin();
    auto* end = begin + std::clamp<int>(d.TestFreCount, 0, Rows);
    auto* it = std::find_if(begin, end, [no](const rv::TestFre& t) { return t.No == no; });
    const auto storage = [this](const QString& s) {
        return rv::FreqToStorage(ctx_.session, s.toLatin1().toStdString());
    };
    if (it != end && rx.isEmpty()) {
        std::move(it + 1, end, it); // later entries move up
        *(end - 1) = rv::TestFre{};
        --d.TestFreCount;
    } else if (!rx.isEmpty()) {
        if (it == end) {
            if (end == d.TestFres.end()) return; // a damaged list already fills every slot
            it->No = no;
            ++d.TestFreCount;
        }
        it->RxFreq.set(storage(rx));
        it->TxFreq.set(storage(tx));
    }
}

void FrmTestFre::recomputeMarks() {
    auto& d = ctx_.doc();
    const auto defaults = rv::DefaultTestFrequencies(rv::BandIndexOf(ctx_.session.CurBand));
    for (int i = 0; i < std::clamp<int>(d.TestFreCount, 0, Rows); ++i) {
        auto& t = d.TestFres[std::size_t(i)];
        std::string rxDefault, txDefault;
        if (t.No >= 1 && t.No <= Rows) {
            const auto& entry = defaults[std::size_t(t.No - 1)];
            rxDefault = rv::FreqToStorage(ctx_.session, entry[0]);
            txDefault = rv::FreqToStorage(ctx_.session, entry[1]);
        }
        t.RxSig = MarkOf(t.RxFreq.get(), rxDefault);
        t.TxSig = MarkOf(t.TxFreq.get(), txDefault);
    }
}

} // namespace rv::ui
