#pragma once

#include "link/PortList.h"

#include <QDialog>

class QRadioButton;

namespace rv::ui {

class AppContext;

/// Communication Port: COM1 to COM8 for the serial devices found (each with its device path,
/// missing ones disabled), and the built-in simulated radio. OK sets `CommPort` (0 for the
/// simulated radio); Cancel leaves it.
class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    FrmSetComm(AppContext& ctx, QWidget* parent = nullptr,
               const QList<rv::link::PortEntry>& ports = rv::link::ListPorts());

private:
    void onOk();

    AppContext& ctx_;
    QList<QRadioButton*> options_; ///< ports 1 to 8, then the simulated radio
};

} // namespace rv::ui
