#pragma once

#include "ChannelCommit.h"
#include "Session.h"

#include <string>
#include <string_view>
#include <vector>

namespace rv {

/// The columns of the community CSV layout, in the order export writes them.
const std::vector<std::string>& CsvHeader();

/// The channels of the document in the community CSV layout: the full header, then one row
/// per channel in channel order.
std::string ExportChannelsCsv(const Session& s);

/// Why a row of an imported file is left out.
enum class CsvSkip {
    BadNumber,
    NoSuchChannel,
    NoChannelLeft,
    ChannelTaken,
    OutsideBand,
    OffRaster,
    ToneNotOffered,
    UnknownTone,
    UnknownMode,
    UnknownDuplex,
    BadPolarity,
};

/// Why a whole file cannot be imported.
enum class CsvFileError { None, NoHeader, NoLocation, Utf16 };

struct CsvImportOptions {
    bool renumber = false;   ///< usable rows fill channels 1, 2, ... in file order
    bool replaceAll = false; ///< channels the file does not set are deleted
};

/// A setting a row carries: the channel setting and its display text in the session's
/// language, as it would be typed into the channel grid.
struct CsvField {
    ChannelFieldKind kind;
    std::string text;
};

enum class CsvRowAction { New, Change, NoChange, Skip };

/// What import does with one row of the file.
struct CsvRowPlan {
    int line = 0; ///< the line of the file the row starts on
    int chNo = 0; ///< the channel it goes to; 0 when it has none
    CsvRowAction action = CsvRowAction::Skip;
    CsvSkip skip = CsvSkip::BadNumber; ///< why a skipped row is skipped
    std::string detail;                ///< the column and value at fault
    std::vector<CsvField> fields;      ///< what is set, in commit order
};

/// Everything an import will do, worked out before anything changes.
struct CsvImportPlan {
    CsvFileError error = CsvFileError::None;
    std::vector<CsvRowPlan> rows;
    std::vector<int> cleared; ///< channels deleted because the file does not set them
    /// Columns with text that the radio has no place for (Name, Comment), as the header
    /// spells them.
    std::vector<std::string> dropped;
    int skippedCount() const;
};

/// Reads a file in the community CSV layout against the document of the session: which row
/// goes to which channel with which settings, and which rows are skipped and why. The
/// settings of a usable row are those the document holds after the change. Replacing the
/// list clears nothing when no row is usable. The document is not changed.
CsvImportPlan PlanChannelImport(const Session& s, std::string_view csv,
                                const CsvImportOptions& options);

/// Carries out a plan through the channel commit: every usable row whole, no skipped row,
/// then the deletions. Settings that already hold the value are left untouched.
void ApplyChannelImport(Session& s, const CsvImportPlan& plan);

/// The message of a file that cannot be imported.
std::string CsvFileErrorText(CsvFileError error, int language);

/// "New", "Change", "No change", "Skipped".
std::string CsvActionText(CsvRowAction action, int language);

/// What a row sets ("RX 446.00625, TX 446.00625, ...") or why it is skipped.
std::string CsvRowDetails(const CsvRowPlan& row, int language);

/// The note that the columns of `dropped` are not imported; empty when there are none.
std::string CsvDroppedText(const CsvImportPlan& plan, int language);

/// The import report: one line per row, one per cleared channel, the dropped columns, and a
/// summary.
std::vector<std::string> CsvImportReport(const CsvImportPlan& plan, int language);

} // namespace rv
