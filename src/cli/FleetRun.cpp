#include "FleetRun.h"

#include "PortArgs.h"
#include "RadioOperation.h"
#include "data/FleetLog.h"
#include "data/OutsideText.h"
#include "jobs/FleetTexts.h"
#include "link/LinkTexts.h"
#include "link/LocalFiles.h"
#include "link/Os.h"
#include "link/StopSignals.h"

#include <QEventLoop>
#include <QFile>

#include <cerrno>

#include <algorithm>
#include <memory>

namespace rv::cli {

namespace {

using rv::jobs::FleetRecord;
using rv::jobs::FleetStation;

std::string Cell(const std::string& text) {
    return text.empty() ? std::string("-") : rv::ShownText(text);
}

} // namespace

bool FleetRun::openLog(const std::string& path, std::string* error) {
    const QString name = QFile::decodeName(path.c_str());
    rv::FileFault fault;
    const auto text = rv::link::ReadLocalFile(name, rv::link::LogFileLimit, fault);
    const bool fresh = !text || text->isEmpty();
    if (!text && fault.kind != rv::FileFault::NotFound) {
        if (error) *error = rv::link::FileProblem(name, fault, language_).toStdString();
        return false;
    }
    if (text)
        latest_ = rv::LatestWrites(
            std::string_view(text->constData(), static_cast<std::size_t>(text->size())));
    errno = 0;
    log_.open(path, std::ios::binary | std::ios::app);
    if (!log_) {
        fault = rv::FaultOfError(errno != 0 ? errno : EIO);
        if (error) *error = rv::link::FileProblem(name, fault, language_).toStdString();
        return false;
    }
    if (fresh) log_ << rv::FleetLogHeader() << std::flush;
    return true;
}

int FleetRun::exec(const QList<rv::jobs::ProbeTarget>& targets, std::FILE* out, std::FILE* err) {
    EnsureApplication();
    err_ = err;
    live_ = err == stderr && rv::link::os::StderrIsTerminal();
    std::vector<std::unique_ptr<FleetStation>> stations;
    QEventLoop loop;
    int running = 0;
    // Skipped only while this radio's latest write is this very document.
    const auto programmedBefore = [this](const std::string& serial, const std::string& hash) {
        const auto it = latest_.find(serial);
        return it != latest_.end() && it->second == hash;
    };
    for (const auto& target : targets) {
        const int index = static_cast<int>(stations.size());
        lines_ << QString();
        names_ << target.port;
        auto station = std::make_unique<FleetStation>(s_, target, options, programmedBefore);
        QObject::connect(
            station.get(), &FleetStation::status, station.get(),
            [this, index](const QString& text, int percent) {
                showLine(index, percent >= 0 ? text + QStringLiteral(" %1%").arg(percent) : text);
            });
        QObject::connect(station.get(), &FleetStation::radioDone, station.get(),
                         [this, &stations](const FleetRecord& r) {
                             onRadioDone(r);
                             if (count > 0 && radiosDone() >= count)
                                 for (auto& st : stations)
                                     st->stopAfterRadio();
                         });
        QObject::connect(station.get(), &FleetStation::finished, &loop, [&] {
            if (--running == 0) loop.quit();
        });
        stations.push_back(std::move(station));
    }
    rv::link::StopSignals stop([&] {
        for (auto& st : stations)
            st->stop();
    });
    for (auto& st : stations) {
        ++running;
        st->start();
    }
    loop.exec();
    if (live_) std::fprintf(err_, "\n");
    printTable(out);
    for (const auto& r : records_)
        if (!r.ok) return 1;
    // A counted run that was stopped before its last radio did not do what it was asked.
    return count > 0 && radiosDone() < count ? 1 : 0;
}

int FleetRun::radiosDone() const {
    return static_cast<int>(std::count_if(records_.begin(), records_.end(),
                                          [](const FleetRecord& r) { return !r.skipped; }));
}

void FleetRun::onRadioDone(const FleetRecord& r) {
    records_.push_back(r);
    if (!r.skipped && !r.serial.empty()) latest_[r.serial] = r.ok ? r.documentHash : std::string();
    if (options.repeat && !r.skipped) std::fputc('\a', err_);
    if (!live_) {
        std::fprintf(err_, "%s: %s%s%s\n", qPrintable(r.target.port),
                     qPrintable(rv::jobs::FleetResultShown(r.result, language_)),
                     r.message.isEmpty() ? "" : ": ", qPrintable(r.message));
    }
    if (r.skipped || !log_.is_open()) return;
    log_ << rv::FleetLogLine(rv::jobs::FleetLogRowOf(r, s_)) << std::flush;
}

void FleetRun::showLine(int index, const QString& text) {
    lines_[index] = text;
    if (!live_) return;
    // Redraw the block of port lines in place.
    if (drawn_) std::fprintf(err_, "\x1b[%dA", static_cast<int>(lines_.size()));
    drawn_ = true;
    for (int i = 0; i < lines_.size(); ++i)
        std::fprintf(err_, "\r\x1b[K%-14s %s\n", qPrintable(names_[i]), qPrintable(lines_[i]));
    std::fflush(err_);
}

void FleetRun::printTable(std::FILE* out) const {
    std::fprintf(out, "%s\n", rv::jobs::FleetTexts::Header[language_].c_str());
    for (const auto& r : records_) {
        std::fprintf(out, "%-14s %-6s %-9s %-15s %s\n", qPrintable(r.target.port),
                     Cell(r.model).c_str(), Cell(r.serial).c_str(),
                     qPrintable(rv::jobs::FleetResultShown(r.result, language_)),
                     Cell(rv::link::SystemPath(r.backup)).c_str());
    }
    std::fflush(out);
}

} // namespace rv::cli
