#include "data/RadioHistory.h"
#include "data/Image.h"
#include "data/ImageMap.h"
#include "data/ModelTables.h"

#include <gtest/gtest.h>

namespace {

TEST(RadioHistory, BackupNamesCarryTheSerialAndReadBack) {
    struct Case {
        std::string serial;
        const char* base;
        const char* parsedSerial;
    };
    const Case cases[] = {
        {"C0000003", "C0000003-20261207-103000", "C0000003"},
        {"  12/3 4\xFF\xFF", "12_3_4-20261207-103000", "12_3_4"},
        {"A-1", "A_1-20261207-103000", "A_1"},
        // A serial that looks like a date is still a serial, not the old naming.
        {"20261201", "20261201-20261207-103000", "20261201"},
        // No readable serial: the time and model naming stays.
        {std::string("\xFF\xFF\xFF\xFF", 4), "20261207-103000-7415", ""},
        {std::string("\0\0 ", 3), "20261207-103000-7415", ""},
        {"--??", "20261207-103000-7415", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rv::BackupBaseName(c.serial, "20261207-103000", "7415"), c.base);
        const auto parsed = rv::ParseBackupName(std::string(c.base) + "-2.img");
        ASSERT_TRUE(parsed) << c.base;
        EXPECT_EQ(parsed->serial, c.parsedSerial);
        EXPECT_EQ(parsed->date + " " + parsed->time, "2026-12-07 10:30:00");
        EXPECT_EQ(parsed->copy, 2);
    }
    for (const char* other : {"history.csv", "notes.img", "a-b-c.dat", "20261207-1030-7415.img",
                              "S1-20261207-103000-x.img", "S1-20261207-103000-1.img"})
        EXPECT_FALSE(rv::ParseBackupName(other)) << other;
}

TEST(RadioHistory, ListingPairsFilesAndPutsTheNewestFirst) {
    const auto entries = rv::BackupsOf(
        {"S1-20261207-103000.img", "history.csv", "20261101-090000-7415.img",
         "20261101-090000-7415.dat", "S1-20261207-103000.dat", "S2-20261207-103000-2.img",
         "S2-20261130-235959.dat", "S3-20991307-256199.img", "S3-20260229-120000.img"});
    std::vector<std::string> shown;
    for (const auto& e : entries)
        shown.push_back(e.serial + "|" + e.date + " " + e.time + "|" + e.model + "|" + e.file() +
                        "|" + e.data);
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "S2|2026-12-07 10:30:00||S2-20261207-103000-2.img|",
                         "S1|2026-12-07 10:30:00||S1-20261207-103000.img|S1-20261207-103000.dat",
                         "S2|2026-11-30 23:59:59||S2-20261130-235959.dat|S2-20261130-235959.dat",
                         "|2026-11-01 09:00:00|7415|20261101-090000-7415.img|"
                         "20261101-090000-7415.dat",
                         // Dates no clock gives come last, whatever their digits say.
                         "S3|2099-13-07 25:61:99||S3-20991307-256199.img|",
                         "S3|2026-02-29 12:00:00||S3-20260229-120000.img|"}));
    EXPECT_FALSE(entries[5].dateValid);
    EXPECT_TRUE(entries[0].dateValid);

    rv::MemoryImage image{};
    rv::InitImage(image);
    rv::BackupEntry e = entries[3];
    e.model = "stale";
    image[rv::image::ModelByteAt] = 0xEE; // names no model: nothing is guessed
    rv::TakeModelOfImage(image, e);
    EXPECT_EQ(e.model + e.band, "");
    const std::string band = rv::BandsOfModel("7415").front();
    image[rv::image::BandCodeAt] = static_cast<std::uint8_t>(rv::BandCodeOf(band, "7415"));
    image[rv::image::ModelByteAt] = static_cast<std::uint8_t>(rv::ModelByteOf("7415"));
    rv::TakeModelOfImage(image, e);
    EXPECT_EQ(e.model + " " + e.band, "7415 " + band);
}

TEST(RadioHistory, LogLinesRoundTripAndOtherLinesArePassedOver) {
    // A comma, quotes, tabs at the ends and a serial a spreadsheet would take for a formula.
    const rv::HistoryEntry entry{"2026-12-07T10:30:00", "=1+2",
                                 "fleet write",         "\t/data/a, \"b\".dat\t",
                                 "9f86d081884c7d65",    "verify failed"};
    const std::string text = rv::HistoryHeader() + rv::HistoryLine(entry) +
                             "2026-12-07T10:31:00,C1,erase,f,h,OK\r\n" + // unknown operation
                             "2026-12-07T10:32:00,C1,read,f\r\n" +       // torn line
                             "\r\n" + rv::HistoryLine({"t", "", "read", "r.img", "h", "OK"});
    EXPECT_EQ(rv::ParseHistory(text),
              (std::vector<rv::HistoryEntry>{entry, {"t", "", "read", "r.img", "h", "OK"}}));
    EXPECT_EQ(rv::OperationText("fleet write", rv::Chinese), "批量写入");
}

} // namespace
