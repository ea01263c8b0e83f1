#include "Json.h"

#include <QJsonDocument>

namespace rv::cli {

namespace {

QString Key(std::string_view key) {
    return QString::fromUtf8(key.data(), qsizetype(key.size()));
}

} // namespace

void Json::string(std::string_view key, std::string_view utf8) {
    put(key, QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

void Json::bytes(std::string_view key, std::string_view bytes) {
    put(key, QString::fromLatin1(bytes.data(), qsizetype(bytes.size())));
}

void Json::put(std::string_view key, const QJsonValue& v) {
    Node& parent = open_.empty() ? root_ : open_.back().second;
    if (auto* o = std::get_if<QJsonObject>(&parent))
        o->insert(Key(key), v);
    else
        std::get<QJsonArray>(parent).append(v);
}

void Json::open(std::string_view key, Node node) {
    open_.emplace_back(Key(key), std::move(node));
}

void Json::close() {
    auto [key, node] = std::move(open_.back());
    open_.pop_back();
    const QJsonValue v = std::visit([](auto& n) { return QJsonValue(n); }, node);
    if (open_.empty()) {
        root_ = std::move(node);
        return;
    }
    put(key.toStdString(), v);
}

std::string Json::text() const {
    const QJsonDocument doc = std::visit([](const auto& n) { return QJsonDocument(n); }, root_);
    QByteArray out = doc.toJson(QJsonDocument::Indented);
    if (out.endsWith('\n')) out.chop(1);
    return out.toStdString();
}

} // namespace rv::cli
