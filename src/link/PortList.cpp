#include "link/PortList.h"

#include "link/LinkTexts.h"
#include "link/Os.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>
#include <tuple>

namespace rv::link {

namespace {

constexpr int MaxPorts = 8;

int groupOf(const QString& device) {
    if (device.contains(QLatin1String("ttyUSB"))) return 0;
    if (device.contains(QLatin1String("ttyACM"))) return 1;
    return 2;
}

// ttyUSB2 before ttyUSB10: the trailing number compares as a number.
std::tuple<int, QString, long> sortKey(const QString& device) {
    qsizetype digits = device.size();
    while (digits > 0 && device[digits - 1].isDigit())
        --digits;
    const QString stem = device.left(digits);
    const long number = digits < device.size() ? device.mid(digits).toLong() : -1;
    return {groupOf(device), stem, number};
}

void describe(PortEntry& e, const QSerialPortInfo& info) {
    e.description = info.description();
    e.manufacturer = info.manufacturer();
    e.serialNumber = info.serialNumber();
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
        e.usbId = QStringLiteral("%1:%2")
                      .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                      .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
    }
}

} // namespace

QString PortDetails(const PortEntry& port) {
    QStringList parts;
    if (!port.description.isEmpty()) parts << port.description;
    // Many adapters repeat their maker in the description.
    if (!port.manufacturer.isEmpty() && !port.description.contains(port.manufacturer))
        parts << port.manufacturer;
    if (!port.usbId.isEmpty()) parts << QStringLiteral("USB ") + port.usbId;
    if (!port.serialNumber.isEmpty()) parts << QStringLiteral("S/N ") + port.serialNumber;
    return parts.join(QStringLiteral(", "));
}

QStringList OrderPorts(QStringList devices) {
    devices.removeDuplicates();
    std::stable_sort(devices.begin(), devices.end(),
                     [](const QString& a, const QString& b) { return sortKey(a) < sortKey(b); });
    if (devices.size() > MaxPorts) devices.resize(MaxPorts);
    return devices;
}

QList<PortEntry> NumberPorts(const QStringList& devices, bool comNumbers) {
    QList<PortEntry> ports;
    if (comNumbers) {
        static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
        for (const QString& device : devices) {
            const auto m = com.match(device);
            const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
            if (n >= 1 && n <= MaxPorts) ports << PortEntry{n, device, {}, {}, {}, {}};
        }
        std::sort(ports.begin(), ports.end(),
                  [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
        return ports;
    }
    for (const QString& device : OrderPorts(devices))
        ports << PortEntry{static_cast<int>(ports.size()) + 1, device, {}, {}, {}, {}};
    return ports;
}

QList<PortEntry> ListPorts() {
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    QStringList devices;
    for (const auto& info : infos)
        devices << (os::PortsAreComNumbers() ? info.portName() : info.systemLocation());
    QList<PortEntry> ports = NumberPorts(devices, os::PortsAreComNumbers());
    for (auto& port : ports) {
        for (qsizetype i = 0; i < infos.size(); ++i)
            if (devices[i] == port.device) describe(port, infos[i]);
    }
    return ports;
}

QString ResolvePort(const QString& port, QString* error, int language) {
    bool isNumber = false;
    const int n = port.toInt(&isNumber);
    if (!isNumber) return port;
    for (const auto& p : ListPorts())
        if (p.number == n) return p.device;
    if (error) {
        *error = n >= 1 && n <= MaxPorts ? QString::fromStdString(NoSerialPortText[language]).arg(n)
                                         : QString::fromStdString(PortNumberRangeText[language]);
    }
    return {};
}

} // namespace rv::link
