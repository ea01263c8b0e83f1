#pragma once

#include "data/Session.h"

#include <QString>

#include <optional>
#include <string>

namespace rv::jobs {

/// Which radio a kept image belongs to: its serial number, model and band code.
struct RadioKey {
    std::string serial;
    std::string model;
    int bandCode = 0;
    /// A radio is only known by a serial number it gave and an ident it answered.
    bool known() const { return !serial.empty() && !model.empty(); }
};

/// The last image a write verified on each radio, kept in `backupDir`/verified/ as
/// SERIAL-MODEL-BAND.img. A backup read that equals it byte for byte has been confirmed by
/// two independent reads (the verify read then, the backup read now).
class VerifiedImages {
public:
    explicit VerifiedImages(QString backupDir) : dir_(std::move(backupDir)) {}

    /// The file of one radio; empty for a radio that is not known.
    QString pathOf(const RadioKey& radio) const;
    /// The kept image of `radio`; nullopt when there is none or it is not a whole image.
    std::optional<rv::MemoryImage> find(const RadioKey& radio) const;
    /// Replaces the kept image of `radio` as a whole (never half written). False when it
    /// cannot be written or the radio is not known.
    bool keep(const RadioKey& radio, const rv::MemoryImage& image) const;

private:
    QString dir_;
};

/// What the radio holds after a verified write: the bytes sent over the write map, the
/// confirmed backup everywhere else.
rv::MemoryImage VerifiedImageOf(const rv::MemoryImage& before, const rv::MemoryImage& sent);

/// How a backup was confirmed before the write.
enum class BackupConfirmation {
    KeptImage, ///< one read, equal to the image the last write verified on this radio
    TwoReads,  ///< two reads agreed
    Vote       ///< a third read decided where two differed
};

/// Records beside the backup image `imagePath` how it was confirmed, as `<stem>.confirm`
/// (the .img and .dat stay as they are). False when the note cannot be written.
bool NoteBackupConfirmation(const QString& imagePath, BackupConfirmation how, int reads,
                            const RadioKey& radio);

} // namespace rv::jobs
