#include "FrmFleet.h"

#include "Captions.h"
#include "DialogKit.h"
#include "FleetPlanTable.h"
#include "RadioJob.h"
#include "data/Catalogue.h"
#include "data/FleetRules.h"
#include "jobs/FleetTexts.h"
#include "link/PortList.h"
#include "link/SerialPort.h"
#include "sim/SimFleet.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"
#include "ui/RadioPort.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace rv::app {

using rv::jobs::FleetTexts;

namespace {

// The settings that can differ from radio to radio: those of the settings windows; not the
// channel table or the lists, nor what other commands change (model, radio information).
std::vector<PerRadioKey> PerRadioKeys(int language) {
    std::vector<PerRadioKey> keys;
    // Every key the command line takes per radio, PF keys and message lines included.
    for (const auto& row : rv::Catalogue()) {
        if (!row.commit || !rv::PerRadioKeyRefusal(row.key, language).empty()) continue;
        keys.push_back({row.key, QString::fromStdString(rv::InLanguage(row.area, language) + " / " +
                                                        rv::LabelOf(row, language))});
    }
    return keys;
}

} // namespace

FrmFleet::FrmFleet(ui::AppContext& ctx, const QList<rv::jobs::ProbeTarget>& ports, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FrmFleet"));
    setWindowTitle(ui::Tr(ctx_, FleetTexts::Title));
    // Backup and verify as chosen in the Setup menu; each port answers its own questions.
    options_.write = JobOptions();
    perRadio_ = new FleetPlanTable(ctx_, PerRadioKeys(ctx_.session.CurLanguage));
    table_ = new QTableWidget(0, ColumnCount);
    table_->setObjectName(QStringLiteral("grdPorts"));
    table_->setHorizontalHeaderLabels(
        {ui::Tr(ctx_, FleetTexts::Port), ui::Tr(ctx_, FleetTexts::Progress),
         ui::Tr(ctx_, FleetTexts::Serial), ui::Tr(ctx_, FleetTexts::Result)});
    table_->horizontalHeader()->setSectionResizeMode(ResultColumn, QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();

    repeat_ = new QCheckBox(ui::Tr(ctx_, FleetTexts::Repeat));
    repeat_->setObjectName(QStringLiteral("chkRepeat"));
    count_ = new QSpinBox;
    count_->setObjectName(QStringLiteral("spnCount"));
    count_->setRange(0, 100000);
    count_->setSpecialValueText(ui::Tr(ctx_, FleetTexts::CountNone));
    count_->setSuffix(ui::Tr(ctx_, FleetTexts::CountSuffix));
    count_->setEnabled(false);
    connect(repeat_, &QCheckBox::toggled, count_, &QSpinBox::setEnabled);
    start_ = NamedButton(ctx_, FleetTexts::Start, "cmdStart");
    stop_ = NamedButton(ctx_, FleetTexts::Stop, "cmdStop");
    addSim_ = NamedButton(ctx_, FleetTexts::AddSim, "cmdAddSim");
    auto* saveLog = NamedButton(ctx_, FleetTexts::SaveLog, "cmdSaveLog");
    auto* close = NamedButton(ctx_, CaptionOf(Cap::Close), "cmdClose");
    auto* help = NamedButton(ctx_, CaptionOf(Cap::Help), "CommandHelp");
    portName_ = new QLineEdit;
    portName_->setObjectName(QStringLiteral("txtPort"));
    portName_->setPlaceholderText(ui::Tr(ctx_, FleetTexts::PortHint));
    portName_->setMinimumWidth(
        portName_->fontMetrics().horizontalAdvance(QStringLiteral("/dev/ttyUSB00")) * 2);
    auto* addPortButton = NamedButton(ctx_, FleetTexts::AddPort, "cmdAddPort");
    const auto addTyped = [this] {
        if (addPort(portName_->text().trimmed())) portName_->clear();
    };
    connect(addPortButton, &QPushButton::clicked, this, addTyped);
    connect(portName_, &QLineEdit::returnPressed, this, addTyped);
    stop_->setEnabled(false);
    connect(start_, &QPushButton::clicked, this, &FrmFleet::startFleet);
    connect(stop_, &QPushButton::clicked, this, &FrmFleet::stopFleet);
    connect(addSim_, &QPushButton::clicked, this, &FrmFleet::addSimulatedRadio);
    connect(saveLog, &QPushButton::clicked, this, &FrmFleet::chooseLogFile);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    log_ = new QPlainTextEdit;
    log_->setObjectName(QStringLiteral("txtLog"));
    log_->setReadOnly(true);
    auto* row = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{start_, stop_, addSim_, repeat_, count_, portName_,
                                         addPortButton, nullptr, saveLog, close, help})
        w ? row->addWidget(w) : row->addStretch(); // the stretch parts the two groups
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 2);
    layout->addWidget(perRadio_, 1);
    layout->addLayout(row);
    layout->addWidget(log_, 1);
    for (const auto& port : ports)
        addPortRow(port, false);
    // The device the program was started with (--port) is offered as well.
    if (ctx_.CommPort == ui::OtherDevicePort && !ctx_.CommDevice.isEmpty()) {
        const bool listed = std::any_of(ports_.begin(), ports_.end(), [this](const auto& p) {
            return p.device == ctx_.CommDevice;
        });
        if (!listed) addPortRow({ctx_.CommDevice, ctx_.CommDevice}, false);
    }
    connect(table_, &QTableWidget::itemChanged, this, &FrmFleet::countTickedPorts);
    // Wide enough for the button row in either language.
    resize(std::max(960, sizeHint().width()), 600);
}

