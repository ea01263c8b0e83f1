#include "data/Csv.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows FieldsOf(const rv::CsvTable& t) {
    Rows rows;
    for (const auto& r : t.records)
        rows.push_back(r.fields);
    return rows;
}

TEST(CsvTest, SplitsTheWaysSpreadsheetsAndToolsWrite) {
    const Rows abc{{"a", "b"}, {"1", "2"}};
    const struct {
        const char* name;
        std::string text;
        Rows rows;
        char delimiter;
    } cases[] = {
        {"LF", "a,b\n1,2\n", abc, ','},
        {"CRLF without last line end", "a,b\r\n1,2", abc, ','},
        {"lone CR", "a,b\r1,2\r", abc, ','},
        {"BOM",
         "\xEF\xBB\xBF"
         "a,b\n1,2\n",
         abc, ','},
        {"blank lines and empty rows", "\n a , b \n\n,,\n1,2\n\n", abc, ','},
        {"semicolons with decimal commas", "a;b\n1,5;2\n", {{"a", "b"}, {"1,5", "2"}}, ';'},
        {"tabs", "a\tb\n1\t2\n", abc, '\t'},
        {"quotes", "a,b\n\"x, \"\"y\"\"\",\" z \"\n", {{"a", "b"}, {"x, \"y\"", " z "}}, ','},
        {"quoted line break", "a,b\n\"1\r\n2\",3\n", {{"a", "b"}, {"1\r\n2", "3"}}, ','},
        {"semicolon inside quotes of a comma file", "\"a;b;c\",d\n", {{"a;b;c", "d"}}, ','},
        {"unterminated quote", "a,\"b\n", {{"a", "b\n"}}, ','},
    };
    for (const auto& c : cases) {
        const auto t = rv::ParseCsv(c.text);
        EXPECT_EQ(FieldsOf(t), c.rows) << c.name;
        EXPECT_EQ(t.delimiter, c.delimiter) << c.name;
    }
}

TEST(CsvTest, RecordsKnowTheLineTheyStartOn) {
    const auto t = rv::ParseCsv("h\n\n\"x\ny\"\nz\n");
    ASSERT_EQ(t.records.size(), 3u);
    EXPECT_EQ(t.records[1].line, 3);
    EXPECT_EQ(t.records[2].line, 5);
}

TEST(CsvTest, LinesQuoteOnlyWhatNeedsItAndReadBack) {
    const std::vector<std::string> fields{"plain", "",      "a,b",   "say \"hi\"",
                                          " pad",  "tab\t", "\ttab", "two\nlines"};
    const std::string line = rv::CsvLine(fields);
    EXPECT_EQ(line,
              "plain,,\"a,b\",\"say \"\"hi\"\"\",\" pad\",\"tab\t\",\"\ttab\",\"two\nlines\"\r\n");
    const auto back = rv::ParseCsv(line + line);
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[1].fields, fields);
}

} // namespace

TEST(Csv, AQuoteThatNeverClosesNamesItsLine) {
    EXPECT_EQ(rv::ParseCsv("serial,k\r\n1,2\r\n\"3,4\r\n5,6\r\n").unclosedQuote, 3);
    EXPECT_EQ(rv::ParseCsv("serial,k\r\n\"1\",\"a\r\nb\"\r\n").unclosedQuote, 0);
}
