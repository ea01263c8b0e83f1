#include "FrmSetComm.h"

#include "Captions.h"
#include "DialogKit.h"
#include "RadioJob.h"
#include "jobs/FleetTexts.h"
#include "jobs/PortFinder.h"
#include "link/SerialPort.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"
#include "ui/RadioPort.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cerrno>

namespace rv::app {

using rv::jobs::PortTexts;

namespace {

constexpr int PortButtons = 8;
constexpr int SimIndex = PortButtons;
constexpr int OtherIndex = PortButtons + 1;

const QString OtherDeviceKey = QStringLiteral("Settings/OtherDevice");

} // namespace

QString RememberedOtherDevice() {
    return ProgramSettings().value(OtherDeviceKey).toString();
}

FrmSetComm::FrmSetComm(ui::AppContext& ctx, QWidget* parent,
                       const QList<rv::link::PortEntry>& ports, rv::link::OpenCheck openCheck)
    : QDialog(parent), ctx_(ctx), openCheck_(std::move(openCheck)) {
    setObjectName(QStringLiteral("FrmSetComm"));
    const QString title = ui::Tr(ctx_, CaptionOf(Cap::CommPortTitle));
    setWindowTitle(title);
    auto* frame = new QGroupBox(title);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    buildPortRows(grid);

    auto* tools = new QHBoxLayout;
    refresh_ = NamedButton(ctx_, PortTexts::Refresh, "cmdRefresh");
    find_ = NamedButton(ctx_, PortTexts::FindRadio, "cmdFindRadio");
    tools->addWidget(refresh_);
    tools->addWidget(find_);
    tools->addStretch();
    connect(refresh_, &QPushButton::clicked, this, &FrmSetComm::refresh);
    connect(find_, &QPushButton::clicked, this, &FrmSetComm::findRadio);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = OkCancelButtons(ctx_, *this, true);
    ok_ = buttons;
    connect(buttons, &QDialogButtonBox::accepted, this, &FrmSetComm::onOk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(tools);
    layout->addWidget(status_);
    layout->addWidget(buttons);

    showPorts(ports);
    // The current choice stays selected even when its device has gone, so that OK keeps it.
    const int current = ctx_.CommPort == 0                     ? SimIndex
                        : ctx_.CommPort == ui::OtherDevicePort ? OtherIndex
                                                               : ctx_.CommPort - 1;
    if (QRadioButton* option = options_.value(current)) option->setChecked(true);
}

void FrmSetComm::buildPortRows(QGridLayout* grid) {
    const QString prefix = ui::Tr(ctx_, CaptionOf(Cap::PortPrefix));
    for (int i = 0; i < PortButtons; ++i) {
        auto* option = new QRadioButton(prefix + QString::number(i + 1));
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        auto* details = new QLabel;
        details->setObjectName(QStringLiteral("Details_%1").arg(i));
        options_ << option;
        details_ << details;
        grid->addWidget(option, i, 0);
        grid->addWidget(details, i, 1);
    }
    auto* sim = new QRadioButton(ui::Tr(ctx_, CaptionOf(Cap::SimulatedRadio)));
    sim->setObjectName(QStringLiteral("OptionSim"));
    auto* other = new QRadioButton(ui::Tr(ctx_, PortTexts::OtherDevice));
    other->setObjectName(QStringLiteral("OptionOther"));
    otherPath_ =
        new QLineEdit(ctx_.CommDevice.isEmpty() ? RememberedOtherDevice() : ctx_.CommDevice);
    otherPath_->setObjectName(QStringLiteral("txtOtherDevice"));
    otherPath_->setPlaceholderText(QStringLiteral("/dev/rfcomm0"));
    connect(otherPath_, &QLineEdit::textEdited, other, [other] { other->setChecked(true); });
    options_ << sim << other;
    grid->addWidget(sim, PortButtons, 0, 1, 2);
    grid->addWidget(other, PortButtons + 1, 0);
    grid->addWidget(otherPath_, PortButtons + 1, 1);
}

void FrmSetComm::showPorts(const QList<rv::link::PortEntry>& ports) {
    ports_ = ports;
    const QString prefix = ui::Tr(ctx_, CaptionOf(Cap::PortPrefix));
    for (int i = 0; i < PortButtons; ++i) {
        options_[i]->setEnabled(false);
        options_[i]->setText(prefix + QString::number(i + 1));
        options_[i]->setToolTip({});
        details_[i]->clear();
    }
    for (const auto& port : ports) {
        if (port.number < 1 || port.number > PortButtons) continue;
        QRadioButton* option = options_[port.number - 1];
        option->setEnabled(true);
        option->setText(option->text() + QStringLiteral("  (") + port.device + QLatin1Char(')'));
        option->setToolTip(port.description);
        details_[port.number - 1]->setText(rv::link::PortDetails(port));
    }
    status_->clear();
    showPermissionAdvice();
}

void FrmSetComm::showPermissionAdvice() {
    // Only when there are ports and every one of them is closed to the user.
    if (ports_.isEmpty()) return;
    const auto check = openCheck_ ? openCheck_ : rv::link::AccessErrnoOf;
    for (const auto& port : ports_) {
        const int why = check(port.device);
        if (why != EACCES && why != EPERM) return;
    }
    status_->setText(
        rv::jobs::PermissionAdvice(rv::jobs::SerialGroupOf(ports_.first().device), ctx_.lang()));
}

void FrmSetComm::setPortSource(std::function<QList<rv::link::PortEntry>()> source) {
    portSource_ = std::move(source);
}

void FrmSetComm::refresh() {
    showPorts(portSource_());
}

QString FrmSetComm::status() const {
    return status_->text();
}

bool FrmSetComm::acceptOtherDevice() {
    const QString path = otherPath_->text().trimmed();
    if (path.isEmpty()) {
        ui::Tell(ctx_, this, ui::Tr(ctx_, PortTexts::NoPath), rv::MsgIcon::Exclamation);
        return false;
    }
    // Checked by opening it, as the transfer will; nothing is sent.
    if (const int why = openCheck_ ? openCheck_(path) : 0) {
        ui::TellCannotOpenPort(ctx_, this, rv::link::OpenFailureReasonOf(why, ctx_.lang()));
        return false;
    }
    rv::link::SerialPort port;
    QString error;
    if (!port.open(path, ctx_.lang(), &error)) {
        ui::Tell(ctx_, this, error, rv::MsgIcon::Error);
        return false;
    }
    ctx_.CommDevice = path;
    ProgramSettings().setValue(OtherDeviceKey, path);
    return true;
}

void FrmSetComm::onOk() {
    for (int i = 0; i < options_.size(); ++i) {
        if (!options_[i]->isChecked()) continue;
        if (i == OtherIndex && !acceptOtherDevice()) return;
        ctx_.CommPort = i < PortButtons ? i + 1 : i == SimIndex ? 0 : ui::OtherDevicePort;
        break;
    }
    accept();
}

} // namespace rv::app
