#pragma once

#include "data/Messages.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rv::link {

/// One choosable port: number 1 to 8 and the device behind it.
struct PortEntry {
    int number = 0;
    QString device;       ///< e.g. /dev/ttyUSB0
    QString description;  ///< what the system says about it (adapter name), may be empty
    QString manufacturer; ///< the adapter's maker, may be empty
    QString usbId;        ///< USB vendor:product in hex ("0403:6001"), empty when not USB
    QString serialNumber; ///< the adapter's own serial number, may be empty
};

/// What the system knows of a port, for telling two cables apart: description, maker,
/// "USB 0403:6001", "S/N ..."; the parts it has, joined by commas.
QString PortDetails(const PortEntry& port);

/// The serial devices offered as ports 1 to 8 (`ListPorts`): COMn as port n on Windows;
/// elsewhere USB adapters first (/dev/ttyUSB*, then /dev/ttyACM*), then the others, each
/// group in natural name order.
QList<PortEntry> ListPorts();

/// The order of `ListPorts` applied to a list of device paths, at most 8 kept.
QStringList OrderPorts(QStringList devices);

/// Port numbers for the system's device names. Where the system numbers its ports
/// (`comNumbers`: COM1, COM2, ...), COMn is port n and names beyond COM8 have none;
/// elsewhere ports are numbered in the order of `OrderPorts`.
QList<PortEntry> NumberPorts(const QStringList& devices, bool comNumbers);

/// The word that names the built-in simulated radio.
inline const QString SimPortName = QStringLiteral("sim");

/// The device for a port given as a number 1 to 8 or a device path. Empty with `error` set
/// when the number names no port, the reason in `language`.
QString ResolvePort(const QString& port, QString* error, int language = rv::English);

} // namespace rv::link
