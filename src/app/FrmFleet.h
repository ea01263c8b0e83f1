#pragma once

#include "jobs/FleetStation.h"

#include <QDialog>

#include <map>
#include <memory>
#include <vector>

class QCheckBox;
class QSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace rv::sim {
class SimRadioPty;
}

namespace rv::ui {
class AppContext;
}

namespace rv::app {

class FleetPlanTable;

/// Fleet Programming: the open document written to the radios on the ticked ports at the
/// same time, each with backup and verify; a progress bar, serial number and result per
/// port; the log beneath, kept in a CSV file of the user's choosing.
class FrmFleet : public QDialog {
    Q_OBJECT
public:
    enum Column { PortColumn, ProgressColumn, SerialColumn, ResultColumn, ColumnCount };

    FrmFleet(ui::AppContext& ctx, const QList<rv::jobs::ProbeTarget>& ports,
             QWidget* parent = nullptr);
    ~FrmFleet() override;

    /// Adds a simulated radio with a serial number of its own as a ticked port.
    bool addSimulatedRadio();
    /// Adds a port named as on the command line (`sim`, a port number, a device path) as a
    /// ticked port; false after the same message `--port` gives when it names no usable port.
    bool addPort(const QString& named);
    /// Starts a station on every ticked port; false when none is ticked.
    bool startFleet();
    /// Stops after the radios in progress.
    void stopFleet();
    bool isRunning() const { return running_ > 0; }
    /// Keeps the log in `path` (CSV, appended); serial numbers it names as programmed are
    /// skipped unless programmed again on purpose.
    bool setLogFile(const QString& path);
    /// Time-outs and polling for tests.
    void setTiming(int replyMs, int pollMs);
    QTableWidget* table() const { return table_; }
    /// The "Per radio" table: settings each radio gets of its own.
    FleetPlanTable* perRadio() const { return perRadio_; }
    QString logText() const;

signals:
    void fleetFinished();

protected:
    /// While radios are being programmed the window stays: it stops them and waits.
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void addPortRow(const rv::jobs::ProbeTarget& target, bool checked);
    void onStatus(int row, const QString& text, int percent);
    void onRadioDone(int row, const rv::jobs::FleetRecord& r);
    void onStationFinished();
    void chooseLogFile();
    void setControlsRunning(bool running);
    void countTickedPorts();
    /// The per-radio documents of the ticked ports, checked; false (told) when refused.
    bool planPerRadio(const QList<rv::jobs::ProbeTarget>& ticked);

    ui::AppContext& ctx_;
    rv::jobs::FleetOptions options_;
    QList<rv::jobs::ProbeTarget> ports_;
    QTableWidget* table_ = nullptr;
    FleetPlanTable* perRadio_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QCheckBox* repeat_ = nullptr;
    QSpinBox* count_ = nullptr; ///< with Repeat: the run ends after this many radios (0: never)
    int radiosDone_ = 0;        ///< radios written or failed in this run, skipped ones not
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* addSim_ = nullptr;
    QLineEdit* portName_ = nullptr;
    QString logPath_;
    std::map<std::string, std::string> latest_; ///< serial: hash of its latest write, or ""
    std::string logRows_; ///< the log's rows of this window in the file's own words
    std::vector<std::unique_ptr<rv::sim::SimRadioPty>> sims_;
    std::vector<std::unique_ptr<rv::jobs::FleetStation>> stations_;
    int running_ = 0;
};

} // namespace rv::app
