#include "data/OutsideText.h"

#include <gtest/gtest.h>

namespace {

TEST(OutsideText, ControlsOverridesAndBrokenUtf8BecomeVisibleMarks) {
    const struct {
        std::string given, shown;
    } cases[] = {
        {"café 对讲机", "café 对讲机"},
        {std::string("a\0b", 3), "a\xE2\x90\x80"
                                 "b"},                    // NUL does not end the text
        {"\x1b[2Jx\x7f", "\xE2\x90\x9B[2Jx\xE2\x90\xA1"}, // ESC and DEL as their pictures
        {"\xC2\x9B"
         "1m",
         "\xEF\xBF\xBD"
         "1m"}, // C1 control
        {"abc\xE2\x80\xAE"
         "cba",
         "abc\xEF\xBF\xBD"
         "cba"},                              // right-to-left override
        {"v\xE9.json", "v\xEF\xBF\xBD.json"}, // Latin-1 byte
        {"\xC0\xAF\xED\xA0\x80",              // overlong and surrogate: a mark per byte
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rv::ShownText(c.given), c.shown) << c.given;
}

TEST(OutsideText, LongFieldsAreCutToTheLimitWithAnEllipsis) {
    EXPECT_EQ(rv::ShownText(std::string(200, 'x')), std::string(200, 'x'));
    EXPECT_EQ(rv::ShownText(std::string(100000, 'x')), std::string(199, 'x') + "\xE2\x80\xA6");
    std::string chinese;
    for (int i = 0; i < 201; ++i)
        chinese += "机";
    EXPECT_EQ(rv::ShownText(chinese).size(), 199u * 3 + 3); // cut by characters, not bytes
    EXPECT_EQ(rv::ShownText(std::string(300, 'x'), 0).size(), 300u);
}

TEST(OutsideText, LogCellsNeverStartAFormulaAndReadBackTheSame) {
    const struct {
        std::string text, cell;
    } cases[] = {{"=1+2", "'=1+2"},
                 {"+A", "'+A"},
                 {"@SUM(A1)", "'@SUM(A1)"},
                 {"-2+3", "'-2+3"},
                 {"-12.5", "-12.5"},
                 {"\tx", "'\tx"},
                 {"'x", "''x"},
                 {"C0000003", "C0000003"},
                 {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(rv::LogCell(c.text), c.cell) << c.text;
        EXPECT_EQ(rv::CellOfLog(rv::LogCell(c.text)), c.text) << c.text;
    }
    EXPECT_EQ(rv::CellOfLog("'plain"), "'plain"); // an apostrophe the log did not add stays
}

} // namespace