FrmFleet::~FrmFleet() {
    // The stations close their ports before the simulated radios behind them go.
    stations_.clear();
}

void FrmFleet::addPortRow(const rv::jobs::ProbeTarget& target, bool checked) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    ports_ << target;
    auto* port =
        new QTableWidgetItem(target.port == target.device ? target.device
                                                          : target.port + QStringLiteral("  (") +
                                                                target.device + QLatin1Char(')'));
    port->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    port->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    table_->setItem(row, PortColumn, port);
    auto* bar = new QProgressBar;
    bar->setRange(0, 100);
    bar->setValue(0);
    table_->setCellWidget(row, ProgressColumn, bar);
    table_->setItem(row, SerialColumn, new QTableWidgetItem);
    table_->setItem(row, ResultColumn, new QTableWidgetItem);
    table_->resizeColumnToContents(PortColumn);
    countTickedPorts();
}

void FrmFleet::countTickedPorts() {
    // A pattern fills a row of the Per radio table for each ticked port.
    int ticked = 0;
    for (int row = 0; row < table_->rowCount(); ++row)
        if (table_->item(row, PortColumn) &&
            table_->item(row, PortColumn)->checkState() == Qt::Checked)
            ++ticked;
    if (perRadio_) perRadio_->setRadioCount(ticked);
}

bool FrmFleet::addSimulatedRadio() {
    std::string error;
    auto sim = rv::sim::StartFleetSim(static_cast<int>(sims_.size()), true, &error);
    if (!sim) {
        ui::Tell(ctx_, this, QString::fromStdString(error), rv::MsgIcon::Error);
        return false;
    }
    const QString device = QString::fromStdString(sim->devicePath());
    sims_.push_back(std::move(sim));
    addPortRow(
        {ui::Tr(ctx_, CaptionOf(Cap::SimulatedRadio)) + QStringLiteral(" %1").arg(sims_.size()),
         device},
        true);
    return true;
}

bool FrmFleet::addPort(const QString& named) {
    if (named == rv::link::SimPortName) return addSimulatedRadio();
    const int language = ctx_.lang();
    QString error;
    const QString device = rv::link::ResolvePort(named, &error, language);
    const int why = device.isEmpty() ? 0 : rv::link::AccessErrnoOf(device);
    if (device.isEmpty() || why != 0) {
        // The two lines `--port` and Find Radio give for the same name.
        ui::TellCannotOpenPort(ctx_, this,
                               why != 0 ? rv::link::OpenFailureReasonOf(why, language) : error);
        return false;
    }
    for (int row = 0; row < ports_.size(); ++row) {
        if (ports_[row].device != device) continue;
        table_->item(row, PortColumn)->setCheckState(Qt::Checked);
        return true;
    }
    addPortRow({named, device}, true);
    return true;
}

void FrmFleet::setTiming(int replyMs, int pollMs) {
    options_.replyMs = replyMs;
    options_.pollMs = pollMs;
}

QString FrmFleet::logText() const {
    return log_->toPlainText();
}

} // namespace rv::app
