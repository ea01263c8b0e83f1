#include "Fixtures.h"

#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/Image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>

namespace {

using rvtest::RecordingSession;

// Every setting that passes the range check lies inside its range whatever the radio sent.
void ExpectSettingsInRange(const rv::RadioData& d) {
    const auto& o = d.OptFeatures;
    EXPECT_TRUE(o.TotTime >= 1 && o.TotTime <= 40);
    EXPECT_TRUE(o.TotPreAlert >= 0 && o.TotPreAlert <= 10);
    EXPECT_TRUE(o.SquelchLevel >= 0 && o.SquelchLevel <= 9);
    EXPECT_TRUE(o.VoiceAnnunciation >= 0 && o.VoiceAnnunciation <= 3);
    EXPECT_TRUE(o.PttIdMode <= 2 && o.PttIdType <= 2);
    EXPECT_TRUE(o.VoxGain <= 10 && o.VoxDelay <= 5);
    for (int flag :
         {o.MicSensitivity, o.BatterySave, o.Beep, o.ScramblerActivation, o.ScramblerBackup,
          o.VoxFunction, o.VoxCancelOperation, o.VoxProceedTone, o.VoxInhibitOnRx, o.CloneMode})
        EXPECT_TRUE(flag == 0 || flag == 1);
    for (int key : {d.KeyFunc1, d.KeyFunc2})
        EXPECT_TRUE(key == 0 || (key >= 2 && key <= 11) || key == 255) << key;
    const auto& s = d.ScanInfo;
    EXPECT_TRUE(s.PriorityType <= 2 && (s.PriorityChannel <= 16 || s.PriorityChannel == 255));
    EXPECT_TRUE(s.LookBackA >= 1 && s.LookBackA <= 91 && s.LookBackB >= 1 && s.LookBackB <= 91);
    EXPECT_TRUE(s.RevertChannel <= 3 && s.DropoutDelay <= 300 && s.TxDwell <= 300);
    const auto& t = d.DtmfInfo;
    EXPECT_TRUE(t.FirstDigitDelay >= 10 && t.FirstDigitDelay <= 100 && t.FirstDigitDelay % 5 == 0);
    EXPECT_TRUE(t.DtmfSpeed <= 3 && t.FirstDigitTime <= 3 && t.StarHashTone <= 3);
    EXPECT_TRUE(t.DCodeAssign <= 16 && t.AutoResetTimer <= 15 && t.CallAlert <= 2);
    EXPECT_TRUE(t.Transpond <= 2 && t.ClearToTranspond <= 1 && t.StunType <= 1);
    EXPECT_TRUE(t.DtmfSideTone <= 1);
    EXPECT_NE(std::string("\0ABCD*#", 7).find(static_cast<char>(t.GroupCode)), std::string::npos);
    const std::string id = t.IdCode.get();
    EXPECT_TRUE(id.size() >= 3 && id.find_first_not_of("0123456789") == std::string::npos);
    const auto& f = d.FleetSyncInfo;
    EXPECT_TRUE((f.OwnFleet >= 1 && f.OwnFleet <= 250) || f.OwnFleet == 255);
    EXPECT_TRUE(f.OwnId <= 4000 && f.TxModDelay <= 6000 && f.MsgModeTimer <= 300);
    EXPECT_TRUE(f.BaudRate <= 1 && f.PttIdSideTone <= 1);
    EXPECT_TRUE(d.ChannelCount <= 16 && d.DtmfCodeCount <= 8 && d.FleetCount <= 8 &&
                d.TestFreCount <= 16);
}

TEST(Robustness, AnyImageDecodesWithSettingsInRangeAndEncodesAgain) {
    std::mt19937 gen(20260102);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 400; ++round) {
        rv::MemoryImage m;
        // Half the images are mostly blank so that valid channels and texts occur as well.
        const bool sparse = round % 2;
        for (auto& b : m)
            b = static_cast<std::uint8_t>(sparse && byte(gen) < 200 ? 0xFF : byte(gen));
        RecordingSession r;
        rv::DecodeImage(m, r.s);
        ExpectSettingsInRange(r.s.Doc);
        rv::MemoryImage again;
        rv::InitImage(again);
        std::string error;
        EXPECT_TRUE(rv::EncodeImage(r.s.Doc, again, &error)) << error;
        for (int i = 0; i < r.s.Doc.ChannelCount; ++i)
            EXPECT_FALSE(rv::StorageToFreq(r.s, r.s.Doc.Channels[i].RxFreq.get()).empty());
        if (HasFailure()) break;
    }
}

