// Times fleet programming (wait, radio information, backup, write, verify) of one radio and of
// four radios on four ports at once, each simulated radio keeping to the real line pace. The
// ports run side by side, so four should take hardly longer than one. Then eight radios at
// once: a first checked write, a repeat of it on the same radios, and a bare write.
#include "data/Defaults.h"
#include "jobs/FleetStation.h"
#include "sim/SimFleet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace rv::link;
using namespace rv::sim;
using namespace rv::jobs;

struct Run {
    double wall = -1;
    double line = 0; ///< the longest line time of one port (the ports run side by side)
};

using Sims = std::vector<std::unique_ptr<SimRadioPty>>;

// `count` simulated radios, each on its own port with its own serial number; empty when the
// system has no pseudo-terminals.
Sims StartSims(int count) {
    Sims sims;
    for (int i = 0; i < count; ++i) {
        std::string error;
        sims.push_back(StartFleetSim(i, true, &error));
        if (!sims.back()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return {};
        }
    }
    return sims;
}

// Programs the radios of `sims` at once; a negative wall time when one failed. With `bare`
// each radio gets the write alone: no backup, no verify.
Run Program(const rv::Session& s, const Sims& sims, const QString& backupDir, bool bare = false) {
    const int count = static_cast<int>(sims.size());
    std::vector<std::unique_ptr<FleetStation>> stations;
    std::vector<long long> lineBefore;
    FleetOptions options;
    options.write.backupDir = bare ? QString() : backupDir;
    options.write.verify = !bare;
    QEventLoop loop;
    int running = count;
    bool allOk = true;
    if (sims.empty()) return {};
    for (int i = 0; i < count; ++i) {
        lineBefore.push_back(sims[static_cast<std::size_t>(i)]->lineBytes());
        const QString device =
            QString::fromStdString(sims[static_cast<std::size_t>(i)]->devicePath());
        stations.push_back(
            std::make_unique<FleetStation>(s, ProbeTarget{device, device}, options, nullptr));
        QObject::connect(stations.back().get(), &FleetStation::radioDone, &loop,
                         [&](const FleetRecord& r) {
                             if (!r.ok) std::fprintf(stderr, "failed: %s\n", qPrintable(r.message));
                             allOk = allOk && r.ok;
                         });
        QObject::connect(stations.back().get(), &FleetStation::finished, &loop, [&] {
            if (--running == 0) loop.quit();
        });
    }
    QElapsedTimer clock;
    clock.start();
    for (auto& st : stations)
        st->start();
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    Run run;
    if (!allOk || running != 0) return run;
    run.wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    for (std::size_t i = 0; i < sims.size(); ++i)
        run.line = std::max(run.line, static_cast<double>(sims[i]->lineBytes() - lineBefore[i]) *
                                          11.0 / 9600.0);
    return run;
}

// Line time over the whole job, the radio's wait included: each port's probe, radio
// information, backup, write and verify.
void Print(const char* name, const Run& r) {
    std::printf("%-22s line %.3f s   wall %.3f s   wall/line %.3f\n", name, r.line, r.wall,
                r.wall / r.line);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    rv::Session s;
    s.CurModelCode = "7415";
    s.CurBand = "400 - 470 MHz";
    rv::InitRadioData(s, "20260101");
    QTemporaryDir backups;
    double one = 1e9, four = 1e9;
    for (int i = 0; i < rounds; ++i) {
        const double a = Program(s, StartSims(1), backups.path()).wall;
        const double b = Program(s, StartSims(4), backups.path()).wall;
        if (a < 0 || b < 0) return 1;
        std::printf("round %d: one radio %.3f s, four radios %.3f s\n", i + 1, a, b);
        one = std::min(one, a);
        four = std::min(four, b);
    }
    std::printf("best of %d rounds: one radio %.3f s, four at once %.3f s, ratio %.3f (goal at "
                "most 1.100)\n",
                rounds, one, four, four / one);

    // Eight radios: a first checked write (no kept images), a repeat on the same radios, a
    // bare write.
    Run first, repeat, bare;
    for (int i = 0; i < rounds; ++i) {
        QTemporaryDir eight;
        const Sims radios = StartSims(8);
        const Run a = Program(s, radios, eight.path());
        const Run b = Program(s, radios, eight.path());
        const Run c = Program(s, radios, eight.path(), true);
        if (a.wall < 0 || b.wall < 0 || c.wall < 0) return 1;
        std::printf("round %d, 8 radios: first %.3f s, repeat %.3f s, bare %.3f s\n", i + 1, a.wall,
                    b.wall, c.wall);
        if (first.wall < 0 || a.wall < first.wall) first = a;
        if (repeat.wall < 0 || b.wall < repeat.wall) repeat = b;
        if (bare.wall < 0 || c.wall < bare.wall) bare = c;
    }
    Print("8 radios first checked", first);
    Print("8 radios repeat", repeat);
    Print("8 radios bare write", bare);
    return four / one <= 1.1 ? 0 : 1;
}
