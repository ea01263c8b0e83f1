// The service jobs: radio information written against the simulated radio, restores across
// the radio's shared tuning addresses, and test mode let go of on every way out.
#include "jobs/AlignmentDiff.h"
#include "jobs/AlignmentJob.h"
#include "jobs/RadioInfo.h"
#include "link/FakeTestPort.h"
#include "sim/SimRadioPty.h"

#include <QEventLoop>

#include <gtest/gtest.h>

namespace rv::jobs {

namespace {

using rv::link::TestModeEngine;
using rv::link::TestNote;
using rv::test::Hex;

// A write given no read reads the radio first: only the field changed goes out, everything
// else goes back exactly as the radio had it, never the document's identity.
TEST(RadioInfoJob, WriteWithoutReadChangesOnlyTheEditedField) {
    rv::sim::SimRadioPty sim(rv::sim::DemoRadioMemory());
    std::string why;
    ASSERT_TRUE(sim.start(false, &why)) << why;
    sim.withRadio([](rv::sim::SimRadio& r) {
        r.info().modelType = "5617"; // a type outside the list
        r.info().serialNumber = "A1234567";
        r.info().version = "1.23";
    });
    rv::Session doc; // an open file with an identity of its own
    doc.Doc.ModelType.assign("913");
    doc.Doc.SerialNumber.assign("20261207");
    doc.Doc.Version.assign("V1.00");

    RadioInfoJob job;
    job.setWaitInterval(100);
    std::vector<InfoFieldChange> shown;
    bool ok = false;
    QEventLoop loop;
    QObject::connect(&job, &RadioInfoJob::confirm, &job, [&](const auto& changes) {
        shown = changes;
        job.proceed(true);
    });
    QObject::connect(&job, &RadioInfoJob::finished, &loop, [&](bool done, const QString&) {
        ok = done;
        loop.quit();
    });
    InfoEdits edits;
    edits.version = "2.1";
    QString error;
    ASSERT_TRUE(job.startWrite(doc, edits, QString::fromStdString(sim.devicePath()), &error))
        << error.toStdString();
    loop.exec();
    ASSERT_TRUE(ok);
    EXPECT_TRUE(job.written());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(InfoChangesText(shown, rv::English), "Version: 1.23 -> 2.1");
    const auto info = sim.withRadio([](rv::sim::SimRadio& r) { return r.info(); });
    EXPECT_EQ(info.modelType, "5617");
    EXPECT_EQ(info.serialNumber, "A1234567");
    EXPECT_EQ(info.version.substr(0, 3), "2.1");
}

// Max Deviation, DQT Balance and QT Fine Deviation keep their Test points at one address,
// and their narrow values likewise: writing one sets all three.
TEST(RestoreCheck, SharedAddressesAreExpectedAndNamed) {
    const auto point = [](int item, int pt) {
        for (const auto& p : rv::link::AlignmentPoints())
            if (p.item == item && p.point == pt) return p;
        return AlignmentPoint{};
    };
    TuneBlock now{}, kept{};
    now.fill(0x50);
    kept = now;
    kept[23] = 100; // Max Deviation Test
    now[28] = 85;   // DQT Balance Test differs in the radio
    const PointChange maxDevTest{point(4, 0), 100, 0x50, true};
    EXPECT_EQ(PointsSharing(maxDevTest.at).size(), 2u);
    EXPECT_EQ(PointsSharing(point(4, 6)).size(), 2u); // the narrow values
    EXPECT_TRUE(PointsSharing(point(1, 1)).empty());

    const TuneBlock expected = ExpectedAfter(now, {maxDevTest});
    for (int byte : {23, 28, 33})
        EXPECT_EQ(expected[static_cast<std::size_t>(byte)], 100) << byte;
    EXPECT_EQ(expected[27], 0x50); // the narrow band is not touched

    struct Row {
        const char* name;
        std::vector<std::pair<int, int>> reread; ///< bytes changed from `expected`
        bool restored;
        std::size_t differing, moved;
    } rows[] = {
        {"as expected: DQT Balance Test is named as differing", {}, true, 2, 0},
        {"the store was lost", {{23, 0x50}, {28, 85}, {33, 0x50}}, false, 2, 0},
        {"a point nobody chose moved", {{11, 7}}, false, 3, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TuneBlock reread = expected;
        for (const auto& [byte, v] : r.reread)
            reread[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(v);
        const auto check = CheckRestore(kept, now, {maxDevTest}, reread);
        EXPECT_EQ(check.restored, r.restored);
        EXPECT_EQ(check.differing.size(), r.differing);
        EXPECT_EQ(check.moved.size(), r.moved);
    }
}

/// The engine keyed, with the fake port and clock.
struct KeyedEngine {
    rv::test::FakeTestPort port;
    rv::RadioData doc;
    TestModeEngine engine{port, doc};
    KeyedEngine() {
        port.engine = &engine;
        engine.InitTestMode();
        engine.SetPtt(false);
        port.ack();
        EXPECT_TRUE(engine.keyed());
        port.writes.clear();
    }
};

// The port is lost while Check Connection is open with the key down: test mode ends at once,
// the user is told the radio may still transmit, and the answer given later changes nothing.
// (The other ways out run end to end against the simulated radio.)
TEST(TestModeWayOut, PortLostDuringTheQuestionWhileKeyed) {
    KeyedEngine k;
    k.port.holdQuestions = true;
    k.engine.SelectTestSignal(2);
    k.port.advance(400);
    ASSERT_TRUE(k.engine.asking());
    k.port.writes.clear();
    k.port.open = false;
    k.engine.LeaveSafely();
    EXPECT_TRUE(k.port.writes.empty());
    EXPECT_EQ(k.port.notes, std::vector<TestNote>{TestNote::KeyMayBeDown});
    EXPECT_EQ(k.port.ended, 1);
    EXPECT_FALSE(k.engine.asking());
    k.engine.answerRetry(true);
    EXPECT_TRUE(k.port.writes.empty());
}

// A restore cut short names the points written so far and still leaves test mode.
TEST(TestModeWayOut, InterruptedRestoreNamesThePointsWritten) {
    KeyedEngine k;
    k.engine.SetPtt(true);
    k.port.ack();
    std::vector<rv::link::PointValue> points;
    for (const auto& p : rv::link::AlignmentPoints())
        if (p.item == 1 && p.point >= 1 && p.point <= 3) points.push_back({p, 0x40});
    k.engine.RestoreAlignment(points);
    // Select, write and store of one point go out one per tick.
    k.port.advance(100 * 4);
    k.engine.LeaveSafely();
    for (int step = 0; step < 10 && k.port.ended == 0; ++step)
        k.port.threshold == 1 ? k.port.ack() : k.port.advance(400);
    ASSERT_EQ(k.port.ended, 1);
    const auto stored = k.engine.restoreStored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(WrittenSoFarText(stored, rv::English),
              "Points written so far (1): RF High Power Low");
    EXPECT_EQ(k.port.writes.back().bytes, Hex("45"));
}

} // namespace

} // namespace rv::jobs
