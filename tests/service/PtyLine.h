#pragma once

#include "link/Os.h"
#include "link/TestModeEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTest>

namespace rv::test {

/// A serial line whose far end is the test itself: what the program sends is read here,
/// and replies are written by hand.
class PtyLine {
public:
    PtyLine() {
        std::string error;
        if (pty_.open(&error)) path_ = QString::fromStdString(pty_.path());
    }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    const QString& path() const { return path_; }

    /// Everything sent until `count` bytes have come or `msecs` passed, events running.
    rv::link::Bytes read(std::size_t count, int msecs = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (buffer_.size() < count && clock.elapsed() < msecs) {
            pull();
            if (buffer_.size() < count) QTest::qWait(5);
        }
        rv::link::Bytes out(buffer_.begin(),
                               buffer_.begin() +
                                   static_cast<std::ptrdiff_t>(std::min(count, buffer_.size())));
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(out.size()));
        return out;
    }
    /// Whatever arrives within `msecs`.
    rv::link::Bytes drain(int msecs) {
        QTest::qWait(msecs);
        pull();
        rv::link::Bytes out = buffer_;
        buffer_.clear();
        return out;
    }
    void reply(const rv::link::Bytes& b) { pty_.write(b.data(), b.size()); }

private:
    void pull() {
        std::uint8_t chunk[256];
        for (;;) {
            const auto n = pty_.read(chunk, sizeof chunk);
            if (n <= 0) break;
            buffer_.insert(buffer_.end(), chunk, chunk + n);
        }
    }

    rv::link::os::PseudoTerminal pty_;
    QString path_;
    rv::link::Bytes buffer_;
};

} // namespace rv::test
