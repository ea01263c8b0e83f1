#include "FrmTestModePara.h"

#include "FrmAlignmentRestore.h"
#include "Lamp.h"
#include "TestModeHost.h"
#include "TuneCurve.h"
#include "data/Conversions.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace rv::service {

namespace {

using rv::LangText;

const LangText StartCaption{"&Start", "开始(&S)"};
const LangText OkCaption{"&OK", "确定(&O)"};
const LangText CancelCaption{"&Cancel", "取消(&C)"};
const LangText RxCaption{"RX", "接收"};
const LangText TxCaption{"TX", "发射"};
const LangText RestoreCaption{"&Restore...", "恢复(&R)..."};
const LangText FrequencyAxis{"Frequency (MHz)", "频率（MHz）"};
const LangText ValueAxis{"Value", "值"};
const LangText RadioLegend{"Radio", "对讲机"};
const LangText KeptLegend{"Kept", "保存值"};
const LangText OutOfRange{"%1 was not sent: a value is 0 to 255.",
                          "%1 未发送：数值范围为 0 到 255。"};
const LangText NotANumber{"\"%1\" was not sent: a value is a number 0 to 255.",
                          "“%1”未发送：数值应为 0 到 255 的数字。"};
const LangText PortClosed{"%1 was not sent: test mode has ended.", "%1 未发送：测试模式已结束。"};
constexpr int LevelIndex = 6;
constexpr std::size_t TuneBlockBytes = rv::link::TuneBlockSize;

QString Mhz(double v) {
    return QString::asprintf("%09.5f", v);
}

} // namespace

FrmTestModePara::FrmTestModePara(ui::AppContext& ctx, TestModeHost& host, int item, QWidget* parent)
    : QDialog(parent), ctx_(ctx), host_(host), item_(item) {
    setObjectName(QStringLiteral("FrmTestModePara"));
    build();
    setMinimumWidth(440); // room for all six tab captions
    timerGetPara_.setInterval(500);
    timerGetPara_.setTimerType(Qt::PreciseTimer);
    connect(&timerGetPara_, &QTimer::timeout, this, &FrmTestModePara::poll);
    connect(&host_, &TestModeHost::valuesArrived, this, &FrmTestModePara::ShowData);
    if (const auto& entry = host_.state().EntryBlock; entry.size() == TuneBlockBytes) {
        kept_.emplace();
        std::copy(entry.begin(), entry.end(), kept_->block.begin());
    }
    connect(&host_, &TestModeHost::ended, this, [this] {
        unloaded_ = true; // nothing can be written back any more
        close();
    });

    pttReleased_ = true;
    showFrequencies();
    showFrame();
    if (hasCurve()) setMinimumWidth(660); // the tab captions and the curve side by side
    setCaptions();
    showFirstValues();
    showCurve();
}

FrmTestModePara::~FrmTestModePara() = default;

