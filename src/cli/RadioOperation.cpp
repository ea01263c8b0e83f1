#include "RadioOperation.h"

#include "jobs/SafeWrite.h"
#include "link/CloneSession.h"
#include "link/LinkTexts.h"
#include "link/Os.h"
#include "link/PortList.h"
#include "link/StopSignals.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cstdio>

namespace rv::cli {

namespace {

using rv::link::CloneSession;

void ShowProgress(int percent) {
    if (!rv::link::os::StderrIsTerminal()) return;
    std::fprintf(stderr, "\r%3d%%", percent);
    std::fflush(stderr);
}

} // namespace

void EnsureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "rv52n-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

std::optional<int> RetriesOf(const CliArgs& args) {
    const auto text = args.value("--retries");
    if (!text) return 2;
    try {
        std::size_t used = 0;
        const int n = std::stoi(*text, &used);
        if (used == text->size() && n >= 0 && n <= 100) return n;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

bool StartSimRadio(rv::sim::SimRadioPty& sim, bool paced, const CliArgs& args) {
    if (!rv::link::os::HasPseudoTerminals()) {
        Fail(rv::link::LinkText(rv::link::NoSimulatedRadioText(), args.language));
        return false;
    }
    std::string error;
    if (sim.start(paced, &error)) return true;
    Fail(error);
    return false;
}

std::optional<RadioTarget> OpenTarget(const CliArgs& args) {
    EnsureApplication();
    const QString port = QString::fromStdString(args.value("--port").value_or("sim"));
    RadioTarget target;
    if (port == rv::link::SimPortName) {
        target.sim = std::make_unique<rv::sim::SimRadioPty>();
        if (!StartSimRadio(*target.sim, false, args)) return std::nullopt;
        target.device = QString::fromStdString(target.sim->devicePath());
        return target;
    }
    QString error;
    target.device = rv::link::ResolvePort(port, &error, args.language);
    if (target.device.isEmpty()) {
        Fail(error.toStdString());
        return std::nullopt;
    }
    return target;
}

OperationResult RunOperation(rv::Session& s, int mode, const RadioTarget& target,
                             const CliArgs& args, bool force) {
    EnsureApplication();
    OperationResult result;
    rv::jobs::AutoAnswers answers(RetriesOf(args).value_or(2), force);
    CloneSession session(s);
    QEventLoop loop;
    QObject::connect(&session, &CloneSession::question, &session, [&](CloneSession::Question q) {
        const bool yes = answers.answer(q);
        std::fprintf(stderr, "%s%s\n", ::isatty(STDERR_FILENO) ? "\r" : "",
                     qPrintable(rv::jobs::AnsweredQuestionText(q, yes, s.CurLanguage)));
        session.answer(q, yes);
    });
    QObject::connect(&session, &CloneSession::progress, &session, ShowProgress);
    QObject::connect(&session, &CloneSession::finished, &session,
                     [&](bool ok, const QString& message) {
                         result.ok = ok;
                         result.message = message.toStdString();
                         loop.quit();
                     });
    // A stop signal ends the transfer properly: End to the radio, the port closed.
    rv::link::StopSignals stop([&session] { session.cancel(); });
    QString error;
    if (!session.start(mode, target.device, &error)) {
        result.outcome = rv::link::Outcome::PortFailed;
        result.message = error.toStdString();
        return result;
    }
    loop.exec();
    if (::isatty(STDERR_FILENO)) std::fprintf(stderr, "\r");
    result.outcome = session.outcome();
    return result;
}

} // namespace rv::cli
