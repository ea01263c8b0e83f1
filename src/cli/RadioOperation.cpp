#include "RadioOperation.h"

#include "link/LinkTexts.h"
#include "link/Os.h"
#include "link/PortList.h"

#include <QCoreApplication>

#include <cstdio>

namespace rv::cli {

using rv::link::CloneSession;

SessionLoop::SessionLoop(const CliArgs& args, int language, bool force)
    : answers_(RetriesOf(args).value_or(2), force), language_(language) {
    EnsureApplication();
}

void SessionLoop::showProgress(int percent) {
    if (!rv::link::os::StderrIsTerminal()) return;
    std::fprintf(stderr, "\r%3d%%", percent);
    std::fflush(stderr);
}

bool SessionLoop::decide(CloneSession::Question q) {
    const bool yes = answers_.answer(q);
    std::fprintf(stderr, "%s%s\n", rv::link::os::StderrIsTerminal() ? "\r" : "",
                 qPrintable(rv::jobs::AnsweredQuestionText(q, yes, language_)));
    return yes;
}

void SessionLoop::exec() {
    loop_.exec();
    if (rv::link::os::StderrIsTerminal()) std::fprintf(stderr, "\r");
}

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
        Fail(rv::link::NoSimulatedRadioText[args.language]);
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
    SessionLoop run(args, s.CurLanguage, force);
    OperationResult result;
    CloneSession session(s);
    QObject::connect(&session, &CloneSession::progress, &session, &SessionLoop::showProgress);
    QObject::connect(&session, &CloneSession::finished, &session,
                     [&](bool ok, const QString& message) {
                         result.ok = ok;
                         result.message = message.toStdString();
                     });
    // A stop signal ends the transfer properly: End to the radio, the port closed.
    run.attach(session, &CloneSession::finished);
    QString error;
    if (!session.start(mode, target.device, &error)) {
        result.outcome = rv::link::Outcome::PortFailed;
        result.message = error.toStdString();
        return result;
    }
    run.exec();
    result.outcome = session.outcome();
    return result;
}

} // namespace rv::cli
