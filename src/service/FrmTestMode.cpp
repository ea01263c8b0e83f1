#include "FrmTestMode.h"

#include "FrmTestModePara.h"
#include "Lamp.h"
#include "TestModeHost.h"
#include "data/Conversions.h"
#include "ui/AppContext.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rv::service {

namespace {

using rv::LangText;

struct Captions {
    LangText title{"Test Mode", "测试模式"};
    LangText channelGroup{"Test Channel", "测试信道"};
    LangText signalGroup{"Test Signalling", "测试信令"};
    LangText channelNo{"Channel No.", "信道编号"};
    LangText signalling{"Signalling", "信令"};
    LangText rx{"RX", "接收"};
    LangText tx{"TX", "发射"};
    LangText wide{"&Wide", "宽带(&W)"};
    LangText narrow{"&Narrow", "窄带(&N)"};
    LangText ptt{"&PTT", "&PTT"};
    LangText tune{"&Tuning", "调协模式(&T)"};
    LangText close{"&Close", "关闭(&C)"};
    LangText print{"p&Rint", "打印(&R)"};
};
const Captions Cap;

const LangText None{"None", "无"};

/// Test signalling 1 to 9: receive and transmit names.
struct SignalRow {
    LangText rx, tx;
};
const SignalRow Signals[] = {
    {None, None},
    {None, {"100Hz SW", "100Hz SW"}},
    {{"QT 67.0Hz", "QT 67.0Hz"}, {"QT 67.0Hz", "QT 67.0Hz"}},
    {{"QT 151.4Hz", "QT 151.4Hz"}, {"QT 151.4Hz", "QT 151.4Hz"}},
    {{"QT 250.3Hz", "QT 250.3Hz"}, {"QT 250.3Hz", "QT 250.3Hz"}},
    {{"DQT D023N", "DQT D023N"}, {"DQT D023N", "DQT D023N"}},
    {{"DQT D754I", "DQT D754I"}, {"DQT D754I", "DQT D754I"}},
    {{"DTMF DEC(159D)", "DTMF DEC(159D)"}, {"DTMF DEC(159D)", "DTMF DEC(159D)"}},
    {None, {"DTMF TONE 9", "DTMF 音调 9"}},
};

} // namespace

FrmTestMode::FrmTestMode(ui::AppContext& ctx, TestModeHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), host_(host) {
    setObjectName(QStringLiteral("FrmTestMode"));
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    connect(&host_, &TestModeHost::tuningWindowDue, this, &FrmTestMode::openTuningWindow);

    // Loading.
    items_->clearSelection();
    auto& st = host_.state();
    st.TestChannel = 1;
    st.TestSignal = 1;
    fillLists();
    for (int i : {1, 3, 5})
        lamps_[static_cast<std::size_t>(i)]->setLit(false);
    tune_->setEnabled(false);
    setCaptions();
    showKey(st.PttReleased);
    lamps_[4]->setLit(st.WideMode);
    lamps_[5]->setLit(!st.WideMode);
    showChannel(0);
    showSignal(1);
}

FrmTestMode::~FrmTestMode() = default;