void FrmTestModePara::build() {
    tabs_ = Named<QTabWidget>("SSTab1", this);
    auto addRow = [this](QGridLayout* grid, int i, QWidget* owner) {
        const auto idx = static_cast<std::size_t>(i);
        const auto name = [i](const char* stem) { return QString::fromLatin1(stem).arg(i); };
        bars_[idx] = Named<QProgressBar>(name("ProgressBar1_%1"), owner);
        bars_[idx]->setRange(0, 255);
        bars_[idx]->setTextVisible(false);
        texts_[idx] = Named<QLineEdit>(name("Text2_%1"), owner);
        texts_[idx]->installEventFilter(this);
        int k = 0; // Label3 to Label6: RX and TX captions, then RX and TX frequencies
        for (auto* labels : {&rxLabels_, &txLabels_, &rxFreq_, &txFreq_}) {
            (*labels)[idx] = Named<QLabel>(QStringLiteral("Label%1_%2").arg(3 + k).arg(i), owner);
            grid->addWidget((*labels)[idx], k % 2, k / 2);
            ++k;
        }
        grid->addWidget(bars_[idx], 3, 0, 1, 2);
        grid->addWidget(texts_[idx], 3, 2);
    };
    for (int i = 0; i < 6; ++i) {
        auto* page = new QWidget(tabs_);
        auto* grid = new QGridLayout(page);
        auto* s = Named<QSlider>(QStringLiteral("Slider1_%1").arg(i), page);
        s->setOrientation(Qt::Horizontal);
        s->setRange(0, 255);
        s->setSingleStep(1);
        s->setPageStep(5);
        sliders_[static_cast<std::size_t>(i)] = s;
        grid->addWidget(s, 2, 0, 1, 3);
        addRow(grid, i, page);
        tabs_->addTab(page, QString());
        connect(s, &QSlider::valueChanged, this, [this, i](int v) { onSlider(i, v); });
        connect(texts_[static_cast<std::size_t>(i)], &QLineEdit::editingFinished, this,
                [this, i] { onValueTyped(i); });
    }
    level_ = Named<QGroupBox>("LevelGroup", this);
    addRow(new QGridLayout(level_), LevelIndex, level_);

    start_ = Named<QPushButton>("Command1", this);
    ptt_ = new QPushButton(QStringLiteral("PTT"), this);
    ptt_->setObjectName(QStringLiteral("Command2"));
    ok_ = Named<QPushButton>("Command3", this);
    cancel_ = Named<QPushButton>("Command4", this);
    lamp_ = new Lamp(QStringLiteral("Picture1"), this);
    lamp_->setColor(QStringLiteral("green"));
    restore_ = Named<QPushButton>("Command5", this);
    reason_ = Named<QLabel>("LabelReason", this);
    reason_->setWordWrap(true);
    curve_ = new TuneCurve(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lamp_);
    for (auto* b : {start_, ptt_, ok_, cancel_, restore_})
        buttons->addWidget(b);
    auto* top = new QHBoxLayout;
    top->addWidget(tabs_, 1);
    top->addWidget(curve_);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(level_);
    main->addWidget(reason_);
    main->addLayout(buttons);

    connect(tabs_, &QTabWidget::currentChanged, this, &FrmTestModePara::onTabChanged);
    connect(start_, &QPushButton::clicked, this, &FrmTestModePara::onStart);
    connect(ptt_, &QPushButton::clicked, this, &FrmTestModePara::onPtt);
    connect(ok_, &QPushButton::clicked, this, &FrmTestModePara::onOk);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(restore_, &QPushButton::clicked, this, &FrmTestModePara::onRestore);
}

void FrmTestModePara::showFrequencies() {
    const auto& st = host_.state();
    QString rx0, tx0;
    const auto k = static_cast<std::size_t>(st.TestChannel - 1);
    if (st.TestChannel >= 1 && k < st.RadioTestFres.size()) {
        rx0 = QString::fromStdString(rv::StorageToFreq(ctx_.session, st.RadioTestFres[k].RxFreq));
        tx0 = QString::fromStdString(rv::StorageToFreq(ctx_.session, st.RadioTestFres[k].TxFreq));
    }
    for (std::size_t i : {std::size_t{0}, std::size_t{LevelIndex}}) {
        rxFreq_[i]->setText(rx0);
        txFreq_[i]->setText(tx0);
    }
    for (int tab = 1; tab <= 5; ++tab) {
        const auto i = static_cast<std::size_t>(tab);
        rxFreq_[i]->setText(Mhz(pointMhz(tab, 0.05)));
        txFreq_[i]->setText(Mhz(pointMhz(tab, 0.1)));
    }
}

double FrmTestModePara::pointMhz(int tab, double offset) const {
    // Five points across the band, each just inside its fifth; High just under the band's top.
    const double low = ctx_.session.BandLow;
    const double high = ctx_.session.BandHigh;
    if (tab == 5) return high - offset;
    return low + (tab - 1) * (high - low) / 4 + offset;
}

bool FrmTestModePara::tabVisible(int tab) const {
    const int count = rv::link::TunePointCount(item_, host_.state().WideMode);
    const auto points = rv::link::PointsOfCount(count);
    return std::find(points.begin(), points.end(), tab) != points.end();
}

void FrmTestModePara::showFrame() {
    const bool level = levelLayout();
    tabs_->setVisible(!level);
    ptt_->setVisible(!level);
    lamp_->setVisible(!level);
    level_->setVisible(level);
    start_->setVisible(level);
    for (int tab = 0; tab < 6; ++tab)
        tabs_->setTabVisible(tab, tabVisible(tab));
    curve_->setVisible(hasCurve());
}