TEST(Robustness, AnyByteStringAsDataFileOpensOrIsRefused) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 2000);
    const std::string path = rvtest::UniqueTempPath("random.dat");
    for (int round = 0; round < 200; ++round) {
        std::string bytes(round % 2 ? rv::RecordSize : static_cast<std::size_t>(length(gen)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(byte(gen));
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << bytes;
        }
        RecordingSession r;
        rv::InitRadioData(r.s, "20260102");
        const bool opened = rv::OpenDataFile(r.s, path);
        EXPECT_EQ(opened, bytes.size() == rv::RecordSize);
        if (!opened) continue;
        // Whatever the file holds, the program can show it, compare it and try to write it.
        rv::MemoryImage m;
        rv::InitImage(m);
        rv::EncodeImage(r.s.Doc, m);
        for (int i = 0; i < std::min<int>(std::max<int>(r.s.Doc.ChannelCount, 0), 16); ++i) {
            rv::StorageToFreq(r.s, r.s.Doc.Channels[i].RxFreq.full());
            rv::ToneToText(r.s, r.s.Doc.Channels[i].RxCode.full());
        }
        EXPECT_TRUE(rv::IsUnchanged(r.s));
        EXPECT_FALSE(r.s.CurBand.empty());
    }
    std::remove(path.c_str());
}

TEST(Robustness, AnyValidDocumentSurvivesImageAndFile) {
    std::mt19937 gen(99);
    auto pick = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    const std::string path = rvtest::UniqueTempPath("valid.dat");
    for (int round = 0; round < 100; ++round) {
        RecordingSession r;
        rv::InitRadioData(r.s, "20260102");
        rv::RadioData& d = r.s.Doc;
        d.ChannelCount = 0;
        // Channels stored from 16 down: a read lists them from 1 up.
        for (int n = 16; n >= 1; --n) {
            if (pick(0, 1)) continue;
            rv::ChannelInfo c = rv::NewChannel(n);
            c.RxFreq.set(std::to_string(pick(10000000, 55000000)));
            if (pick(0, 1)) c.TxFreq.set(std::to_string(pick(10000000, 55000000)));
            c.RxCode.set(rv::TextToTone(r.s, rv::ToneList(rv::English)[pick(0, 205)]));
            c.TxCode.set(rv::TextToTone(r.s, rv::ToneList(rv::English)[pick(0, 205)]));
            c.SpUnmute = static_cast<rv::Int16>(pick(0, 2));
            c.BusyLockout = static_cast<rv::Int16>(pick(0, 3));
            c.OptSignal = static_cast<rv::Int16>(pick(0, 2));
            c.AutodialMem = static_cast<rv::Int16>(pick(0, 7));
            c.ScanAdd = static_cast<rv::Int16>(pick(0, 1));
            c.TxPower = static_cast<rv::Int16>(pick(0, 1));
            d.Channels[d.ChannelCount++] = c;
        }
        d.OptFeatures.TotTime = static_cast<rv::Int16>(pick(1, 40));
        d.DtmfInfo.FirstDigitDelay = static_cast<rv::Int16>(pick(2, 20) * 5);
        d.FleetSyncInfo.OwnId = pick(0, 4000);
        d.ScanInfo.DropoutDelay = static_cast<rv::Int16>(pick(0, 300));

        rv::MemoryImage m;
        rv::InitImage(m);
        ASSERT_TRUE(rv::EncodeImage(d, m));
        RecordingSession back;
        back.s.Doc = d;
        rv::DecodeImage(m, back.s);
        // Channels come back in ascending order with 8-digit frequencies.
        ASSERT_EQ(back.s.Doc.ChannelCount, d.ChannelCount);
        for (int i = 0; i < d.ChannelCount; ++i) {
            rv::ChannelInfo expected = d.Channels[d.ChannelCount - 1 - i];
            expected.RxFreq.set(expected.RxFreq.get());
            EXPECT_EQ(back.s.Doc.Channels[i], expected) << "round " << round;
        }
        EXPECT_EQ(back.s.Doc.OptFeatures, d.OptFeatures);
        EXPECT_EQ(back.s.Doc.DtmfInfo, d.DtmfInfo);
        EXPECT_EQ(back.s.Doc.FleetSyncInfo, d.FleetSyncInfo);
        EXPECT_EQ(back.s.Doc.ScanInfo, d.ScanInfo);
        // Encoding what was decoded gives the same bytes again.
        rv::MemoryImage again;
        rv::InitImage(again);
        ASSERT_TRUE(rv::EncodeImage(back.s.Doc, again));
        EXPECT_EQ(again, m) << "round " << round;

        ASSERT_TRUE(rvtest::SaveDataFile(r.s, path));
        RecordingSession reopened;
        ASSERT_TRUE(rv::OpenDataFile(reopened.s, path));
        EXPECT_EQ(reopened.s.Doc, r.s.Doc);
        if (HasFailure()) break;
    }
    std::remove(path.c_str());
}

} // namespace
