#pragma once

// Kept alignments: the radio's tuning block with who the radio is and when, as a small
// JSON file beside the clone backups.

#include "jobs/AlignmentDiff.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace rv::jobs {

struct AlignmentRecord {
    QString serial;
    QString model; ///< model code, e.g. "817"
    QString band;  ///< band text of that model
    QString version;
    QDateTime time;
    TuneBlock block{};
};

/// The radio as test mode sees it: its identification reply and, from a radio-information
/// read before entering, serial number, version and model type (empty when not read).
AlignmentRecord RecordOf(const std::vector<std::uint8_t>& ident,
                         const std::vector<std::uint8_t>& block, const QString& serial,
                         const QString& version, const QDateTime& when);

/// Keeps `r` as `dir`/SERIAL-YYYYMMDD-HHMMSS.align.json (-2, -3 ... when that name is
/// taken; nothing is overwritten). False with the reason in `error`.
bool SaveAlignment(const AlignmentRecord& r, const QString& dir, QString* path, QString* error,
                   int language);
/// Writes `r` to exactly `path` (a new file only). False with the reason in `error`.
bool SaveAlignmentAs(const AlignmentRecord& r, const QString& path, QString* error, int language);

/// Reads a kept alignment; false with a reason that names the file for anything else: not
/// a regular file, over 64 KiB, a format other than this program's, or item values that
/// contradict the block.
bool LoadAlignment(const QString& path, AlignmentRecord* r, QString* error, int language);

/// Why `kept` may not be written to the radio `radio` describes (another model or band,
/// naming both); empty when it may.
QString KeptMismatch(const AlignmentRecord& kept, const AlignmentRecord& radio, int language);
/// Whether `kept` was taken from this very radio: both serial numbers read, and equal
/// (blanks around them aside).
bool SameRadio(const AlignmentRecord& kept, const AlignmentRecord& radio);

/// The kept alignments in `dir`, newest first; only those of `serial` unless it is empty.
QStringList ListAlignments(const QString& dir, const QString& serial = {});

/// The file name part that stands for a serial number (anything unsafe in a name becomes _).
QString SerialStem(const QString& serial);

} // namespace rv::jobs
