#pragma once

#include "data/Session.h"
#include "jobs/FleetStation.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace rv::cli {

/// The radios of one `fleet` command: a station per port running at the same time, a live
/// line per port, the log, and the table at the end.
class FleetRun {
public:
    FleetRun(const Session& s, int language) : s_(s), language_(language) {}

    rv::jobs::FleetOptions options;
    int count = 0; ///< with repeat: the run ends after this many radios (0: when stopped)

    /// Opens (or creates, with its header) the CSV log and takes each radio's latest write
    /// from it. False with the reason when it cannot be read or written.
    bool openLog(const std::string& path, std::string* error);
    /// Runs the stations to their end (Ctrl+C stops them after the radio in progress) and
    /// prints the table. 0 when every radio succeeded (and, counted, all of them came), 1
    /// otherwise.
    int exec(const QList<rv::jobs::ProbeTarget>& targets, std::FILE* out, std::FILE* err);
    const std::vector<rv::jobs::FleetRecord>& records() const { return records_; }

private:
    int radiosDone() const; ///< the radios written or failed, skipped ones not counted
    void onRadioDone(const rv::jobs::FleetRecord& r);
    void showLine(int index, const QString& text);
    void printTable(std::FILE* out) const;

    const Session& s_;
    int language_;
    std::map<std::string, std::string> latest_; ///< serial: hash of its latest write, or ""
    std::ofstream log_;
    std::vector<rv::jobs::FleetRecord> records_;
    QStringList lines_; ///< what each port is doing
    QStringList names_; ///< each port as the user named it
    bool drawn_ = false;
    std::FILE* err_ = stderr;
    bool live_ = false; ///< stderr is a terminal: the port lines are redrawn in place
};

} // namespace rv::cli
