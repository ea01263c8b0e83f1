// Running the fleet window's stations and keeping its log.
#include "FleetPlanTable.h"
#include "FrmFleet.h"
#include "data/FleetLog.h"
#include "data/OutsideText.h"
#include "jobs/FleetDocuments.h"
#include "jobs/FleetTexts.h"
#include "link/LocalFiles.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <cerrno>

namespace rv::app {

using rv::jobs::FleetTexts;

bool FrmFleet::startFleet() {
    if (running_ > 0) return false;
    options_.repeat = repeat_->isChecked();
    radiosDone_ = 0;
    stations_.clear();
    QList<rv::jobs::ProbeTarget> ticked;
    for (int row = 0; row < table_->rowCount(); ++row)
        if (table_->item(row, PortColumn)->checkState() == Qt::Checked) ticked << ports_[row];
    if (!ticked.isEmpty() && !planPerRadio(ticked)) return false;
    const auto programmedBefore = [this](const std::string& serial, const std::string& hash) {
        const auto it = latest_.find(serial);
        return it != latest_.end() && it->second == hash;
    };
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->item(row, PortColumn)->checkState() != Qt::Checked) continue;
        auto station = std::make_unique<rv::jobs::FleetStation>(ctx_.session, ports_[row], options_,
                                                                programmedBefore);
        connect(station.get(), &rv::jobs::FleetStation::status, this,
                [this, row](const QString& text, int percent) { onStatus(row, text, percent); });
        connect(station.get(), &rv::jobs::FleetStation::radioDone, this,
                [this, row](const rv::jobs::FleetRecord& r) { onRadioDone(row, r); });
        connect(station.get(), &rv::jobs::FleetStation::finished, this,
                &FrmFleet::onStationFinished);
        table_->item(row, SerialColumn)->setText({});
        stations_.push_back(std::move(station));
    }
    if (stations_.empty()) {
        ui::Tell(ctx_, this, ui::Tr(ctx_, FleetTexts::NoPortChecked), rv::MsgIcon::Exclamation);
        return false;
    }
    running_ = static_cast<int>(stations_.size());
    setControlsRunning(true);
    for (auto& s : stations_)
        s->start();
    return true;
}

void FrmFleet::stopFleet() {
    for (auto& s : stations_)
        if (s->isRunning()) s->stop();
}

void FrmFleet::closeEvent(QCloseEvent* e) {
    if (running_ == 0) return QDialog::closeEvent(e);
    // A radio left half-written is worse than a window that closes a moment later.
    stopFleet();
    e->ignore();
}

void FrmFleet::reject() {
    if (running_ == 0)
        QDialog::reject();
    else
        stopFleet();
}

void FrmFleet::onStatus(int row, const QString& text, int percent) {
    table_->item(row, ResultColumn)->setText(text);
    if (percent >= 0)
        static_cast<QProgressBar*>(table_->cellWidget(row, ProgressColumn))->setValue(percent);
}

void FrmFleet::onRadioDone(int row, const rv::jobs::FleetRecord& r) {
    table_->item(row, SerialColumn)->setText(QString::fromStdString(r.serial));
    if (r.skipped) return;
    // A counted run ends once its last radio is done; radios in progress finish.
    if (options_.repeat && count_->value() > 0 && ++radiosDone_ >= count_->value())
        for (auto& s : stations_)
            s->stopAfterRadio();
    if (!r.serial.empty()) latest_[r.serial] = r.ok ? r.documentHash : std::string();
    if (!r.ok) table_->item(row, ResultColumn)->setToolTip(r.message);
    const rv::FleetLogRow logRow = rv::jobs::FleetLogRowOf(r, ctx_.session);
    const std::string line = rv::FleetLogLine(logRow);
    // The file keeps its English result words; the pane speaks the user's language.
    rv::FleetLogRow shown = logRow;
    shown.result = rv::jobs::FleetResultShown(QString::fromStdString(logRow.result), ctx_.lang())
                       .toStdString();
    log_->appendPlainText(
        QString::fromStdString(rv::ShownText(rv::FleetLogLine(shown), 0)).trimmed());
    logRows_ += line;
    if (logPath_.isEmpty()) return;
    QFile file(logPath_);
    if (!file.open(QIODevice::Append) ||
        file.write(line.data(), static_cast<qint64>(line.size())) !=
            static_cast<qint64>(line.size()))
        log_->appendPlainText(rv::link::FileProblem(logPath_, rv::FaultOfError(EIO), ctx_.lang()));
}

bool FrmFleet::planPerRadio(const QList<rv::jobs::ProbeTarget>& ticked) {
    options_.documentFor = nullptr;
    if (perRadio_->values().empty()) return true;
    // Every value of every radio is checked before the first one is written.
    rv::jobs::FleetDocuments documents(ctx_.session, perRadio_->values());
    const auto refusals = documents.checkAhead(static_cast<int>(ticked.size()));
    if (!refusals.empty()) {
        QStringList lines;
        for (const auto& r : refusals)
            lines << QString::fromStdString(r);
        ui::Tell(ctx_, this, lines.join(QLatin1Char('\n')), rv::MsgIcon::Exclamation);
        return false;
    }
    options_.documentFor = documents.documentFor(ticked);
    return true;
}

void FrmFleet::onStationFinished() {
    if (--running_ > 0) return;
    setControlsRunning(false);
    emit fleetFinished();
}

void FrmFleet::setControlsRunning(bool running) {
    start_->setEnabled(!running);
    repeat_->setEnabled(!running);
    count_->setEnabled(!running && repeat_->isChecked());
    stop_->setEnabled(running);
}

bool FrmFleet::setLogFile(const QString& path) {
    rv::FileFault fault;
    const auto before = rv::link::ReadLocalFile(path, rv::link::LogFileLimit, fault);
    QFile file(path);
    if (before || fault.kind == rv::FileFault::NotFound) {
        errno = 0;
        if (!file.open(QIODevice::Append)) fault = rv::FaultOfError(errno ? errno : EIO);
    }
    if (!file.isOpen()) {
        ui::Tell(ctx_, this, rv::link::FileProblem(path, fault, ctx_.lang()), rv::MsgIcon::Error);
        return false;
    }
    const bool fresh = !before || before->isEmpty();
    if (before) {
        for (const auto& [serial, hash] :
             rv::LatestWrites(std::string_view(before->constData(), before->size())))
            latest_.try_emplace(serial, hash);
    }
    // The rows so far go to the new file as well, so that nothing shown is lost; always in
    // the file's own words, whatever the window's language.
    const std::string text = (fresh ? rv::FleetLogHeader() : std::string()) + logRows_;
    file.write(text.data(), static_cast<qint64>(text.size()));
    logPath_ = path;
    return true;
}

void FrmFleet::chooseLogFile() {
    const QString path = ctx_.prompt().saveFileName(this, ui::Tr(ctx_, FleetTexts::SaveLog),
                                                    QStringLiteral("fleet-log.csv"),
                                                    ui::Tr(ctx_, FleetTexts::LogFilter));
    if (!path.isEmpty()) setLogFile(path);
}

} // namespace rv::app
