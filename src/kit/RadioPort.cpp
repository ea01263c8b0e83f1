#include "RadioPort.h"

#include "kit/AppContext.h"
#include "kit/Prompt.h"
#include "link/PortList.h"
#include "link/SimRadioPty.h"

#include <memory>

namespace rv::ui {

rv::link::SimRadioPty* ServiceSimRadio(bool paced) {
    static std::unique_ptr<rv::link::SimRadioPty> sim;
    if (!sim) {
        auto fresh = std::make_unique<rv::link::SimRadioPty>();
        std::string error;
        if (!fresh->start(paced, &error)) return nullptr;
        sim = std::move(fresh);
    }
    return sim.get();
}

QString ServicePortName(const AppContext& ctx, QString* error) {
    if (ctx.CommPort == 0) {
        auto* sim = ServiceSimRadio();
        if (!sim) {
            if (error)
                *error = QString::fromStdString(MsgText(rv::Msg::CannotOpenPort, ctx.lang()));
            return {};
        }
        return QString::fromStdString(sim->devicePath());
    }
    if (ctx.CommPort == OtherDevicePort) return ctx.CommDevice;
    return rv::link::ResolvePort(QString::number(ctx.CommPort), error);
}

QString ServicePortOrTell(const AppContext& ctx, QWidget* parent) {
    QString error;
    const QString device = ServicePortName(ctx, &error);
    if (device.isEmpty()) {
        Tell(ctx, parent,
             Tr(ctx, rv::MessageOf(rv::Msg::CannotOpenPort).text) + QLatin1Char('\n') + error,
             rv::MsgIcon::Error);
    }
    return device;
}

} // namespace rv::ui
