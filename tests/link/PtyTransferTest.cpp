#include "PtyHarness.h"

#include "data/Image.h"
#include "link/PortList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cerrno>

namespace rv::link::test {
namespace {

TEST(PtyTransfer, ReadGivesTheRadioMemoryAsDecoded) {
    PtyHarness h;
    ASSERT_TRUE(h.run(ReadRadio));
    ASSERT_TRUE(*h.ok) << h.message.toStdString();
    EXPECT_TRUE(h.message.isEmpty());
    const rv::MemoryImage memory = h.sim.withRadio([](SimRadio& r) { return r.memory(); });
    EXPECT_EQ(h.s.Image, memory);
    rv::Session expected = h.s;
    rv::DecodeImage(memory, expected);
    EXPECT_EQ(h.s.Doc, expected.Doc);
    EXPECT_EQ(h.s.Doc.ChannelCount, 6);
    EXPECT_EQ(h.s.Doc.EmbMsg1.get(), "DEALER DEMO");
    EXPECT_EQ(h.progress.front(), 0);
    EXPECT_EQ(h.progress.back(), 94);
}

TEST(PtyTransfer, WriteThenReadBackGivesTheSameDocument) {
    PtyHarness h;
    rv::ChannelInfo ch = rv::NewChannel(7);
    ch.RxFreq.set("43012500");
    ch.TxFreq.set("43512500");
    ch.RxCode.set("2813");
    h.s.Doc.ChannelCount = 1;
    h.s.Doc.Channels[0] = ch;
    h.s.Doc.OptFeatures.TotTime = 20;
    h.s.Doc.EmbMsg2.set("WRITTEN");
    ASSERT_TRUE(h.run(WriteRadio));
    ASSERT_TRUE(*h.ok) << h.message.toStdString();
    EXPECT_EQ(h.progress.back(), 98);
    // What a read gives for the image that was sent (frequencies come back with 8 digits).
    rv::Session expected = h.s;
    rv::DecodeImage(h.s.Image, expected);

    h.s.Doc.ChannelCount = 0;
    h.s.Doc.EmbMsg2.set("");
    ASSERT_TRUE(h.run(ReadRadio));
    ASSERT_TRUE(*h.ok) << h.message.toStdString();
    EXPECT_EQ(h.s.Doc, expected.Doc);
    EXPECT_EQ(h.s.Doc.ChannelCount, 1);
    EXPECT_EQ(h.s.Doc.Channels[0].ChNo, 7);
    EXPECT_EQ(h.s.Doc.Channels[0].RxFreq.get(), "43012500");
    EXPECT_EQ(h.s.Doc.Channels[0].RxCode.get(), "2813");
    EXPECT_EQ(h.s.Doc.OptFeatures.TotTime, 20);
    EXPECT_EQ(h.s.Doc.EmbMsg2.get(), "WRITTEN");
}

TEST(PtyTransfer, InfoWriteThenRead) {
    PtyHarness h;
    h.s.Doc.ModelType.assign("916");
    h.s.Doc.FrequencyCode = 77;
    h.s.Doc.SerialNumber.assign("20261207");
    h.s.Doc.Version.assign("V2.10");
    ASSERT_TRUE(h.run(WriteRadioInfo));
    ASSERT_TRUE(*h.ok) << h.message.toStdString();

    h.s.Doc = rv::RadioData{};
    ASSERT_TRUE(h.run(ReadRadioInfo));
    ASSERT_TRUE(*h.ok) << h.message.toStdString();
    EXPECT_EQ(h.s.Doc.ModelType.get(), "916");
    EXPECT_EQ(h.s.Doc.FrequencyCode, 77);
    EXPECT_EQ(h.s.Doc.SerialNumber.get(), "20261207");
    EXPECT_EQ(h.s.Doc.Version.get(), "2.10");
}

// Every fault ends with a message and leaves the document as it was.
struct FaultCase {
    const char* name;
    int mode;
    SimFaults faults;
    int retries; ///< Retry answers before Cancel
    Outcome outcome;
    const char* message;
};

TEST(PtyTransfer, FaultsEndCleanly) {
    const char* noAnswer = "The radio did not answer.";
    const char* lost = "The connection to the radio was lost.";
    const FaultCase cases[] = {
        {"silent radio",
         ReadRadio,
         {.silentAfterFrames = 0},
         1,
         Outcome::NoAnswer,
         "No radio answered. Check that the radio is switched on and the cable is plugged in."},
        {"silent on info",
         ReadRadioInfo,
         {.silentAfterFrames = 0},
         0,
         Outcome::Cancelled,
         noAnswer},
        {"corrupted block, retry", ReadRadio, {.corruptBlockAt = 0x2C0}, 1, Outcome::Success, ""},
        {"corrupted block, cancel",
         ReadRadio,
         {.corruptBlockAt = 0x2C0},
         0,
         Outcome::Cancelled,
         noAnswer},
        {"hang-up during read", ReadRadio, {.hangUpAfterFrames = 9}, 2, Outcome::PortFailed, lost},
        {"hang-up during write",
         WriteRadio,
         {.hangUpAfterFrames = 9},
         2,
         Outcome::PortFailed,
         lost},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PtyHarness h;
        h.sim.withRadio([&](SimRadio& r) { r.faults() = c.faults; });
        int retries = c.retries;
        h.answerer = [&](CloneSession::Question) { return retries-- > 0; };
        const rv::RadioData before = h.s.Doc;
        ASSERT_TRUE(h.run(c.mode, 100));
        EXPECT_EQ(h.outcome, c.outcome);
        EXPECT_EQ(h.message.toStdString(), c.message);
        if (c.outcome == Outcome::Success) continue;
        EXPECT_EQ(h.s.Doc, before);
        EXPECT_EQ(h.s.DocPath, "new.dat");
    }
}

TEST(PtyTransfer, WrongModelIsRefusedWithoutWriting) {
    PtyHarness h;
    h.sim.withRadio([](SimRadio& r) { r.faults().otherModel = true; });
    const rv::MemoryImage before = h.sim.withRadio([](SimRadio& r) { return r.memory(); });
    ASSERT_TRUE(h.run(WriteRadio));
    EXPECT_FALSE(*h.ok);
    EXPECT_EQ(h.asked, std::vector<CloneSession::Question>{CloneSession::Question::ModelMismatch});
    EXPECT_EQ(h.message.toStdString(), "Model type is wrong. Nothing was written to the radio.");
    h.sim.withRadio([&](SimRadio& r) {
        EXPECT_EQ(r.blocksWritten(), 0);
        EXPECT_EQ(r.memory(), before);
    });
}

TEST(PtyTransfer, CancelMidReadLeavesTheDocument) {
    PtyHarness h(true); // at line pace, so there is time to cancel
    const rv::RadioData before = h.s.Doc;
    CloneSession session(h.s);
    QEventLoop loop;
    std::optional<bool> ok;
    QObject::connect(&session, &CloneSession::progress, &session, [&](int p) {
        if (p >= 30) session.cancel();
    });
    QObject::connect(&session, &CloneSession::finished, &session,
                     [&](bool success, const QString&) {
                         ok = success;
                         loop.quit();
                     });
    ASSERT_TRUE(session.start(ReadRadio, QString::fromStdString(h.sim.devicePath()), nullptr));
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(ok.has_value());
    EXPECT_FALSE(*ok);
    EXPECT_EQ(session.outcome(), Outcome::Cancelled);
    EXPECT_EQ(h.s.Doc, before);
    // The radio got End and left clone mode; at line pace that may take a moment.
    QElapsedTimer clock;
    clock.start();
    while (h.sim.withRadio([](SimRadio& r) { return r.inCloneMode(); }) && clock.elapsed() < 10000)
        QThread::msleep(5);
    EXPECT_FALSE(h.sim.withRadio([](SimRadio& r) { return r.inCloneMode(); }));
}

TEST(PtyTransfer, TimeOutDueBehindACancelAsksNothing) {
    // The radio falls silent; the user's cancel is on its way when the reply time-out falls
    // due. The time-out is fired by hand right behind the cancel, so the order is certain.
    PtyHarness h;
    h.sim.withRadio([](SimRadio& r) { r.faults().silentAfterFrames = 8; });
    CloneSession session(h.s);
    session.setWaitInterval(60000);
    std::vector<CloneSession::Question> asked;
    QObject::connect(&session, &CloneSession::question, &session,
                     [&](CloneSession::Question q) { asked.push_back(q); });
    QEventLoop loop;
    QObject::connect(&session, &CloneSession::finished, &loop, &QEventLoop::quit);
    ASSERT_TRUE(session.start(ReadRadio, QString::fromStdString(h.sim.devicePath()), nullptr));
    auto* waitTimer = session.findChild<QTimer*>(QStringLiteral("waitTimer"));
    ASSERT_NE(waitTimer, nullptr);
    // Silent in the middle of the blocks, where a time-out asks Retry or Cancel.
    QElapsedTimer clock;
    clock.start();
    while (h.sim.withRadio([](SimRadio& r) { return r.framesReceived(); }) < 8 &&
           clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(waitTimer->isActive());
    session.cancel();
    QMetaObject::invokeMethod(waitTimer, "timeout");
    EXPECT_TRUE(asked.empty());
    session.setWaitInterval(50); // the unanswered End after the cancel
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(session.isRunning());
    EXPECT_EQ(session.outcome(), Outcome::Cancelled);
    EXPECT_TRUE(asked.empty());
}

TEST(PtyTransfer, PacedRadioKeepsTheLinePace) {
    // An info read moves 74 bytes: it cannot be over sooner than they take on the line.
    PtyHarness h(true);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(h.run(ReadRadioInfo));
    ASSERT_TRUE(*h.ok);
    EXPECT_GE(clock.nsecsElapsed(), 74 * ByteTime.count());
}

TEST(PtyPortErrors, MissingPortIsReportedWithItsReason) {
    PtyHarness h;
    const rv::MemoryImage image = h.s.Image;
    const rv::RadioData before = h.s.Doc;
    EXPECT_FALSE(h.run(ReadRadio, 300, "/dev/ttyUSB-none"));
    EXPECT_EQ(h.message.toStdString(), "Cannot Open Communication Port.\nThere is no such device; "
                                       "check that the cable is plugged in.");
    EXPECT_EQ(h.s.Image, image);
    EXPECT_EQ(h.s.Doc, before);
}

TEST(PtyPortErrors, PortInUseIsNamedAsSuch) {
    PtyHarness h;
    SerialPort first;
    QString error;
    ASSERT_TRUE(first.open(QString::fromStdString(h.sim.devicePath()), rv::English, &error));
    EXPECT_FALSE(h.run(ReadRadio));
    EXPECT_TRUE(h.message.startsWith("Cannot Open Communication Port.\n"));
    EXPECT_TRUE(h.message.contains("in use by another program")) << h.message.toStdString();
}

TEST(PtyPortErrors, OpenErrorsGiveActionableReasons) {
    const std::pair<int, const char*> cases[] = {
        {EACCES, "dialout"},       {EPERM, "dialout"}, {ENOENT, "no such device"},
        {ENXIO, "no such device"}, {EBUSY, "in use"},  {0, "in use"}};
    for (const auto& [err, words] : cases) {
        const QString reason = OpenFailureReasonOf(err, rv::English);
        EXPECT_TRUE(reason.contains(words, Qt::CaseInsensitive)) << err << reason.toStdString();
        EXPECT_FALSE(OpenFailureReasonOf(err, rv::Chinese).isEmpty());
    }
}

TEST(PortList, UsbAdaptersFirstInNaturalOrder) {
    const QStringList devices{"/dev/ttyS1",   "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS0",
                              "/dev/ttyUSB2", "/dev/ttyUSB0",  "/dev/ttyS2",   "/dev/ttyS3",
                              "/dev/ttyS4",   "/dev/ttyS0"};
    const QStringList expected{"/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0",
                               "/dev/ttyS0",   "/dev/ttyS1",   "/dev/ttyS2",    "/dev/ttyS3"};
    EXPECT_EQ(OrderPorts(devices), expected);
}

TEST(PortList, WindowsPortNumberIsTheComNumber) {
    const QStringList devices{"COM12", "COM3", "com1", "COM8", "COM0", "COMX", "COM9", "LPT1"};
    QList<int> numbers;
    QStringList names;
    for (const auto& p : NumberPorts(devices, true)) {
        numbers << p.number;
        names << p.device;
    }
    EXPECT_EQ(numbers, (QList<int>{1, 3, 8}));
    EXPECT_EQ(names, (QStringList{"com1", "COM3", "COM8"}));
    // Elsewhere the numbers follow the order, whatever the names.
    const auto ordered = NumberPorts({"/dev/ttyS0", "/dev/ttyUSB0"}, false);
    ASSERT_EQ(ordered.size(), 2);
    EXPECT_EQ(ordered[0].number, 1);
    EXPECT_EQ(ordered[0].device, "/dev/ttyUSB0");
    EXPECT_EQ(ordered[1].number, 2);
}

TEST(PortList, NumbersAndPathsResolve) {
    QString error;
    EXPECT_EQ(ResolvePort("/dev/ttyUSB3", &error), "/dev/ttyUSB3");
    EXPECT_TRUE(ResolvePort("9", &error).isEmpty());
    EXPECT_EQ(error, "A port number is 1 to 8.");
    const auto ports = ListPorts();
    EXPECT_LE(ports.size(), 8);
    for (const auto& p : ports)
        EXPECT_EQ(ResolvePort(QString::number(p.number), &error), p.device);
}

TEST(PortList, RefusalsBeforeAnythingIsSentSpeakChinese) {
    QString error;
    EXPECT_TRUE(ResolvePort("9", &error, rv::Chinese).isEmpty());
    EXPECT_EQ(error, "端口号为 1 到 8。");

    PtyHarness h(true);
    h.s.CurLanguage = rv::Chinese;
    CloneSession session(h.s);
    const QString device = QString::fromStdString(h.sim.devicePath());
    ASSERT_TRUE(session.start(ReadRadio, device, nullptr));
    EXPECT_FALSE(session.start(ReadRadio, device, &error));
    EXPECT_EQ(error, "另一个对讲机操作正在进行。");
    QEventLoop loop;
    QObject::connect(&session, &CloneSession::finished, &loop, &QEventLoop::quit);
    session.cancel();
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(session.isRunning());
}

} // namespace
} // namespace rv::link::test
