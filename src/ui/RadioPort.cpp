#include "RadioPort.h"

#include "link/LinkTexts.h"
#include "link/Os.h"
#include "link/PortList.h"
#include "sim/SimRadioPty.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <memory>

namespace rv::ui {

rv::sim::SimRadioPty* ServiceSimRadio(bool paced) {
    static std::unique_ptr<rv::sim::SimRadioPty> sim;
    if (!sim) {
        auto fresh = std::make_unique<rv::sim::SimRadioPty>();
        std::string error;
        if (!fresh->start(paced, &error)) return nullptr;
        sim = std::move(fresh);
    }
    return sim.get();
}

bool ChoosePort(AppContext& ctx, const QString& port, QString* error) {
    bool isNumber = false;
    const int n = port.toInt(&isNumber);
    if (isNumber && (n < 1 || n > 8)) {
        if (error) *error = Tr(ctx, rv::link::PortNumberRangeText);
        return false;
    }
    if (port == rv::link::SimPortName) {
        ctx.CommPort = 0;
    } else if (isNumber) {
        ctx.CommPort = n;
    } else {
        ctx.CommPort = OtherDevicePort;
        ctx.CommDevice = port;
    }
    return true;
}

QString ServicePortName(const AppContext& ctx, QString* error) {
    if (ctx.CommPort == 0) {
        auto* sim = ServiceSimRadio();
        if (!sim) {
            if (error) {
                *error = rv::link::os::HasPseudoTerminals()
                             ? QString::fromStdString(MsgText(rv::Msg::CannotOpenPort, ctx.lang()))
                             : Tr(ctx, rv::link::NoSimulatedRadioText);
            }
            return {};
        }
        return QString::fromStdString(sim->devicePath());
    }
    if (ctx.CommPort == OtherDevicePort) return ctx.CommDevice;
    return rv::link::ResolvePort(QString::number(ctx.CommPort), error, ctx.lang());
}

void TellCannotOpenPort(const AppContext& ctx, QWidget* parent, const QString& reason) {
    Tell(ctx, parent,
         Tr(ctx, rv::MessageOf(rv::Msg::CannotOpenPort).text) + QLatin1Char('\n') + reason,
         rv::MsgIcon::Error);
}

QString ServicePortOrTell(const AppContext& ctx, QWidget* parent) {
    QString error;
    const QString device = ServicePortName(ctx, &error);
    if (device.isEmpty()) TellCannotOpenPort(ctx, parent, error);
    return device;
}

} // namespace rv::ui
