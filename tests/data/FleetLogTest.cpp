#include "data/FleetLog.h"
#include "data/Csv.h"

#include <gtest/gtest.h>

namespace {

rv::FleetLogRow Row(const std::string& serial, const std::string& result, const std::string& hash) {
    return {
        "2026-12-07T10:00:00", "/dev/tty,odd", "7415", "b", serial, result, "", "a.dat", hash, ""};
}

TEST(FleetLog, RowsRoundTripWithFormulaLikeCellsNeutralised) {
    rv::FleetLogRow row = Row("=1+2", "OK", "h1");
    row.values = "message.line1=-A; dtmf.id_code=\"7\"";
    const std::string line = rv::FleetLogLine(row);
    EXPECT_EQ(line.substr(0, 41), "2026-12-07T10:00:00,\"/dev/tty,odd\",7415,b");
    EXPECT_NE(line.find(",'=1+2,"), std::string::npos) << line;
    const auto records = rv::ParseCsv(rv::FleetLogHeader() + line).records;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].fields[9], row.values);
    EXPECT_EQ(rv::LatestWrites(rv::FleetLogHeader() + line),
              (std::map<std::string, std::string>{{"=1+2", "h1"}}));
}

// Only a radio's latest row counts: A then B then A again writes A again.
TEST(FleetLog, ARadioIsProgrammedOnlyByItsLatestWrite) {
    const std::string log = rv::FleetLogHeader() + rv::FleetLogLine(Row("S1", "OK", "A")) +
                            rv::FleetLogLine(Row("S2", "OK", "A")) +
                            rv::FleetLogLine(Row("S1", "OK", "B")) +
                            rv::FleetLogLine(Row("S2", "failed", "B")) +
                            "t,1,7415,b,S3,OK,\r\n" // a log kept before documents were recorded
                            "short,row\r\n";
    EXPECT_EQ(rv::LatestWrites(log),
              (std::map<std::string, std::string>{{"S1", "B"}, {"S2", ""}, {"S3", ""}}));
}

} // namespace
