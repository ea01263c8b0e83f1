#pragma once

#include "link/TestModeEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace rv::test {

/// A serial line whose far end is the test itself: what the program sends is read here,
/// and replies are written by hand.
class PtyLine {
public:
    PtyLine() {
        char name[128] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        termios t{};
        tcgetattr(master_, &t);
        cfmakeraw(&t);
        tcsetattr(master_, TCSANOW, &t);
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        path_ = QString::fromLocal8Bit(name);
    }
    ~PtyLine() {
        if (master_ >= 0) close(master_);
        if (slave_ >= 0) close(slave_);
    }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    const QString& path() const { return path_; }

    /// Everything sent until `count` bytes have come or `msecs` passed, events running.
    rv::service::Bytes read(std::size_t count, int msecs = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (buffer_.size() < count && clock.elapsed() < msecs) {
            pull();
            if (buffer_.size() < count) QTest::qWait(5);
        }
        rv::service::Bytes out(buffer_.begin(),
                               buffer_.begin() +
                                   static_cast<std::ptrdiff_t>(std::min(count, buffer_.size())));
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(out.size()));
        return out;
    }
    /// Whatever arrives within `msecs`.
    rv::service::Bytes drain(int msecs) {
        QTest::qWait(msecs);
        pull();
        rv::service::Bytes out = buffer_;
        buffer_.clear();
        return out;
    }
    void reply(const rv::service::Bytes& b) {
        if (::write(master_, b.data(), b.size()) < 0) return;
    }

private:
    void pull() {
        std::uint8_t chunk[256];
        for (;;) {
            const auto n = ::read(master_, chunk, sizeof chunk);
            if (n <= 0) break;
            buffer_.insert(buffer_.end(), chunk, chunk + n);
        }
    }

    int master_ = -1;
    int slave_ = -1;
    QString path_;
    rv::service::Bytes buffer_;
};

} // namespace rv::test
