#include "FrmSetComm.h"

#include "Captions.h"
#include "DialogKit.h"
#include "kit/AppContext.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

constexpr int PortButtons = 8;

} // namespace

FrmSetComm::FrmSetComm(AppContext& ctx, QWidget* parent, const QList<rv::link::PortEntry>& ports)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FrmSetComm"));
    const QString title = Tr(ctx_, CaptionOf(Cap::CommPortTitle));
    setWindowTitle(title);
    auto* frame = new QGroupBox(title);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* column = new QVBoxLayout(frame);
    const QString prefix = Tr(ctx_, CaptionOf(Cap::PortPrefix));
    for (int i = 0; i < PortButtons; ++i) {
        auto* option = new QRadioButton(prefix + QString::number(i + 1));
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setEnabled(false);
        options_ << option;
        column->addWidget(option);
    }
    for (const auto& port : ports) {
        if (port.number < 1 || port.number > PortButtons) continue;
        QRadioButton* option = options_[port.number - 1];
        option->setEnabled(true);
        option->setText(option->text() + QStringLiteral("  (") + port.device + QLatin1Char(')'));
        option->setToolTip(port.description);
    }
    auto* sim = new QRadioButton(Tr(ctx_, CaptionOf(Cap::SimulatedRadio)));
    sim->setObjectName(QStringLiteral("OptionSim"));
    options_ << sim;
    column->addWidget(sim);

    auto* buttons = OkCancelButtons(ctx_, *this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FrmSetComm::onOk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);

    // The current choice stays selected even when its device has gone, so that OK keeps it.
    QRadioButton* current = ctx_.CommPort == 0 ? sim : options_.value(ctx_.CommPort - 1);
    if (current) current->setChecked(true);
}

void FrmSetComm::onOk() {
    for (int i = 0; i < options_.size(); ++i) {
        if (!options_[i]->isChecked()) continue;
        ctx_.CommPort = i < PortButtons ? i + 1 : 0;
        ctx_.portDevice.clear();
        break;
    }
    accept();
}

} // namespace rv::ui
