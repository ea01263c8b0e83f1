#include "link/AlignmentJob.h"

#include "link/LinkTexts.h"

#include <QEventLoop>

namespace rv::link {

using rv::service::TestNote;

QString LeaveProblemText(bool keyed, int language) {
    const bool zh = language == rv::Chinese;
    if (keyed)
        return zh ? QStringLiteral(
                        "对讲机没有应答松开发射键和退出测试模式，可能仍在发射！请立即关闭"
                        "对讲机。")
                  : QStringLiteral("The radio answered neither the key release nor the end of "
                                   "test mode: it may still be transmitting! Switch it off now.");
    return zh ? QStringLiteral("退出测试模式时对讲机没有应答。端口已关闭。")
              : QStringLiteral("The radio did not answer when leaving test mode. The port has "
                               "been closed.");
}

AlignmentJob::AlignmentJob(int language, int retries, QObject* parent)
    : TestModeLine(parent), language_(language), retriesLeft_(retries),
      engine_(*this, noDocument_) {
    connect(&port_, &SerialPort::received, this, [this](const QByteArray& b) {
        engine_.TestModeComm(rv::service::EvReceived, rv::service::Bytes(b.begin(), b.end()));
    });
    connect(&port_, &SerialPort::portError, this, [this](const QString& message) {
        problem_ = message;
        engine_.LeaveSafely(); // the port is gone: this only ends and tells
    });
    engine_.InitTestMode();
    engine_.setTestChannelCheck(false);
}

AlignmentJob::~AlignmentJob() {
    closeLine(); // before the engine goes
}

bool AlignmentJob::enter(const QString& device, QString* error) {
    if (!port_.open(device, language_, error)) return false;
    engine_.EnterTestMode();
    return true;
}

bool AlignmentJob::runUntil(const std::function<bool()>& done) {
    while (!done()) {
        if (ended_) return false;
        QEventLoop loop;
        QTimer tick;
        connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
        tick.start(20);
        loop.exec();
    }
    return true;
}

void AlignmentJob::note(TestNote n) {
    if (n == TestNote::LeaveNoAnswer || n == TestNote::KeyMayBeDown)
        problem_ = LeaveProblemText(n == TestNote::KeyMayBeDown, language_);
}

bool AlignmentJob::askRetry() {
    if (retriesLeft_ <= 0) {
        problem_ = QString::fromStdString(
            LinkText(rv::LangText{"", "The radio stopped answering in test mode.",
                                  "对讲机在测试模式中停止应答。"},
                     language_));
        return false;
    }
    --retriesLeft_;
    return true;
}

void AlignmentJob::endTestMode() {
    closeLine();
    ended_ = true;
}

void AlignmentJob::restoreDone(const std::vector<rv::service::PointChange>& unverified) {
    unverified_ = unverified;
    restoreDone_ = true;
}

} // namespace rv::link
