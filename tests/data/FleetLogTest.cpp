#include "data/FleetLog.h"

#include <gtest/gtest.h>

namespace {

TEST(FleetLog, RowsRoundTripThroughQuotingAndOnlyOkCountsAsProgrammed) {
    const rv::FleetLogRow row{"2026-12-07T10:00:00",
                              "/dev/tty,odd",
                              "7415",
                              "400 - 470 MHz",
                              "A\"1",
                              "OK",
                              "/backups/a b.img",
                              "",
                              "",
                              ""};
    const std::string line = rv::FleetLogLine(row);
    EXPECT_EQ(line, "2026-12-07T10:00:00,\"/dev/tty,odd\",7415,400 - 470 MHz,\"A\"\"1\",OK,"
                    "/backups/a b.img,,,\n");
    std::size_t pos = 0;
    const auto fields = rv::ReadCsvRecord(line, pos);
    EXPECT_EQ(fields, (std::vector<std::string>{row.time, row.port, row.model, row.band, row.serial,
                                                row.result, row.backup, "", "", ""}));
    EXPECT_EQ(pos, line.size());
    const std::string text = rv::FleetLogHeader() + line + "x,1,7415,b,S2,verify failed,\r\n" +
                             "short,row\n" + "y,2,7415,b,,OK,\n";
    EXPECT_EQ(rv::ProgrammedSerials(text), std::set<std::string>{"A\"1"});
}

} // namespace

TEST(FleetLog, ARadioCountsAsProgrammedOnlyWithTheSameDocument) {
    const std::uint8_t a[] = {1, 2, 3};
    const std::uint8_t b[] = {1, 2, 4};
    const std::string hashA = rv::DocumentHash(a, 3);
    ASSERT_NE(hashA, rv::DocumentHash(b, 3));
    const std::string text =
        rv::FleetLogHeader() +
        rv::FleetLogLine({"t", "1", "7415", "b", "S1", "OK", "", "a.dat", hashA, ""}) +
        rv::FleetLogLine({"t", "1", "7415", "b", "S2", "failed", "", "a.dat", hashA, ""}) +
        "t,1,7415,b,S3,OK,\n"; // a log kept before documents were recorded
    const struct {
        std::string hash;
        std::set<std::string> skipped;
    } rows[] = {{hashA, {"S1"}}, {rv::DocumentHash(b, 3), {}}, {"", {}}};
    for (const auto& r : rows)
        EXPECT_EQ(rv::ProgrammedSerials(text, r.hash), r.skipped) << r.hash;
    EXPECT_EQ(rv::ProgrammedRadios(text),
              (std::set<std::pair<std::string, std::string>>{{"S1", hashA}}));
}
