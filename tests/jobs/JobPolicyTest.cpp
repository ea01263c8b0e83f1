// The small policies of the safe-write job: how reads are settled, what a partly written
// radio is told, and what is refused before the radio is touched.
#include "jobs/SafeWrite.h"

#include "data/Conversions.h"
#include "jobs/CodeTables.h"

#include "data/Defaults.h"
#include "sim/SimRadio.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rv::jobs::test {

namespace {

rv::MemoryImage With(rv::MemoryImage m, int address, std::uint8_t value) {
    m[static_cast<std::size_t>(address)] = value;
    return m;
}

} // namespace

TEST(JobPolicy, ReadsAreSettledByAgreementOrByAThirdRead) {
    const rv::MemoryImage a = rv::sim::DemoRadioMemory();
    const rv::MemoryImage b = With(a, 0x20, 0x55);
    const rv::MemoryImage c = With(a, 0x20, 0x66);
    using K = ReadVerdict::Kind;
    struct Row {
        std::vector<rv::MemoryImage> reads;
        K vote;      // backup before a write, and reads with Verify Reads on
        K takeFirst; // plain reads
        bool takesA; // the image taken is `a`
    } rows[] = {
        {{a}, K::ReadAgain, K::Take, true},      {{a, a}, K::Take, K::Take, true},
        {{b, a}, K::ReadAgain, K::Take, true},   // one corrupted read is never taken
        {{b, a, a}, K::Take, K::Take, true},     // the third read decides
        {{b, c, a}, K::Disagree, K::Take, true}, // three values at 0x20
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.reads.size());
        const ReadVerdict v = VoteOnReads(r.reads);
        EXPECT_EQ(v.kind, r.vote);
        if (v.kind == K::Take) {
            EXPECT_EQ(v.image == a, r.takesA);
        }
        if (v.kind == K::Disagree) {
            EXPECT_EQ(v.unsettled, std::vector<int>{0x20});
        }
        EXPECT_EQ(TakeFirstRead(r.reads).kind, r.takeFirst);
    }
    // The default backup policy is the vote, whatever Verify Reads says.
    EXPECT_EQ(SafeWriteOptions{}.backupReads(std::vector<rv::MemoryImage>{b}).kind, K::ReadAgain);
}

// Unattended answers: as many retries as asked for, then Cancel; a wrong model goes ahead
// only when forced.
TEST(JobPolicy, AutomaticAnswersRetryAsOftenAsAskedAndForceOnlyWhenTold) {
    using Q = rv::link::CloneSession::Question;
    for (const int retries : {0, 1, 2}) {
        AutoAnswers answers(retries, false);
        for (int n = 0; n < retries; ++n)
            EXPECT_TRUE(answers.answer(Q::Retry)) << retries;
        EXPECT_FALSE(answers.answer(Q::Retry)) << retries;
        EXPECT_FALSE(answers.answer(Q::ModelMismatch)) << retries;
    }
    AutoAnswers forced(0, true);
    EXPECT_TRUE(forced.answer(Q::ModelMismatch));
    EXPECT_FALSE(forced.answer(Q::Retry));
}

TEST(JobPolicy, PartlyWrittenNamesTheLastAddressReached) {
    EXPECT_EQ(PartlyWrittenText(0x160, {}, rv::English),
              "The radio may be partly written: new data up to and including 0x015F, old data "
              "after it. No backup was kept; write the radio again.");
}

TEST(JobPolicy, AnUnusableBackupFolderIsFoundBeforeTheRadioIsTouched) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(BackupDirProblem(dir.filePath("new/backups"), rv::English).isEmpty());
    const QString problem = BackupDirProblem(dir.filePath("file/backups"), rv::English);
    EXPECT_TRUE(problem.startsWith("The backup cannot be kept: ")) << problem.toStdString();
    EXPECT_TRUE(problem.endsWith("Not a directory")) << problem.toStdString();

    rv::Session s;
    SafeWriteOptions o;
    o.backupDir = dir.filePath("file/backups");
    SafeWrite job;
    QString error;
    EXPECT_FALSE(job.startWrite(s, "/nonexistent-port", o, &error));
    EXPECT_TRUE(error.startsWith(problem)) << error.toStdString();
}

TEST(JobPolicy, AMissingDamagedOrMisshapenCodeTableFileFallsBackToTheBuiltInCopy) {
    rv::Session fromFile;
    ASSERT_TRUE(rv::LoadDqtTable(fromFile, RV_SOURCE_DIR "/resources/dec.tbl"));
    // 83 bytes of the same value: the right size, but its codes do not rise.
    for (const int fileSize : {-1, 10, 83}) {
        QTemporaryDir dir;
        if (fileSize >= 0) {
            QFile f(dir.filePath("dec.tbl"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(fileSize, '\x01'));
        }
        rv::Session s;
        int reports = 0;
        s.onMessage = [&reports](rv::Msg) { ++reports; };
        std::string refusal;
        EXPECT_TRUE(LoadCodeTables(s, dir.path().toStdString(), &refusal));
        EXPECT_EQ(reports, 0);
        EXPECT_EQ(refusal.empty(), fileSize != 83) << refusal;
        for (int i = 0; i < 83; ++i)
            ASSERT_EQ(s.Dqt[i], fromFile.Dqt[i]) << "code " << i << ", file size " << fileSize;
    }
}

} // namespace rv::jobs::test
