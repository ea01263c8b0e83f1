#include "jobs/AlignmentStore.h"

#include "data/ModelTables.h"
#include "link/RadioHistoryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace rv::jobs {

namespace {

using rv::link::AlignmentPoints;
using rv::link::TuneItemName;
using rv::link::WriteNewFile;

constexpr int Format = 1;
constexpr qint64 MaxFileSize = 64 * 1024;

QString Tr(const char* en, const char* zh, int language) {
    return QString::fromUtf8(language == rv::Chinese ? zh : en);
}

QJsonObject ToJson(const AlignmentRecord& r) {
    QJsonObject o;
    o[QStringLiteral("format")] = Format;
    o[QStringLiteral("serial")] = r.serial;
    o[QStringLiteral("model")] = r.model;
    o[QStringLiteral("band")] = r.band;
    o[QStringLiteral("version")] = r.version;
    o[QStringLiteral("time")] = r.time.toString(Qt::ISODate);
    o[QStringLiteral("block")] = QString::fromStdString(BlockToHex(r.block));
    // For reading only: the block is what counts.
    QJsonArray items;
    QJsonObject current;
    int item = 0;
    auto flush = [&] {
        if (item > 0) items.append(current);
    };
    for (const auto& p : AlignmentPoints()) {
        if (p.item != item) {
            flush();
            item = p.item;
            current = QJsonObject{
                {QStringLiteral("item"), item},
                {QStringLiteral("name"), QString::fromStdString(TuneItemName(item)[rv::English])},
                {QStringLiteral("points"), QJsonObject{}}};
        }
        auto points = current[QStringLiteral("points")].toObject();
        points[QString::fromStdString(PointName(p.point)[rv::English])] =
            r.block[static_cast<std::size_t>(p.byte)];
        current[QStringLiteral("points")] = points;
    }
    flush();
    o[QStringLiteral("items")] = items;
    return o;
}

/// The first point whose value in the items list differs from the block ("DQT Balance Test");
/// empty when they agree. The list is optional; a point it leaves out is not checked.
QString ItemsAgainstBlock(const QJsonValue& items, const TuneBlock& block) {
    for (const auto& v : items.toArray()) {
        const QJsonObject item = v.toObject();
        const int number = item.value(QStringLiteral("item")).toInt();
        const QJsonObject points = item.value(QStringLiteral("points")).toObject();
        for (const auto& p : AlignmentPoints()) {
            if (p.item != number) continue;
            const QJsonValue value =
                points.value(QString::fromStdString(PointName(p.point)[rv::English]));
            if (value.isUndefined()) continue;
            if (value.toInt(-1) != block[static_cast<std::size_t>(p.byte)])
                return QString::fromStdString(PointLabel(p, rv::English));
        }
    }
    return {};
}

} // namespace

QString KeptMismatch(const AlignmentRecord& kept, const AlignmentRecord& radio, int language) {
    if (kept.model != radio.model || kept.band != radio.band)
        return Tr("The kept alignment is of a %1 (%2); this radio is a %3 (%4). It is not "
                  "written.",
                  "保存的校准数据属于 %1（%2），这台对讲机是 %3（%4）。不写入。", language)
            .arg(kept.model, kept.band, radio.model, radio.band);
    return {};
}

bool SameRadio(const AlignmentRecord& kept, const AlignmentRecord& radio) {
    // Two radios that give no serial number cannot be told apart.
    const QString a = kept.serial.trimmed(), b = radio.serial.trimmed();
    return !a.isEmpty() && a == b;
}

QString SerialStem(const QString& serial) {
    QString s = serial.trimmed();
    for (auto& c : s)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-')) c = '_';
    return s.isEmpty() ? QStringLiteral("unknown") : s.left(32);
}

AlignmentRecord RecordOf(const std::vector<std::uint8_t>& ident,
                         const std::vector<std::uint8_t>& block, const QString& serial,
                         const QString& version, const QDateTime& when) {
    AlignmentRecord r;
    r.serial = serial.trimmed();
    r.version = version.trimmed();
    r.time = when;
    if (ident.size() >= 7) {
        const std::string model = rv::ModelCodeOf(ident[5], ident[6]);
        r.model = QString::fromStdString(model);
        r.band = QString::fromStdString(rv::BandTextOf(ident[5], model));
    }
    std::copy_n(block.begin(), std::min(block.size(), r.block.size()), r.block.begin());
    return r;
}