bool FrmTestModePara::hasCurve() const {
    return !levelLayout() && rv::link::TunePointCount(item_, host_.state().WideMode) >= 4;
}

void FrmTestModePara::showCurve() {
    if (!hasCurve()) return;
    const auto& values = host_.state().TuneValues;
    TuneCurve::Points now{}, kept{};
    for (int pt = 1; pt <= 5; ++pt) {
        const auto i = static_cast<std::size_t>(pt - 1);
        const bool shown = tabVisible(pt);
        now[i] = shown ? values[static_cast<std::size_t>(pt)] : -1;
        const int at = rv::link::TuneBlockIndex(item_, pt);
        kept[i] = shown && kept_ && at >= 0 ? kept_->block[static_cast<std::size_t>(at)] : -1;
    }
    curve_->setNow(now);
    curve_->setKept(kept_ ? std::optional<TuneCurve::Points>(kept) : std::nullopt);
    TuneCurve::Frequencies mhz{};
    for (int pt = 1; pt <= 5; ++pt)
        mhz[static_cast<std::size_t>(pt - 1)] = pointMhz(pt, 0.05);
    curve_->setFrequencies(mhz);
}

void FrmTestModePara::setCaptions() {
    setWindowTitle(ui::Tr(ctx_, rv::link::TuneItemName(item_)));
    for (int tab = 0; tab < 6; ++tab)
        tabs_->setTabText(tab, ui::Tr(ctx_, rv::jobs::PointName(tab)));
    start_->setText(ui::Tr(ctx_, StartCaption));
    ok_->setText(ui::Tr(ctx_, OkCaption));
    cancel_->setText(ui::Tr(ctx_, CancelCaption));
    restore_->setText(ui::Tr(ctx_, RestoreCaption));
    curve_->setCaptions(ui::Tr(ctx_, FrequencyAxis), ui::Tr(ctx_, ValueAxis),
                        ui::Tr(ctx_, RadioLegend), ui::Tr(ctx_, KeptLegend));
    for (std::size_t i = 0; i < rxLabels_.size(); ++i) {
        rxLabels_[i]->setText(ui::Tr(ctx_, RxCaption));
        txLabels_[i]->setText(ui::Tr(ctx_, TxCaption));
    }
}

void FrmTestModePara::showFirstValues() {
    const int v = host_.state().TunePoints.Value[0];
    const std::size_t i = levelLayout() ? LevelIndex : 0;
    if (!levelLayout()) {
        // Programmatic changes are not user actions: nothing is read or sent for them.
        const QSignalBlocker tabs(tabs_);
        tabs_->setCurrentIndex(0);
        const QSignalBlocker slider(sliders_[0]);
        sliders_[0]->setValue(v);
    }
    shownTab_ = 0;
    bars_[i]->setValue(v);
    texts_[i]->setText(QString::number(v));
}

void FrmTestModePara::ShowData() {
    const auto& values = host_.state().TuneValues;
    if (levelLayout()) {
        bars_[LevelIndex]->setValue(values[0]);
        texts_[LevelIndex]->setText(QString::number(bars_[LevelIndex]->value()));
        return;
    }
    const int t = tabs_->currentIndex();
    const auto i = static_cast<std::size_t>(t);
    {
        const QSignalBlocker block(sliders_[i]);
        sliders_[i]->setValue(values[i]);
    }
    bars_[i]->setValue(sliders_[i]->value());
    texts_[i]->setText(QString::number(sliders_[i]->value()));
    showCurve();
}

void FrmTestModePara::onSlider(int tab, int value) {
    if (!host_.active()) {
        // Nothing goes out on a closed port: the slider goes back to what the radio has.
        putBack(tab, ui::Tr(ctx_, PortClosed).arg(value));
        return;
    }
    reason_->clear();
    auto& values = host_.state().TuneValues;
    const auto t = static_cast<std::size_t>(tab);
    // Only the point moved is sent, so only it changes on the chart.
    values[t] = value;
    bars_[t]->setValue(sliders_[t]->value());
    texts_[t]->setText(QString::number(sliders_[t]->value()));
    host_.engine().WriteTunePoint(tab, item_, sliders_[t]->value());
    showCurve();
}

