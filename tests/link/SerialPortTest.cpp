#include "link/SerialPort.h"
#include "link/CloneSession.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace rv::link {
namespace {

/// A pseudo-terminal pair: the port under test opens the slave, the test plays the radio
/// on the master.
struct Pty {
    int master = -1;
    int slave = -1;
    QString name;
    Pty() {
        char path[128] = {};
        EXPECT_EQ(openpty(&master, &slave, path, nullptr, nullptr), 0);
        name = QString::fromLatin1(path);
    }
    ~Pty() {
        ::close(master);
        ::close(slave);
    }
    void radioSends(const QByteArray& bytes) const {
        EXPECT_EQ(::write(master, bytes.data(), bytes.size()), bytes.size());
    }
};

TEST(SerialPortLine, RadioLineSettingsAreReadBackFromTheTerminal) {
    Pty pty;
    SerialPort port;
    QString error;
    ASSERT_TRUE(port.open(pty.name, 1, &error)) << error.toStdString();
    termios t{};
    // The master reports the line settings the slave side was given.
    ASSERT_EQ(tcgetattr(pty.master, &t), 0);
    EXPECT_EQ(cfgetispeed(&t), B9600);
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & PARENB, 0u);
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
}

TEST(SerialPortLine, SendDropsAStalePartialReply) {
    Pty pty;
    SerialPort port;
    QString error;
    ASSERT_TRUE(port.open(pty.name, 1, &error)) << error.toStdString();
    QSignalSpy received(&port, &SerialPort::received);

    port.send("R", 4);
    pty.radioSends("AB"); // half a reply, then the radio falls silent
    QTest::qWait(100);
    EXPECT_EQ(received.count(), 0);

    port.send("R", 4); // asked again: what came before must not start the new reply
    pty.radioSends("WXYZ");
    ASSERT_TRUE(received.wait(2000));
    EXPECT_EQ(received.at(0).at(0).toByteArray(), QByteArray("WXYZ"));
}

TEST(CloneSessionDefaults, TheReplyWaitIsThreeHundredMilliseconds) {
    rv::Session s;
    CloneSession session(s);
    EXPECT_EQ(session.findChild<QTimer*>(QStringLiteral("waitTimer"))->interval(), 300);
}

} // namespace
} // namespace rv::link