void FrmTestMode::build() {
    channel_ = Named<QComboBox>("Combo1_0", this);
    signal_ = Named<QComboBox>("Combo1_1", this);
    channelGroup_ = new QGroupBox(this);
    signalGroup_ = new QGroupBox(this);
    channelLabel_ = Named<QLabel>("LabelChannelNo", channelGroup_);
    signalLabel_ = Named<QLabel>("LabelSignalling", signalGroup_);
    channelRx_ = Named<QLabel>("LabelChannelRx", channelGroup_);
    channelTx_ = Named<QLabel>("LabelChannelTx", channelGroup_);
    signalRx_ = Named<QLabel>("LabelSignalRx", signalGroup_);
    signalTx_ = Named<QLabel>("LabelSignalTx", signalGroup_);
    for (std::size_t i = 0; i < rxTxLabels_.size(); ++i)
        rxTxLabels_[i] = new QLabel(i < 2 ? static_cast<QWidget*>(channelGroup_) : signalGroup_);

    auto group = [](QGroupBox* g, QLabel* name, QComboBox* box, QLabel* rx, QLabel* rxValue,
                    QLabel* tx, QLabel* txValue) {
        auto* grid = new QGridLayout(g);
        grid->addWidget(name, 0, 0);
        grid->addWidget(box, 0, 1);
        grid->addWidget(rx, 1, 0);
        grid->addWidget(rxValue, 1, 1);
        grid->addWidget(tx, 2, 0);
        grid->addWidget(txValue, 2, 1);
    };
    group(channelGroup_, channelLabel_, channel_, rxTxLabels_[0], channelRx_, rxTxLabels_[1],
          channelTx_);
    group(signalGroup_, signalLabel_, signal_, rxTxLabels_[2], signalRx_, rxTxLabels_[3],
          signalTx_);

    items_ = Named<QListWidget>("List1", this);
    items_->setSelectionMode(QAbstractItemView::SingleSelection);

    wide_ = Named<QPushButton>("CommandWide", this);
    narrow_ = Named<QPushButton>("CommandNarrow", this);
    ptt_ = Named<QPushButton>("CommandPTT", this);
    ptt_->setCheckable(true);
    tune_ = Named<QPushButton>("CommandTune", this);
    print_ = Named<QPushButton>("CommandPrint", this);
    close_ = Named<QPushButton>("CommandClose", this);

    auto* lampRow = new QHBoxLayout;
    for (std::size_t i = 0; i < lamps_.size(); ++i) {
        lamps_[i] = new Lamp(QStringLiteral("Picture1_%1").arg(i), this);
        lampRow->addWidget(lamps_[i]);
    }
    auto* buttons = new QVBoxLayout;
    for (auto* b : {wide_, narrow_, ptt_, tune_, print_, close_})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(channelGroup_);
    left->addWidget(signalGroup_);
    left->addLayout(lampRow);
    auto* main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addWidget(items_);
    main->addLayout(buttons);

    connect(channel_, &QComboBox::activated, this, &FrmTestMode::onChannelChosen);
    connect(signal_, &QComboBox::activated, this, &FrmTestMode::onSignalChosen);
    connect(wide_, &QPushButton::clicked, this, [this] { setBand(true); });
    connect(narrow_, &QPushButton::clicked, this, [this] { setBand(false); });
    connect(ptt_, &QPushButton::clicked, this, &FrmTestMode::onPtt);
    connect(items_, &QListWidget::currentRowChanged, this, &FrmTestMode::onItemChosen);
    connect(tune_, &QPushButton::clicked, this, &FrmTestMode::onTune);
    connect(print_, &QPushButton::clicked, this, &FrmTestMode::TestModeUnSetPTT);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void FrmTestMode::setCaptions() {
    auto tr = [this](const LangText& t) { return ui::Tr(ctx_, t); };
    setWindowTitle(tr(Cap.title));
    channelGroup_->setTitle(tr(Cap.channelGroup));
    signalGroup_->setTitle(tr(Cap.signalGroup));
    channelLabel_->setText(tr(Cap.channelNo));
    signalLabel_->setText(tr(Cap.signalling));
    for (std::size_t i = 0; i < rxTxLabels_.size(); ++i)
        rxTxLabels_[i]->setText(tr(i % 2 == 0 ? Cap.rx : Cap.tx));
    wide_->setText(tr(Cap.wide));
    narrow_->setText(tr(Cap.narrow));
    ptt_->setText(tr(Cap.ptt));
    tune_->setText(tr(Cap.tune));
    close_->setText(tr(Cap.close));
    print_->setText(tr(Cap.print));
    items_->clear();
    for (int item = 1; item <= rv::link::TuneItemCount; ++item)
        items_->addItem(tr(rv::link::TuneItemName(item)));
}

void FrmTestMode::fillLists() {
    channel_->clear();
    for (const auto& r : host_.state().RadioTestFres)
        channel_->addItem(QString::number(r.No));
    signal_->clear();
    for (int n = 1; n <= 9; ++n)
        signal_->addItem(QString::number(n));
    channel_->setCurrentIndex(channel_->count() > 0 ? 0 : -1);
    signal_->setCurrentIndex(0);
}

void FrmTestMode::showChannel(int position) {
    const auto& list = host_.state().RadioTestFres;
    if (position < 0 || position >= static_cast<int>(list.size())) {
        channelRx_->clear();
        channelTx_->clear();
        return;
    }
    const auto& r = list[static_cast<std::size_t>(position)];
    channelRx_->setText(QString::fromStdString(rv::StorageToFreq(ctx_.session, r.RxFreq)));
    channelTx_->setText(QString::fromStdString(rv::StorageToFreq(ctx_.session, r.TxFreq)));
}

void FrmTestMode::showSignal(int number) {
    const auto& row = Signals[std::clamp(number, 1, 9) - 1];
    signalRx_->setText(ui::Tr(ctx_, row.rx));
    signalTx_->setText(ui::Tr(ctx_, row.tx));
}

void FrmTestMode::showKey(bool released) {
    lamps_[0]->setLit(released);
    lamps_[2]->setLit(released);
    lamps_[1]->setLit(!released);
    lamps_[3]->setLit(!released);
    lamps_[6]->setColor(released ? QStringLiteral("green") : QStringLiteral("red"));
    ptt_->setChecked(!released);
}

void FrmTestMode::TestModeUnSetPTT() {
    auto& st = host_.state();
    if (st.PttReleased) return;
    st.PttReleased = true;
    showKey(true);
    host_.engine().SetPtt(true);
}

void FrmTestMode::onChannelChosen(int index) {
    auto& st = host_.state();
    if (index < 0 || index + 1 == st.TestChannel) return;
    st.TestChannel = index + 1;
    showChannel(index);
    TestModeUnSetPTT();
    host_.engine().SelectTestChannel(channel_->itemText(index).toInt());
}

void FrmTestMode::onSignalChosen(int index) {
    auto& st = host_.state();
    if (index < 0 || index + 1 == st.TestSignal) return;
    st.TestSignal = index + 1;
    showSignal(st.TestSignal);
    TestModeUnSetPTT();
    host_.engine().SelectTestSignal(st.TestSignal);
}

void FrmTestMode::setBand(bool wide) {
    host_.state().WideMode = wide;
    lamps_[4]->setLit(wide);
    lamps_[5]->setLit(!wide);
    if (!wide) return host_.engine().SetNarrow(); // the key stays as it is
    TestModeUnSetPTT();
    host_.engine().SetWide();
}

void FrmTestMode::onPtt() {
    auto& st = host_.state();
    st.PttReleased = !st.PttReleased;
    showKey(st.PttReleased);
    host_.engine().SetPtt(st.PttReleased);
}

void FrmTestMode::onItemChosen(int row) {
    if (row < 0) return;
    tune_->setEnabled(true);
    host_.state().TuneItem = row + 1;
    if (row != selectedRow_) {
        items_->setCurrentRow(row);
        selectedRow_ = row;
    }
}

void FrmTestMode::onTune() {
    TestModeUnSetPTT();
    host_.engine().OpenTuning(host_.state().TuneItem);
}

void FrmTestMode::openTuningWindow() {
    if (para_) return;
    para_ = new FrmTestModePara(ctx_, host_, host_.state().TuneItem, this);
    para_->setAttribute(Qt::WA_DeleteOnClose);
    para_->setModal(true);
    para_->show();
}

void FrmTestMode::closeEvent(QCloseEvent* e) {
    if (para_) para_->close();
    // Leaving releases a key that is down, resends the chosen signalling and ends test mode.
    host_.leave();
    e->accept();
}

} // namespace rv::service