void FrmTestModePara::onValueTyped(int tab) {
    const auto t = static_cast<std::size_t>(tab);
    const QString text = texts_[t]->text().trimmed();
    if (text == QString::number(sliders_[t]->value())) return;
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok) return putBack(tab, ui::Tr(ctx_, NotANumber).arg(text.left(12)));
    if (v < 0 || v > 255) return putBack(tab, ui::Tr(ctx_, OutOfRange).arg(v));
    reason_->clear();
    sliders_[t]->setValue(v); // sends it, as a slider move does
    texts_[t]->setText(QString::number(sliders_[t]->value()));
}

void FrmTestModePara::putBack(int tab, const QString& reason) {
    const auto t = static_cast<std::size_t>(tab);
    const int radio = bars_[t]->value(); // the value last sent or read
    {
        const QSignalBlocker block(sliders_[t]);
        sliders_[t]->setValue(radio);
    }
    texts_[t]->setText(QString::number(radio));
    reason_->setText(reason);
}

void FrmTestModePara::onRestore() {
    rv::jobs::AlignmentRecord kept;
    if (!ChooseKeptAlignment(ctx_, host_, this, &kept)) return;
    kept_ = kept;
    showCurve();
    auto* d = new FrmAlignmentRestore(ctx_, host_, kept, this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setModal(true);
    d->show();
}

void FrmTestModePara::onTabChanged(int tab) {
    if (tab == shownTab_ || tab < 0) return;
    shownTab_ = tab;
    ShowData();
    host_.engine().ReadTunePoint(tab, item_);
}

void FrmTestModePara::onStart() {
    if (timerGetPara_.isActive()) {
        timerGetPara_.stop();
        lamp_->setColor(QStringLiteral("green"));
    } else {
        timerGetPara_.start();
        lamp_->setColor(QStringLiteral("yellow"));
    }
}

void FrmTestModePara::poll() {
    // A poll goes out only when everything before it has been answered. While the radio
    // is silent, and so while "Check Connection" is asked, the ticks queue nothing: one
    // dead radio must not fill the list with polls.
    if (!host_.engine().sendList().empty()) return;
    host_.engine().PollTuneValue(item_);
}

void FrmTestModePara::onPtt() {
    pttReleased_ = !pttReleased_;
    lamp_->setColor(pttReleased_ ? QStringLiteral("green") : QStringLiteral("red"));
    host_.engine().SetPtt(pttReleased_);
}

void FrmTestModePara::onOk() {
    host_.engine().StoreTunePoint(tabs_->currentIndex(), item_);
}

void FrmTestModePara::done(int r) {
    if (!unloaded_) {
        unloaded_ = true;
        timerGetPara_.stop();
        if (!pttReleased_) host_.engine().SetPtt(true);
        // The points go back to what the radio held at opening; stored points stay stored.
        host_.engine().WriteBackTuning(item_);
    }
    QDialog::done(r);
}

bool FrmTestModePara::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QDialog::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        focusNextChild();
        return true;
    }
    if (k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Paste) ||
        k->matches(QKeySequence::Cut))
        return true;
    const QString t = k->text();
    if (t.isEmpty()) return false;
    const QChar c = t.at(0);
    if (c.unicode() > 127) return true;
    return c.isPrint() && !c.isDigit();
}

void LoadDemoTuning(TestModeHost& host, int item) {
    // A bench alignment as kept on entry, and the same radio a few steps into tuning.
    rv::link::Bytes kept(TuneBlockBytes);
    for (std::size_t i = 0; i < kept.size(); ++i)
        kept[i] = static_cast<std::uint8_t>(0x70 + (i % 6) * 6);
    auto& st = host.state();
    st.EntryBlock = kept;
    st.TuneItem = item;
    rv::link::Bytes now = kept;
    for (int pt : {2, 3})
        if (const int at = rv::link::TuneBlockIndex(item, pt); at >= 0)
            now[static_cast<std::size_t>(at)] =
                static_cast<std::uint8_t>(now[static_cast<std::size_t>(at)] + 9 * pt);
    host.engine().StoreTuneBlock(now);
    host.engine().LoadTuneItem();
}

} // namespace rv::service
