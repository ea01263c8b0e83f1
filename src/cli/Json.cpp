#include "Json.h"

#include <cstdio>

namespace rv::cli {

void Json::item(std::string_view key) {
    if (!first_) out_ += ',';
    if (depth_ > 0) out_ += '\n' + std::string(2 * static_cast<std::size_t>(depth_), ' ');
    first_ = false;
    if (!key.empty()) {
        quoted(key);
        out_ += ": ";
    }
}

void Json::open(std::string_view key, char bracket) {
    item(key);
    out_ += bracket;
    ++depth_;
    first_ = true;
}

void Json::close(char bracket) {
    --depth_;
    if (!first_) out_ += '\n' + std::string(2 * static_cast<std::size_t>(depth_), ' ');
    out_ += bracket;
    first_ = false;
}

void Json::number(std::string_view key, long long v) {
    item(key);
    out_ += std::to_string(v);
}

void Json::string(std::string_view key, std::string_view v) {
    item(key);
    quoted(v);
}

// Bytes above 127 are single-byte characters of the file, not UTF-8: they are written as
// the code points of the same value so that the output stays valid JSON.
void Json::quoted(std::string_view v) {
    out_ += '"';
    for (char ch : v) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += ch;
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out_ += buf;
        } else {
            out_ += ch;
        }
    }
    out_ += '"';
}

} // namespace rv::cli
