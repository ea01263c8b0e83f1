#include "FileLayout.h"
#include "Fixtures.h"

#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/ModelTables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;

namespace {

using rv::Msg;
using rvtest::RecordingSession;

using DataFileTest = rvtest::DocumentFileTest;

TEST_F(DataFileTest, NewDocumentRecordLayout) {
    ASSERT_TRUE(rvtest::SaveDataFile(r.s, path("new.dat")));
    const auto b = Bytes(path("new.dat"));
    ASSERT_EQ(b.size(), 1641u);
    // Where each field stands is checked against the layout tables.
    EXPECT_EQ(rv::FromRecord(b), r.s.Doc);
    EXPECT_EQ(filesInDir(), 1u); // no temporary file left behind
}

TEST_F(DataFileTest, SaveAndOpenReproduceEveryByte) {
    rv::RadioData& d = r.s.Doc;
    d.Channels[0] = rv::NewChannel(12);
    d.Channels[0].RxFreq.set("146525");
    d.ChannelCount = 1;
    d.Channels[5].ChNo = 99; // beyond the count: kept as it is
    d.Channels[5].RxFreq.assign("junk");
    d.FleetSyncInfo.OwnId = -123456;
    d.Fleets[7].IdValue = 70000;
    r.s.IsNewFile = true;
    ASSERT_TRUE(rvtest::SaveDataFile(r.s, path("a.dat")));
    EXPECT_FALSE(r.s.IsNewFile);
    const rv::Record saved = rv::ToRecord(r.s.Doc);

    RecordingSession other;
    other.s.IsNewFile = true; // as a new document is
    ASSERT_TRUE(rv::OpenDataFile(other.s, path("a.dat")));
    EXPECT_EQ(other.s.Doc, r.s.Doc);
    EXPECT_EQ(rv::ToRecord(other.s.Doc), saved);
    EXPECT_TRUE(rv::IsUnchanged(other.s));
    EXPECT_FALSE(other.s.IsNewFile);
    EXPECT_EQ(other.s.DocPath, path("a.dat"));
}

TEST_F(DataFileTest, OpenSwitchesModelAndBand) {
    const std::tuple<const char*, const char*, int, int> cases[] = {
        {"592", "450 - 520 MHz", 48, 248},
        {"6415", "245 - 246 MHz", 1, 248},
        {"582", "136 - 174 MHz", 1, 249},
    };
    for (const auto& [model, band, code, byte] : cases) {
        RecordingSession w;
        w.s.CurModelCode = model;
        w.s.CurBand = band;
        rv::SetBandLimits(w.s);
        rv::InitRadioData(w.s, "20260102");
        ASSERT_TRUE(rvtest::SaveDataFile(w.s, path("m.dat")));
        const auto b = Bytes(path("m.dat"));
        EXPECT_EQ(b[840], code) << model;
        EXPECT_EQ(b[838], byte) << model;

        RecordingSession o;
        ASSERT_TRUE(rv::OpenDataFile(o.s, path("m.dat")));
        EXPECT_EQ(o.s.CurModelCode, model);
        EXPECT_EQ(o.s.CurBand, band);
        EXPECT_EQ(o.s.BandLow, w.s.BandLow);
        EXPECT_EQ(o.s.BandHigh, w.s.BandHigh);
    }
}

TEST_F(DataFileTest, FailedOpenChangesNothingAndCreatesNothing) {
    std::ofstream(path("short.dat"), std::ios::binary) << std::string(1640, '\0');
    fs::create_directory(path("folder.dat"));
    r.s.Doc.Channels[0] = rv::NewChannel(1);
    r.s.Doc.ChannelCount = 1; // an unsaved edit must survive
    r.s.CurModelCode = "592";
    r.s.CurBand = "470 - 512 MHz";
    rv::SetBandLimits(r.s);
    const rv::Session before = r.s;
    const std::pair<const char*, rv::FileFault::Kind> cases[] = {
        {"missing.dat", rv::FileFault::NotFound},
        {"short.dat", rv::FileFault::WrongSize},
        {"folder.dat", rv::FileFault::NotAFile},
    };
    for (const auto& [name, why] : cases) {
        EXPECT_FALSE(rv::OpenDataFile(r.s, path(name))) << name;
        EXPECT_EQ(r.s.LastFileFault.kind, why) << name;
        EXPECT_EQ(r.s.Doc, before.Doc);
        EXPECT_EQ(r.s.SavedCopy, before.SavedCopy);
        EXPECT_EQ(r.s.CurModelCode, "592");
        EXPECT_EQ(r.s.CurBand, "470 - 512 MHz");
        EXPECT_EQ(r.s.BandLow, 470);
        EXPECT_EQ(r.s.DocPath, before.DocPath);
    }
    EXPECT_EQ(r.messages, std::vector<Msg>(3, Msg::FileError));
    EXPECT_FALSE(fs::exists(path("missing.dat")));
}

TEST_F(DataFileTest, SaveRefreshesModelInfoFromCurrentModel) {
    r.s.CurModelCode = "592";
    r.s.CurBand = "350 - 390 MHz";
    ASSERT_TRUE(rvtest::SaveDataFile(r.s, path("m.dat")));
    EXPECT_EQ(r.s.Doc.ModelInfo.BandCode, 83);
    EXPECT_EQ(r.s.Doc.ModelInfo.ModelByte, 248);
    EXPECT_TRUE(rv::IsUnchanged(r.s));
}

TEST(Record, ShortInputIsRefused) {
    std::vector<std::uint8_t> bytes(1640);
    EXPECT_FALSE(rv::FromRecord(bytes).has_value());
    bytes.push_back(0);
    EXPECT_TRUE(rv::FromRecord(bytes).has_value());
}

class Unchanged : public testing::Test {
protected:
    void SetUp() override {
        rv::InitRadioData(r.s, "20260102");
        for (int i = 0; i < 3; ++i) {
            r.s.Doc.Channels[i] = rv::NewChannel(i + 1);
            r.s.Doc.Channels[i].RxFreq.set("4461");
        }
        r.s.Doc.ChannelCount = 3;
        r.s.SavedCopy = r.s.Doc;
    }
    RecordingSession r;
};

TEST_F(Unchanged, EverySingleFieldChangeCounts) {
    // The same text with other padding is another file.
    rv::RadioData padded = r.s.SavedCopy;
    padded.Channels[0].RxFreq.assign("4461");
    EXPECT_FALSE(rv::IsUnchanged(padded, r.s.SavedCopy));
    // Every stored field, but for entries beyond the counts (three channels, six test
    // frequencies, no autodial codes or fleets), which a reader ignores.
    for (const rvtest::FileField& f : rvtest::FileLayout) {
        const std::string name = f.name;
        const bool unused = name.starts_with("Channel 16") || name.starts_with("DtmfCodes ") ||
                            name.starts_with("TestFres 16") || name.starts_with("Fleets ");
        rv::RadioData d = r.s.SavedCopy;
        f.set(d);
        EXPECT_EQ(rv::IsUnchanged(d, r.s.SavedCopy), unused) << name;
    }
}

TEST_F(Unchanged, AddThenDeleteWithAnotherNumberCounts) {
    rv::RadioData& d = r.s.Doc;
    d.Channels[3] = rv::NewChannel(9);
    d.Channels[3].RxFreq.set("4461");
    d.ChannelCount = 4;
    d.Channels[1] = d.Channels[3]; // channel 2 deleted: the last entry takes its place
    d.ChannelCount = 3;
    EXPECT_FALSE(rv::IsUnchanged(r.s));
}

TEST_F(Unchanged, ReorderedEntriesAndUnusedEntriesDoNotCount) {
    rv::RadioData& d = r.s.Doc;
    std::swap(d.Channels[0], d.Channels[2]);
    std::swap(d.TestFres[0], d.TestFres[5]);
    d.Channels[10].ChNo = 77; // beyond the count
    d.Fleets[4].Fleet = 5;
    EXPECT_TRUE(rv::IsUnchanged(r.s));
}

} // namespace

namespace {

TEST(UnchangedRegression, DocumentWithRepeatedSlotNumbersEqualsItself) {
    rv::RadioData d;
    d.ChannelCount = 2;
    d.Channels[0] = rv::NewChannel(3);
    d.Channels[1] = rv::NewChannel(3);
    d.Channels[1].TxPower = 0;
    d.FleetCount = 2;
    d.Fleets[0] = {1, 5, 5};
    d.Fleets[1] = {1, 6, 6};
    EXPECT_TRUE(rv::IsUnchanged(d, d));
}

} // namespace
