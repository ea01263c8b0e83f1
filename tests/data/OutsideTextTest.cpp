#include "data/OutsideText.h"

#include <gtest/gtest.h>

namespace {

// (The command-level history test shows NUL, escape sequences, overrides, Latin-1 bytes and
// the cut of a long field; these are the rest.)
TEST(OutsideText, EveryControlAndBrokenSequenceBecomesAMarkAndLengthCountsCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"x\x7f\xC2\x9B"
         "1m",
         "x\xE2\x90\xA1\xEF\xBF\xBD"
         "1m"},                  // DEL, a C1 control
        {"\xC0\xAF\xED\xA0\x80", // overlong, surrogate: per byte
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xE2\x81\xA6"
         "a\xE2\x80\x8F",
         "\xEF\xBF\xBD"
         "a\xEF\xBF\xBD"}, // isolate, RLM
    };
    for (const auto& [given, shown] : cases)
        EXPECT_EQ(rv::ShownText(given), shown) << given;
    std::string chinese;
    for (int i = 0; i < 201; ++i)
        chinese += "机";
    EXPECT_EQ(rv::ShownText(chinese).size(), 199u * 3 + 3); // cut by characters, not bytes
    EXPECT_EQ(rv::ShownText(std::string(200, 'x')), std::string(200, 'x'));
    EXPECT_EQ(rv::ShownText(std::string(300, 'x'), 0).size(), 300u);
}

TEST(OutsideText, LogCellsNeverStartAFormulaAndReadBackTheSame) {
    const std::pair<std::string, std::string> cases[] = {
        {"=1+2", "'=1+2"}, {"+A", "'+A"},           {"@SUM(A1)", "'@SUM(A1)"},
        {"-2+3", "'-2+3"}, {"-12.5", "-12.5"},      {"\tx", "'\tx"},
        {"'x", "''x"},     {"C0000003", "C0000003"}};
    for (const auto& [text, cell] : cases) {
        EXPECT_EQ(rv::LogCell(text), cell) << text;
        EXPECT_EQ(rv::CellOfLog(cell), text) << text;
    }
    EXPECT_EQ(rv::CellOfLog("'plain"), "'plain"); // an apostrophe the log did not add stays
}

} // namespace
