#include "jobs/AlignmentJob.h"

#include "link/LinkTexts.h"

#include <QEventLoop>

namespace rv::jobs {

using rv::link::SerialPort;
using rv::link::TestNote;

namespace {

/// The command-line tool has no document: the radio's test channels are taken as they are.
const rv::RadioData& NoDocument() {
    static const rv::RadioData none;
    return none;
}

} // namespace

void RestoreRun::start(rv::link::TestModeEngine& engine, const TuneBlock& before) {
    now = before;
    expected = ExpectedAfter(now, chosen);
    done = false;
    check = {};
    std::vector<rv::link::PointValue> points;
    for (const auto& c : chosen)
        if (c.writable) points.push_back({c.at, c.kept});
    engine.RestoreAlignment(points);
}

void RestoreRun::finish(const rv::link::Bytes& block) {
    TuneBlock reread{};
    std::copy_n(block.begin(), std::min(block.size(), reread.size()), reread.begin());
    check = CheckRestore(kept, now, chosen, reread);
    done = true;
}

QString WrittenSoFarText(const std::vector<rv::link::PointValue>& stored, int language) {
    QStringList names;
    for (const auto& p : stored)
        names << QString::fromStdString(PointLabel(p.at, language));
    const bool zh = language == rv::Chinese;
    if (names.isEmpty())
        return zh ? QStringLiteral("尚未写入任何数据点。")
                  : QStringLiteral("No point had been written yet.");
    return (zh ? QStringLiteral("已写入的数据点（%1 个）：%2")
               : QStringLiteral("Points written so far (%1): %2"))
        .arg(names.size())
        .arg(names.join(zh ? QStringLiteral("、") : QStringLiteral(", ")));
}

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
    : TestModeLine(NoDocument(), parent), language_(language), retriesLeft_(retries) {
    connect(&port_, &SerialPort::portError, this, [this](const QString& message) {
        problem_ = message;
        engine_.LeaveSafely(); // the port is gone: this only ends and tells
    });
    engine_.setTestChannelCheck(false);
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

std::optional<bool> AlignmentJob::askRetry() {
    if (retriesLeft_ <= 0) {
        problem_ =
            QString::fromStdString((rv::LangText{"The radio stopped answering in test mode.",
                                                 "对讲机在测试模式中停止应答。"})[language_]);
        return false;
    }
    --retriesLeft_;
    return true;
}

void AlignmentJob::endTestMode() {
    closeLine();
    ended_ = true;
}

void AlignmentJob::restore(const TuneBlock& kept, const std::vector<PointChange>& chosen) {
    restore_ = RestoreRun{};
    restore_.kept = kept;
    restore_.chosen = chosen;
    TuneBlock now{};
    const auto& b =
        engine_.state().Block.empty() ? engine_.state().EntryBlock : engine_.state().Block;
    std::copy_n(b.begin(), std::min(b.size(), now.size()), now.begin());
    restore_.start(engine_, now);
}

} // namespace rv::jobs
