#pragma once

#include "link/PortList.h"
#include "link/RadioProbe.h"

#include <QDialog>

#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rv::jobs {
class PortFinder;
}

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// Communication Port: COM1 to COM8 for the serial devices found (each with its device path
/// and what the system knows of it, missing ones disabled), the built-in simulated radio and
/// any other device typed in by its path. Refresh lists the ports again; Find Radio probes
/// them and selects the first where a radio answers. OK sets `CommPort` (0 for the simulated
/// radio, `OtherDevicePort` with `CommDevice` for a typed path); Cancel leaves it.
class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    /// `openCheck` replaces the permission check of the ports (tests make a device refuse).
    FrmSetComm(ui::AppContext& ctx, QWidget* parent = nullptr,
               const QList<rv::link::PortEntry>& ports = rv::link::ListPorts(),
               rv::link::OpenCheck openCheck = {});

    /// Where Refresh lists the ports from (the system's list by default).
    void setPortSource(std::function<QList<rv::link::PortEntry>()> source);
    /// Lists the ports again, keeping the choice.
    void refresh();
    /// Probes the listed ports and the typed device; the result shows in the status line.
    void findRadio();
    /// The status line: what Find Radio found, or the permission advice.
    QString status() const;

private:
    void buildPortRows(QGridLayout* grid);
    void showPorts(const QList<rv::link::PortEntry>& ports);
    void showPermissionAdvice();
    void onFindFinished();
    void setBusy(bool busy);
    bool acceptOtherDevice();
    void onOk();

    ui::AppContext& ctx_;
    rv::link::OpenCheck openCheck_;
    std::function<QList<rv::link::PortEntry>()> portSource_ = rv::link::ListPorts;
    QList<rv::link::PortEntry> ports_;
    QList<QRadioButton*> options_; ///< ports 1 to 8, the simulated radio, the other device
    QList<QLabel*> details_;       ///< what the system knows of ports 1 to 8
    QLineEdit* otherPath_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* find_ = nullptr;
    QWidget* ok_ = nullptr; ///< OK and Cancel
    rv::jobs::PortFinder* finder_ = nullptr;
};

/// The device remembered from the last "Other device" choice.
QString RememberedOtherDevice();

} // namespace rv::app
