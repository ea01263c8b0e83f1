#include "jobs/VerifiedImages.h"

#include "data/ImageCompare.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QUrl>

namespace rv::jobs {

namespace {

// A serial number may hold any character; percent-encoding keeps every name distinct and
// every character allowed in a file name.
QString NamePart(const std::string& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(text)));
}

// Written beside its place and renamed over it: a reader finds the old file or the new one,
// never half of one. Not flushed to the disk: the radio waits for nothing here, and a file
// lost to a power cut only costs the next write a second read.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QTemporaryFile f(path + QStringLiteral(".XXXXXX"));
    if (!f.open() || f.write(bytes) != bytes.size() || !f.flush()) return false;
    f.close();
    if (std::rename(QFile::encodeName(f.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return false;
    f.setAutoRemove(false);
    return true;
}

} // namespace

QString VerifiedImages::pathOf(const RadioKey& radio) const {
    if (!radio.known() || dir_.isEmpty()) return {};
    return dir_ + QStringLiteral("/verified/") + NamePart(radio.serial) + QLatin1Char('-') +
           NamePart(radio.model) + QLatin1Char('-') + QString::number(radio.bandCode) +
           QStringLiteral(".img");
}

std::optional<rv::MemoryImage> VerifiedImages::find(const RadioKey& radio) const {
    const QString path = pathOf(radio);
    if (path.isEmpty()) return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    rv::MemoryImage image{};
    const QByteArray bytes = f.read(static_cast<qint64>(image.size()) + 1);
    if (bytes.size() != static_cast<qsizetype>(image.size())) return std::nullopt;
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

bool VerifiedImages::keep(const RadioKey& radio, const rv::MemoryImage& image) const {
    const QString path = pathOf(radio);
    if (path.isEmpty() || !QDir().mkpath(dir_ + QStringLiteral("/verified"))) return false;
    return WriteWhole(path, QByteArray(reinterpret_cast<const char*>(image.data()),
                                       static_cast<qsizetype>(image.size())));
}

rv::MemoryImage VerifiedImageOf(const rv::MemoryImage& before, const rv::MemoryImage& sent) {
    rv::MemoryImage image = before;
    for (int a = 0; a < static_cast<int>(image.size()); ++a)
        if (rv::InWriteMap(a)) image[a] = sent[a];
    return image;
}

bool NoteBackupConfirmation(const QString& imagePath, BackupConfirmation how, int reads,
                            const RadioKey& radio) {
    const char* way = how == BackupConfirmation::KeptImage  ? "kept-image"
                      : how == BackupConfirmation::TwoReads ? "two-reads"
                                                            : "vote";
    QByteArray note = QByteArray("confirmed=") + way + "\nreads=" + QByteArray::number(reads) +
                      "\nserial=" + NamePart(radio.serial).toLatin1() + "\n";
    QString path = imagePath;
    if (path.endsWith(QStringLiteral(".img"))) path.chop(4);
    return WriteWhole(path + QStringLiteral(".confirm"), note);
}

} // namespace rv::jobs
