#pragma once

#include "ChannelCsv.h"
#include "Csv.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rv {

/// The columns of an imported file by name, matched without regard to case.
class CsvColumns {
public:
    explicit CsvColumns(const std::vector<std::string>& header);
    bool has(std::string_view name) const;
    /// The field of a column in a record; nullopt when the file has no such column.
    std::optional<std::string> cell(const CsvRecord& record, std::string_view name) const;

private:
    std::map<std::string, std::size_t> index_;
};

/// One row read: the channel it names and the settings it carries, or why it is unusable.
struct CsvRowRead {
    int location = 0;
    std::vector<CsvField> fields;
    std::optional<CsvSkip> skip;
    std::string detail;
};

/// Reads a data row against the band and tone lists of the session. `readLocation` is false
/// when rows fill the channels in file order and their Location does not count.
CsvRowRead ReadCsvRow(const Session& s, const CsvColumns& columns, const CsvRecord& record,
                      char delimiter, bool readLocation);

} // namespace rv
