#include "link/RadioHistoryFiles.h"

#include "data/Csv.h"
#include "link/LocalFiles.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace rv::link {

bool WriteNewFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        f.close();
        f.remove();
        return false;
    }
    return true;
}

std::optional<std::vector<rv::BackupEntry>> ListBackups(const QString& dir) {
    const QDir folder(dir);
    if (!folder.exists() || !folder.isReadable()) return std::nullopt;
    std::vector<std::string> names;
    for (const QString& name : folder.entryList(QDir::Files))
        names.push_back(name.toStdString());
    auto entries = rv::BackupsOf(names);
    for (auto& e : entries) {
        if (e.image.empty()) continue;
        QFile f(folder.filePath(QString::fromStdString(e.image)));
        rv::MemoryImage image{};
        if (!f.open(QIODevice::ReadOnly) || f.size() != static_cast<qint64>(image.size())) continue;
        const QByteArray bytes = f.readAll();
        if (bytes.size() != static_cast<qsizetype>(image.size())) continue;
        std::copy(bytes.begin(), bytes.end(), image.begin());
        e.imageOk = true;
        rv::TakeModelOfImage(image, e);
    }
    return entries;
}

bool AppendHistory(const QString& dir, const rv::HistoryEntry& entry, QString* error) {
    const QString path = HistoryPath(dir);
    QFile f(path);
    if (!QDir().mkpath(dir) || !f.open(QIODevice::ReadWrite | QIODevice::Append)) {
        if (error) *error = path;
        return false;
    }
    std::string text;
    if (f.size() == 0) {
        text = rv::HistoryHeader();
    } else if (f.seek(f.size() - 1); f.read(1) != "\n") {
        // A line cut short (a full disk, a crash) is not joined to the new one.
        text = "\r\n";
    }
    text += rv::HistoryLine(entry);
    // One write, so lines of programs logging at the same time do not interleave.
    const auto n = static_cast<qint64>(text.size());
    if (f.write(text.data(), n) != n || !f.flush()) {
        if (error) *error = path;
        return false;
    }
    return true;
}

QString HistoryPath(const QString& dir) {
    return QDir(dir).filePath(QString::fromLatin1(rv::HistoryFileName));
}

std::optional<std::vector<rv::HistoryEntry>> ReadHistory(const QString& dir, rv::FileFault& fault) {
    const auto bytes = ReadLocalFile(HistoryPath(dir), LogFileLimit, fault);
    if (!bytes && fault.kind == rv::FileFault::NotFound) {
        fault = {};
        return std::vector<rv::HistoryEntry>{};
    }
    if (!bytes) return std::nullopt;
    const std::string_view text(bytes->constData(), static_cast<std::size_t>(bytes->size()));
    if (const int line = rv::ParseCsv(text).unclosedQuote) {
        fault = {rv::FileFault::Malformed, 0, 0, static_cast<std::uintmax_t>(line)};
        return std::nullopt;
    }
    return rv::ParseHistory(text);
}

} // namespace rv::link
