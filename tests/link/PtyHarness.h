#pragma once

#include "data/Defaults.h"
#include "link/CloneSession.h"
#include "sim/SimRadioPty.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace rv::link::test {

using namespace rv::sim;

/// A CloneSession on the real serial adapter, talking to the simulated radio through a
/// pseudo-terminal.
struct PtyHarness {
    SimRadioPty sim;
    rv::Session s;
    std::vector<CloneSession::Question> asked;
    std::vector<int> progress;
    std::optional<bool> ok;
    QString message;
    Outcome outcome = Outcome::Success;
    std::function<bool(CloneSession::Question)> answerer = [](CloneSession::Question) {
        return false;
    };

    explicit PtyHarness(bool paced = false) {
        std::string error;
        EXPECT_TRUE(sim.start(paced, &error)) << error;
        s.CurModelCode = "7415";
        s.CurBand = "400 - 470 MHz";
        rv::InitRadioData(s, "20260101");
    }

    /// Runs one operation to its end; false when it could not start.
    bool run(int mode, int waitMs = 300, QString port = {}) {
        CloneSession session(s);
        session.setWaitInterval(waitMs);
        QEventLoop loop;
        QObject::connect(
            &session, &CloneSession::question, &session, [&](CloneSession::Question q) {
                asked.push_back(q);
                // Answer from the event loop, as a dialog would.
                QTimer::singleShot(0, &session, [&, q] { session.answer(q, answerer(q)); });
            });
        QObject::connect(&session, &CloneSession::progress, &session,
                         [&](int p) { progress.push_back(p); });
        QObject::connect(&session, &CloneSession::finished, &session,
                         [&](bool success, const QString& m) {
                             ok = success;
                             message = m;
                             loop.quit();
                         });
        ok.reset();
        QString error;
        if (!session.start(mode, port.isEmpty() ? QString::fromStdString(sim.devicePath()) : port,
                           &error)) {
            message = error;
            return false;
        }
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(ok.has_value()) << "the operation never ended";
        EXPECT_FALSE(session.isRunning());
        outcome = session.outcome();
        return true;
    }
};

} // namespace rv::link::test
