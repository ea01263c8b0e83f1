#include "jobs/CodeTables.h"

#include "data/Conversions.h"
#include "data/DataFile.h"
#include "jobs/JobTexts.h"
#include "link/LinkTexts.h"

#include <QFile>

namespace rv::jobs {

namespace {

constexpr std::size_t DqtCodes = 83;

// The built-in table's shape: the codes, the low 8 bits as the file keeps them and 256 added
// from the 51st on, rise strictly. A file of zeros, or one shifted or mixed up, does not.
bool ShapedLikeCodeTable(const std::vector<std::uint8_t>& bytes) {
    int previous = -1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int code = bytes[i] + (i >= 50 ? 256 : 0);
        if (code <= previous) return false;
        previous = code;
    }
    return bytes.size() == DqtCodes;
}

} // namespace

bool LoadCodeTables(rv::Session& s, const std::string& programDir, std::string* refusal) {
    const std::string path = rv::DqtTablePath(programDir);
    rv::FileFault fault;
    // A file that is missing or cannot be read falls back to the built-in copy, quietly.
    if (const auto bytes = rv::ReadWholeFile(path, DqtCodes, fault)) {
        if (ShapedLikeCodeTable(*bytes)) return rv::SetDqtTable(s, bytes->data(), bytes->size());
        if (refusal && bytes->size() == DqtCodes)
            *refusal = path + ": " + JobTexts::CodeTableRefused[s.CurLanguage];
    }
    QFile builtIn(QStringLiteral(":/rv52n/dec.tbl"));
    if (!builtIn.open(QIODevice::ReadOnly)) return rv::LoadDqtTable(s, path);
    const QByteArray bytes = builtIn.readAll();
    return rv::SetDqtTable(s, reinterpret_cast<const unsigned char*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
}

} // namespace rv::jobs
