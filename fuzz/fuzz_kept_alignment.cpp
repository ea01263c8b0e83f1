// Any file given as a kept alignment is read or refused with a reason that names it; one
// that is read is kept again and read back the same, so that what alignment-restore writes
// is what the file said.
#include "jobs/AlignmentStore.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

QString Scratch(const char* what) {
    return QStringLiteral("/tmp/fuzz_kept_alignment-%1-%2.json")
        .arg(::getpid())
        .arg(QLatin1String(what));
}

bool SameRecord(const rv::jobs::AlignmentRecord& a, const rv::jobs::AlignmentRecord& b) {
    return a.block == b.block && a.serial == b.serial && a.model == b.model && a.band == b.band &&
           a.version == b.version && a.time.isValid() == b.time.isValid();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input = Scratch("in"), kept = Scratch("kept");
    std::ofstream(input.toStdString(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    rv::jobs::AlignmentRecord read;
    QString why;
    const int language = size > 0 && data[0] % 2 ? 2 : 1;
    const bool ok = rv::jobs::LoadAlignment(input, &read, &why, language);
    if (!ok && !why.startsWith(input + QStringLiteral(": "))) std::abort();
    if (ok) {
        QFile::remove(kept);
        rv::jobs::AlignmentRecord again;
        if (!rv::jobs::SaveAlignmentAs(read, kept, &why, 1) ||
            !rv::jobs::LoadAlignment(kept, &again, &why, 1) || !SameRecord(read, again))
            std::abort();
    }
    QFile::remove(input);
    QFile::remove(kept);
    return 0;
}
