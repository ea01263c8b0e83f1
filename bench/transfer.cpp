// Times a full read and a full write against the simulated radio at the real line pace and
// compares each with the time the bytes alone need on the line.
#include "data/Defaults.h"
#include "link/CloneSession.h"
#include "jobs/SafeWrite.h"
#include "link/SimRadioPty.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

using namespace rv::link;
using namespace rv::jobs;

// Bytes on the wire, both directions, with every reply in time.
constexpr int ReadLineBytes = 1205;
constexpr int WriteLineBytes = 1042;

double RunOnce(rv::Session& s, int mode, const std::string& device) {
    CloneSession session(s);
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&session, &CloneSession::finished, &loop, [&](bool success, const QString& m) {
        ok = success;
        if (!success) std::fprintf(stderr, "failed: %s\n", qPrintable(m));
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    QString error;
    if (!session.start(mode, QString::fromStdString(device), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return -1;
    }
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    return ok ? static_cast<double>(clock.nsecsElapsed()) / 1e9 : -1;
}

// A write with its backup (one read, or two when `checkedBackup`) and its verify read.
double RunSafeWrite(const rv::Session& s, const std::string& device, bool checkedBackup,
                    const QString& backupDir) {
    SafeWrite job;
    SafeWriteOptions options;
    options.backupDir = backupDir;
    options.readVerify = checkedBackup;
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&job, &SafeWrite::finished, &loop, [&](const SafeWriteResult& r) {
        ok = r.ok();
        if (!ok) std::fprintf(stderr, "failed: %s\n", qPrintable(r.message));
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    if (qEnvironmentVariableIsSet("BENCH_STAGES"))
        QObject::connect(&job, &SafeWrite::stageStarted, &loop, [&](SafeWriteStage st, int pass) {
            std::fprintf(stderr, "  stage %d pass %d at %.3f s\n", static_cast<int>(st), pass,
                         static_cast<double>(clock.nsecsElapsed()) / 1e9);
        });
    QString error;
    if (!job.startWrite(s, QString::fromStdString(device), options, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return -1;
    }
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return ok ? static_cast<double>(clock.nsecsElapsed()) / 1e9 : -1;
}

void Report(const char* name, double seconds, int lineBytes) {
    const double minimum = lineBytes * 11.0 / 9600.0;
    std::printf("%-6s measured %.3f s   line minimum %.3f s (%d bytes)   ratio %.3f\n", name,
                seconds, minimum, lineBytes, seconds / minimum);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    SimRadioPty sim;
    std::string error;
    if (!sim.start(true, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    rv::Session s;
    rv::InitRadioData(s);
    double bestRead = 1e9, bestWrite = 1e9;
    for (int i = 0; i < rounds; ++i) {
        const double r = RunOnce(s, ReadRadio, sim.devicePath());
        const double w = RunOnce(s, WriteRadio, sim.devicePath());
        if (r < 0 || w < 0) return 1;
        std::printf("round %d: read %.3f s, write %.3f s\n", i + 1, r, w);
        bestRead = std::min(bestRead, r);
        bestWrite = std::min(bestWrite, w);
    }
    // Backup + write + verify against the line time of the reads and the write it holds.
    QTemporaryDir backups;
    double bestSafe = 1e9, bestChecked = 1e9;
    for (int i = 0; i < rounds; ++i) {
        const double safe = RunSafeWrite(s, sim.devicePath(), false, backups.path());
        const double checked = RunSafeWrite(s, sim.devicePath(), true, backups.path());
        if (safe < 0 || checked < 0) return 1;
        std::printf("round %d: backup+write+verify %.3f s, with checked backup %.3f s\n", i + 1,
                    safe, checked);
        bestSafe = std::min(bestSafe, safe);
        bestChecked = std::min(bestChecked, checked);
    }
    std::printf("best of %d rounds:\n", rounds);
    Report("read", bestRead, ReadLineBytes);
    Report("write", bestWrite, WriteLineBytes);
    Report("safe", bestSafe, 2 * ReadLineBytes + WriteLineBytes);
    Report("safe2", bestChecked, 3 * ReadLineBytes + WriteLineBytes);
    std::printf("safe: backup (one read) + write + verify over read + write + read (goal <= 1.03)\n"
                "safe2: backup read twice + write + verify over read + read + write + read\n");
    return 0;
}
