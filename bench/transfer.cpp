// Times a full read and a full write against the simulated radio at the real line pace and
// compares each with the time the bytes alone need on the line. Then checked writes: the first
// on a radio, a repeat on the same radio, and the bare write, each with its line time.
#include "data/Defaults.h"
#include "jobs/SafeWrite.h"
#include "link/CloneSession.h"
#include "sim/SimRadioPty.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

using namespace rv::link;
using namespace rv::sim;
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

// Line time and wall time of one job.
struct Timing {
    double line = -1;
    double wall = -1;
    int backupReads = 0;
};

double LineSeconds(long long bytes) {
    return static_cast<double>(bytes) * 11.0 / 9600.0;
}

// A checked write: the radio information, the backup (read once when the radio's kept image
// confirms it, else voted), the write and the verify read. Line time counts every byte the
// simulated radio saw or sent during the job.
Timing RunCheckedWrite(const rv::Session& s, SimRadioPty& sim, const QString& backupDir) {
    SafeWrite job;
    SafeWriteOptions options;
    options.backupDir = backupDir;
    QEventLoop loop;
    Timing t;
    bool ok = false;
    QObject::connect(&job, &SafeWrite::finished, &loop, [&](const SafeWriteResult& r) {
        ok = r.ok();
        t.backupReads = r.backupReads;
        if (!ok) std::fprintf(stderr, "failed: %s\n", qPrintable(r.message));
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    const long long before = sim.lineBytes();
    if (qEnvironmentVariableIsSet("BENCH_STAGES"))
        QObject::connect(&job, &SafeWrite::stageStarted, &loop, [&](SafeWriteStage st, int pass) {
            std::fprintf(stderr, "  stage %d pass %d at %.3f s, line %.3f s\n",
                         static_cast<int>(st), pass,
                         static_cast<double>(clock.nsecsElapsed()) / 1e9,
                         LineSeconds(sim.lineBytes() - before));
        });
    QString error;
    if (!job.startWrite(s, QString::fromStdString(sim.devicePath()), options, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return t;
    }
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    if (!ok) return t;
    t.wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    t.line = LineSeconds(sim.lineBytes() - before);
    return t;
}

void Keep(Timing& best, const Timing& t) {
    if (best.wall < 0 || t.wall < best.wall) best = t;
}

void Print(const char* name, const Timing& t) {
    std::printf("%-15s line %.3f s   wall %.3f s   wall/line %.3f\n", name, t.line, t.wall,
                t.wall / t.line);
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
    std::printf("best of %d rounds:\n", rounds);
    Report("read", bestRead, ReadLineBytes);
    Report("write", bestWrite, WriteLineBytes);
    // Checked writes: the first on this radio (no kept image: two backup reads), a repeat
    // of the same radio (its kept image confirms one read), and the bare write alone.
    Timing first, repeat, bare;
    for (int i = 0; i < rounds; ++i) {
        QTemporaryDir backups;
        const Timing a = RunCheckedWrite(s, sim, backups.path());
        const Timing b = RunCheckedWrite(s, sim, backups.path());
        const long long lineBefore = sim.lineBytes();
        const double w = RunOnce(s, WriteRadio, sim.devicePath());
        if (a.wall < 0 || b.wall < 0 || w < 0) return 1;
        const Timing c{LineSeconds(sim.lineBytes() - lineBefore), w, 0};
        std::printf("round %d: first %.3f s (%d reads), repeat %.3f s (%d read), bare %.3f s\n",
                    i + 1, a.wall, a.backupReads, b.wall, b.backupReads, c.wall);
        Keep(first, a);
        Keep(repeat, b);
        Keep(bare, c);
    }
    Print("first checked", first);
    Print("repeat checked", repeat);
    Print("bare write", bare);
    // Before kept images and the narrow verify: two full backup reads, the write and a
    // full verify read.
    const double before = LineSeconds(3 * ReadLineBytes + WriteLineBytes);
    std::printf("repeat line / checked write before (%.3f s): %.3f (goal <= 0.72)\n"
                "repeat wall / its line: %.3f (goal <= 1.03)\n",
                before, repeat.line / before, repeat.wall / repeat.line);
    return 0;
}
