// Times fleet programming (wait, radio information, backup, write, verify) of one radio and of
// four radios on four ports at once, each simulated radio keeping to the real line pace. The
// ports run side by side, so four should take hardly longer than one.
#include "data/Defaults.h"
#include "jobs/FleetStation.h"
#include "link/SimFleet.h"

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
using namespace rv::jobs;

// Seconds for programming `count` radios at once; negative when one failed.
double Program(const rv::Session& s, int count, const QString& backupDir) {
    std::vector<std::unique_ptr<SimRadioPty>> sims;
    std::vector<std::unique_ptr<FleetStation>> stations;
    FleetOptions options;
    options.write.backupDir = backupDir;
    QEventLoop loop;
    int running = count;
    bool allOk = true;
    for (int i = 0; i < count; ++i) {
        std::string error;
        sims.push_back(StartFleetSim(i, true, &error));
        if (!sims.back()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return -1;
        }
        const QString device = QString::fromStdString(sims.back()->devicePath());
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
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return allOk && running == 0 ? seconds : -1;
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
        const double a = Program(s, 1, backups.path());
        const double b = Program(s, 4, backups.path());
        if (a < 0 || b < 0) return 1;
        std::printf("round %d: one radio %.3f s, four radios %.3f s\n", i + 1, a, b);
        one = std::min(one, a);
        four = std::min(four, b);
    }
    std::printf("best of %d rounds: one radio %.3f s, four at once %.3f s, ratio %.3f (goal at "
                "most 1.100)\n",
                rounds, one, four, four / one);
    return four / one <= 1.1 ? 0 : 1;
}
