#include "link/LocalFiles.h"

#include "data/DataFile.h"
#include "data/Messages.h"
#include "data/OutsideText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

namespace rv::link {

std::string SystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::optional<QByteArray> ReadLocalFile(const QString& path, std::size_t limit,
                                        rv::FileFault& fault) {
    const auto bytes = rv::ReadWholeFile(SystemPath(path), limit, fault);
    if (!bytes) return std::nullopt;
    return QByteArray(reinterpret_cast<const char*>(bytes->data()),
                      static_cast<qsizetype>(bytes->size()));
}

namespace {

rv::FileFault ProbeFolder(const QString& dir) {
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".rv52n-probe-XXXXXX")));
    errno = 0;
    if (probe.open()) return {};
    return rv::FaultOfError(errno != 0 ? errno : EACCES);
}

} // namespace

rv::FileFault FolderFault(const QString& dir) {
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir()) return rv::FaultOfError(ENOTDIR);
    errno = 0;
    if (!info.exists() && !QDir().mkpath(dir)) return rv::FaultOfError(errno != 0 ? errno : ENOENT);
    return ProbeFolder(dir);
}

rv::FileFault OutputFault(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return {rv::FileFault::NotAFile};
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) return {rv::FileFault::NoFolder, ENOENT};
    return ProbeFolder(folder.absoluteFilePath());
}

QString FileProblem(const QString& path, const rv::FileFault& fault, int language) {
    std::string text =
        rv::ShownText(SystemPath(path), 0) + ": " + MsgText(Msg::FileError, language);
    if (fault.kind != rv::FileFault::None) text += "\n" + rv::FileFaultText(fault, language);
    return QString::fromStdString(text);
}

} // namespace rv::link
