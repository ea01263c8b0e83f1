#pragma once

#include "data/FleetUnits.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// A setting that may be given per radio: its key and its label as the window shows it.
struct PerRadioKey {
    std::string key;
    QString label;
};

/// The "Per radio" table of the fleet window: key columns chosen from the settings, a row per
/// radio filled from a pattern (`1001`, `1001:10`, `UNIT {n:02}`) or from a units file.
class FleetPlanTable : public QWidget {
    Q_OBJECT
public:
    FleetPlanTable(ui::AppContext& ctx, std::vector<PerRadioKey> keys, QWidget* parent = nullptr);

    /// The radios a pattern fills rows for: the ports ticked.
    void setRadioCount(int count);
    /// Fills the column of `key` from a pattern. False, with the reason told, when the pattern
    /// cannot be read or the key has values already.
    bool addPattern(const std::string& key, const QString& pattern);
    /// Takes a units file. False, with the reason told, when it cannot be read.
    bool loadUnits(const QString& path);
    void clear();
    /// What the table gives the run.
    const rv::FleetValues& values() const { return values_; }
    /// The plans of the rows as shown (a radio's serial number is known once it is read).
    std::vector<rv::RadioPlan> plans() const;
    QTableWidget* grid() const { return grid_; }

private:
    void refill();
    QString labelOf(const std::string& key) const;
    void tell(const std::string& why);

    ui::AppContext& ctx_;
    std::vector<PerRadioKey> keys_;
    rv::FleetValues values_;
    int radioCount_ = 0;
    QTableWidget* grid_ = nullptr;
    QComboBox* key_ = nullptr;
    QLineEdit* pattern_ = nullptr;
};

} // namespace rv::app
