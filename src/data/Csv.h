#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv {

/// One record of a CSV text: its fields and the line of the text it starts on (from 1).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

/// A CSV text split into records.
struct CsvTable {
    char delimiter = ',';
    std::vector<CsvRecord> records;
    int unclosedQuote = 0; ///< the line of a quote that never closes (the text is cut), or 0
};

/// Splits a CSV text as spreadsheets and the community tools write it: UTF-8 with or without
/// a byte order mark, CRLF or LF line ends, fields in double quotes (a doubled quote inside
/// stands for one; quoted fields may span lines). The delimiter is the one of ',', ';' and
/// tab found most often outside quotes in the first line. Unquoted fields are trimmed of
/// blanks; records without any text are left out.
CsvTable ParseCsv(std::string_view text);

/// One CSV line, fields joined by commas, quoted where they hold a comma, a quote, a line
/// break or surrounding blanks or tabs; ends with CRLF.
std::string CsvLine(const std::vector<std::string>& fields);

} // namespace rv
