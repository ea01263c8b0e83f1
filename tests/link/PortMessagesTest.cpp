// What the user is told when the chosen port is no serial port, or is shared.
#include "data/Messages.h"
#include "link/SerialPort.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace rv::link::test {
namespace {

TEST(PortMessages, WhatIsNoSerialPortIsNotCalledBusy) {
    QTemporaryDir dir;
    QFile file(dir.filePath("radio.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a port");
    file.close();
    const std::pair<QString, const char*> cases[] = {
        {"/dev/null", "This device is not a serial port"},
        {file.fileName(), "This is a file, not a serial port"},
        {dir.path(), "This is a folder, not a serial port"}};
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path.toStdString());
        SerialPort port;
        QString error;
        EXPECT_FALSE(port.open(path, rv::English, &error));
        EXPECT_TRUE(error.startsWith("Cannot Open Communication Port.\n")) << error.toStdString();
        EXPECT_TRUE(error.contains(reason)) << error.toStdString();
        EXPECT_FALSE(error.contains("in use")) << error.toStdString();
        port.open(path, rv::Chinese, &error);
        EXPECT_TRUE(error.contains("不是串口")) << error.toStdString();
    }
}

TEST(PortMessages, AnotherReaderIsNotALostConnection) {
    const QString again = QString::fromLocal8Bit(std::strerror(EAGAIN));
    EXPECT_TRUE(PortFailureText(again, rv::English).startsWith("Another program is reading"));
    const QString gone = QString::fromLocal8Bit(std::strerror(EIO));
    EXPECT_EQ(PortFailureText(gone, rv::English), "The connection to the radio was lost.");
}

} // namespace
} // namespace rv::link::test
