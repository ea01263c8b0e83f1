#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rv::cli {

/// Builds a JSON document member by member, nesting objects and arrays as they are opened,
/// and writes it through QJsonDocument: valid UTF-8 in every language.
class Json {
public:
    void beginObject(std::string_view key = {}) { open(key, QJsonObject()); }
    void endObject() { close(); }
    void beginArray(std::string_view key = {}) { open(key, QJsonArray()); }
    void endArray() { close(); }
    void number(std::string_view key, long long v) { put(key, QJsonValue(qint64(v))); }
    /// A text in UTF-8.
    void string(std::string_view key, std::string_view utf8);
    /// A text of the document's bytes, one character a byte.
    void bytes(std::string_view key, std::string_view bytes);
    void put(std::string_view key, const QJsonValue& v);
    /// The document, indented, without a final line break.
    std::string text() const;

private:
    using Node = std::variant<QJsonObject, QJsonArray>;
    void open(std::string_view key, Node node);
    void close();

    std::vector<std::pair<QString, Node>> open_;
    Node root_;
};

} // namespace rv::cli
