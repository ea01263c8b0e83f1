#include "link/PortList.h"

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

QList<PortEntry> ListPorts() {
    QStringList devices;
    QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const auto& info : infos)
        devices << info.systemLocation();
    QList<PortEntry> ports;
    for (const QString& device : OrderPorts(devices)) {
        PortEntry e;
        e.number = static_cast<int>(ports.size()) + 1;
        e.device = device;
        for (const auto& info : infos)
            if (info.systemLocation() == device) describe(e, info);
        ports << e;
    }
    return ports;
}

QString ResolvePort(const QString& port, QString* error) {
    bool isNumber = false;
    const int n = port.toInt(&isNumber);
    if (!isNumber) return port;
    const auto ports = ListPorts();
    if (n >= 1 && n <= ports.size()) return ports[n - 1].device;
    if (error) {
        *error = n >= 1 && n <= MaxPorts
                     ? QStringLiteral("There is no serial port %1 on this computer.").arg(n)
                     : QStringLiteral("A port number is 1 to 8.");
    }
    return {};
}

} // namespace rv::link
