#include "jobs/PortFinder.h"
#include "link/ProbeEngine.h"
#include "sim/SimRadioPty.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

namespace {

using rv::jobs::PortFinder;
using rv::jobs::ProbeResult;
using rv::link::Bytes;
using rv::link::RadioIdent;

struct FakeProbeHost : rv::link::ProbeHost {
    std::vector<Bytes> sent;
    std::optional<std::optional<RadioIdent>> result;
    void send(const Bytes& frame, int) override { sent.push_back(frame); }
    void finish(const std::optional<RadioIdent>& ident) override { result = ident; }
};

const Bytes Program{'P', 'R', 'O', 'G', 'R', 'A', 'M'};
const Bytes Ident7415{0x50, '5', '6', '1', '7', 83, 0xFC, 0xFF};

// Each step of the script is a reply (bytes) or, when empty, a time-out.
TEST(ProbeEngine, AsksProgramIdentEndAndNothingElse) {
    struct Case {
        const char* name;
        std::vector<Bytes> replies;
        std::vector<Bytes> sent;
        bool answered;
    };
    const Case cases[] = {
        {"radio answers", {{0x06}, Ident7415, {0x06}}, {Program, {0x02}, {'E'}}, true},
        {"silent port", {{}}, {Program}, false},
        {"noise instead of the Ack", {{0x15}, {}}, {Program}, false},
        {"Ack but no ident: released with End", {{0x06}, {}, {}}, {Program, {0x02}, {'E'}}, false},
        {"End not acknowledged", {{0x06}, Ident7415, {}}, {Program, {0x02}, {'E'}}, true},
    };
    for (const auto& c : cases) {
        FakeProbeHost host;
        rv::link::ProbeEngine engine(host);
        engine.start();
        for (const auto& r : c.replies) {
            if (r.empty())
                engine.onTimeout();
            else
                engine.onReceived(r);
        }
        ASSERT_TRUE(host.result) << c.name;
        EXPECT_EQ(host.sent, c.sent) << c.name;
        EXPECT_EQ(host.result->has_value(), c.answered) << c.name;
        EXPECT_FALSE(engine.running()) << c.name;
        if (c.answered) {
            EXPECT_EQ((*host.result)->modelCode, "7415");
            EXPECT_EQ((*host.result)->band, "350 - 390 MHz");
        }
    }
}

class Finder : public testing::Test {
protected:
    QString addRadio(bool silent, const char* serial = "20261201") {
        auto sim = std::make_unique<rv::sim::SimRadioPty>();
        std::string error;
        EXPECT_TRUE(sim->start(false, &error)) << error;
        sim->withRadio([&](rv::sim::SimRadio& r) {
            if (silent) r.faults().silentAfterFrames = 0;
            r.info().serialNumber = serial;
        });
        radios.push_back(std::move(sim));
        return QString::fromStdString(radios.back()->devicePath());
    }
    void run(PortFinder& finder, const QList<rv::jobs::ProbeTarget>& targets) {
        finder.setReplyTime(100);
        QEventLoop loop;
        QObject::connect(&finder, &PortFinder::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        finder.start(targets);
        loop.exec();
    }
    std::vector<std::unique_ptr<rv::sim::SimRadioPty>> radios;
};

TEST_F(Finder, RadiosOnSomePortsSilenceOnOthers) {
    const QString silent = addRadio(true);
    const QString first = addRadio(false);
    const QString second = addRadio(false);
    const QList<rv::jobs::ProbeTarget> targets{{"1", silent}, {"2", first}, {"3", second}};
    PortFinder all(rv::English);
    run(all, targets);
    ASSERT_EQ(all.results().size(), 3);
    EXPECT_EQ(all.results()[0].status, ProbeResult::Status::Silent);
    EXPECT_EQ(all.results()[1].status, ProbeResult::Status::Answered);
    EXPECT_EQ(all.results()[2].status, ProbeResult::Status::Answered);
    ASSERT_TRUE(all.firstAnswer());
    EXPECT_EQ(all.firstAnswer()->target.port, "2");
    EXPECT_EQ(all.firstAnswer()->ident->modelCode, "7415");
    EXPECT_TRUE(all.permissionAdvice().isEmpty());
    // No block was read or written, and the radios are out of clone mode again.
    for (const auto& r : radios) {
        r->withRadio([](rv::sim::SimRadio& radio) {
            EXPECT_EQ(radio.blocksWritten(), 0);
            EXPECT_FALSE(radio.inCloneMode());
        });
    }

    PortFinder firstOnly(rv::English);
    firstOnly.setStopAtFirst(true);
    run(firstOnly, targets);
    EXPECT_EQ(firstOnly.results().size(), 2);
}

TEST_F(Finder, APortThatHoldsTheProbeIsGivenUpAtItsDeadline) {
    const QString silent = addRadio(true);
    const QString radio = addRadio(false);
    PortFinder finder(rv::English);
    finder.setReplyTime(60000); // the reply times alone would keep the silent port a minute
    finder.setPortDeadline(200);
    bool finished = false;
    QEventLoop loop;
    QObject::connect(&finder, &PortFinder::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    finder.start({{"1", silent}, {"2", radio}});
    loop.exec();
    ASSERT_TRUE(finished);
    ASSERT_EQ(finder.results().size(), 2);
    EXPECT_EQ(finder.results()[0].status, ProbeResult::Status::Silent);
}

TEST_F(Finder, PermissionAdviceOnlyWhenNoPortCanBeOpenedForLackOfIt) {
    const QString a = addRadio(false);
    const QString b = addRadio(false);
    struct Case {
        int errorA;
        int errorB;
        bool advice;
    };
    const Case cases[] = {{EACCES, EACCES, true}, {EACCES, 0, false}, {EACCES, EBUSY, false}};
    for (const auto& c : cases) {
        PortFinder finder(rv::English);
        finder.setOpenCheck(
            [&](const QString& device) { return device == a ? c.errorA : c.errorB; });
        run(finder, {{"1", a}, {"2", b}});
        EXPECT_EQ(!finder.permissionAdvice().isEmpty(), c.advice) << c.errorA << " " << c.errorB;
        EXPECT_TRUE(finder.results()[0].permissionDenied);
        EXPECT_EQ(finder.results()[0].status, ProbeResult::Status::CannotOpen);
    }
    PortFinder none(rv::English);
    run(none, {});
    EXPECT_TRUE(none.permissionAdvice().isEmpty()) << "no port at all is not a permission matter";
}

TEST(PermissionAdvice, NamesTheGroupAndTheCommandInBothLanguages) {
    EXPECT_EQ(rv::jobs::PermissionAdvice("dialout", rv::English),
              "No permission to use the serial ports. Join the group dialout:\n"
              "sudo usermod -aG dialout $USER\nthen log out and log in again.");
    EXPECT_TRUE(
        rv::jobs::PermissionAdvice("uucp", rv::Chinese).contains("sudo usermod -aG uucp $USER"));
    EXPECT_EQ(rv::jobs::SerialGroupOf("/no/such/device"), "dialout");
}

} // namespace
