#include "jobs/CodeTables.h"

#include "data/Conversions.h"

#include <QFile>

#include <filesystem>

namespace rv::jobs {

bool LoadCodeTables(rv::Session& s, const std::string& programDir) {
    const std::string path = rv::DqtTablePath(programDir);
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) == 83 && !ec) {
        // A file that cannot be read after all falls back to the built-in copy, quietly.
        auto report = std::move(s.onMessage);
        s.onMessage = nullptr;
        const bool loaded = rv::LoadDqtTable(s, path);
        s.onMessage = std::move(report);
        if (loaded) return true;
    }
    QFile builtIn(QStringLiteral(":/rv52n/dec.tbl"));
    if (!builtIn.open(QIODevice::ReadOnly)) return rv::LoadDqtTable(s, path);
    const QByteArray bytes = builtIn.readAll();
    return rv::SetDqtTable(s, reinterpret_cast<const unsigned char*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
}

} // namespace rv::jobs
