#include "PortOption.h"

#include "kit/AppContext.h"
#include "link/PortList.h"

#include <QCommandLineParser>

namespace rv::ui {

namespace {

const QString PortOptionName = QStringLiteral("port");

} // namespace

void AddPortOption(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(
        PortOptionName,
        QStringLiteral(
            "The port of the radio: 1 to 8, a device path such as /dev/rfcomm0, or sim."),
        QStringLiteral("port")));
}

void ChoosePort(AppContext& ctx, const QString& port) {
    bool isNumber = false;
    const int n = port.toInt(&isNumber);
    if (isNumber && n >= 1 && n <= 8) {
        ctx.CommPort = n;
    } else if (port == rv::link::SimPortName) {
        ctx.CommPort = 0;
    } else {
        ctx.CommPort = OtherDevicePort;
        ctx.CommDevice = port;
    }
}

} // namespace rv::ui