bool SaveAlignmentAs(const AlignmentRecord& r, const QString& path, QString* error, int language) {
    const QByteArray json = QJsonDocument(ToJson(r)).toJson(QJsonDocument::Indented);
    if (WriteNewFile(path, json)) return true;
    if (error)
        *error =
            QFile::exists(path)
                ? Tr("%1 exists already; nothing was overwritten.", "%1 已存在；未覆盖。", language)
                      .arg(path)
                : Tr("The alignment cannot be kept as %1.", "无法将校准数据保存为 %1。", language)
                      .arg(path);
    return false;
}

bool SaveAlignment(const AlignmentRecord& r, const QString& dir, QString* path, QString* error,
                   int language) {
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = Tr("The folder %1 cannot be made.", "无法创建文件夹 %1。", language).arg(dir);
        return false;
    }
    const QString stem = dir + QLatin1Char('/') + SerialStem(r.serial) + QLatin1Char('-') +
                         r.time.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QByteArray json = QJsonDocument(ToJson(r)).toJson(QJsonDocument::Indented);
    for (int n = 1; n < 1000; ++n) {
        const QString name = (n == 1 ? stem : stem + QLatin1Char('-') + QString::number(n)) +
                             QStringLiteral(".align.json");
        if (QFile::exists(name)) continue;
        if (WriteNewFile(name, json)) {
            if (path) *path = name;
            return true;
        }
        if (!QFile::exists(name)) break; // not taken meanwhile: the folder refuses it
    }
    if (error)
        *error = Tr("The alignment cannot be kept in %1.", "无法在 %1 中保存校准数据。", language)
                     .arg(dir);
    return false;
}

bool LoadAlignment(const QString& path, AlignmentRecord* r, QString* error, int language) {
    auto fail = [&](const QString& why) {
        if (error) *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    // A device or a pipe is never read: it might never end.
    if (!QFileInfo(path).isFile()) return fail(Tr("not a file.", "不是文件。", language));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail(Tr("cannot be opened.", "无法打开。", language));
    const QByteArray bytes = f.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize)
        return fail(Tr("too large for a kept alignment.", "文件过大，不是校准数据。", language));
    QJsonParseError pe{};
    const auto doc = QJsonDocument::fromJson(bytes, &pe);
    if (pe.error != QJsonParseError::NoError || !doc.isObject())
        return fail(
            Tr("not a kept alignment (JSON expected).", "不是校准数据（应为 JSON）。", language));
    const QJsonObject o = doc.object();
    if (const QJsonValue f = o.value(QStringLiteral("format")); f.toInt(-1) != Format)
        return fail(Tr("format %1 is not known (this program reads format %2).",
                       "格式 %1 未知（本程序读取格式 %2）。", language)
                        .arg(f.isUndefined() ? QStringLiteral("-") : f.toVariant().toString())
                        .arg(Format));
    AlignmentRecord rec;
    if (!BlockFromHex(o.value(QStringLiteral("block")).toString().toStdString(), rec.block))
        return fail(
            Tr("its block is not 124 hex digits.", "其数据块不是 124 个十六进制数字。", language));
    if (const QString wrong = ItemsAgainstBlock(o.value(QStringLiteral("items")), rec.block);
        !wrong.isEmpty())
        return fail(Tr("its item values contradict its block (%1).",
                       "其数据项的值与数据块不符（%1）。", language)
                        .arg(wrong));
    rec.serial = o.value(QStringLiteral("serial")).toString();
    rec.model = o.value(QStringLiteral("model")).toString();
    rec.band = o.value(QStringLiteral("band")).toString();
    rec.version = o.value(QStringLiteral("version")).toString();
    rec.time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODate);
    if (r) *r = rec;
    return true;
}

QStringList ListAlignments(const QString& dir, const QString& serial) {
    const QString pattern = serial.isEmpty() ? QStringLiteral("*.align.json")
                                             : SerialStem(serial) + QStringLiteral("-*.align.json");
    QStringList out;
    // Newest first, by when each file was written.
    for (const auto& fi : QDir(dir).entryInfoList({pattern}, QDir::Files, QDir::Time))
        out << fi.absoluteFilePath();
    return out;
}

} // namespace rv::jobs
