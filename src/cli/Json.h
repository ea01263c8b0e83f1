#pragma once

#include <string>
#include <string_view>

namespace rv::cli {

/// A small writer of indented JSON: objects, arrays, numbers and strings.
class Json {
public:
    void beginObject(std::string_view key = {}) { open(key, '{'); }
    void endObject() { close('}'); }
    void beginArray(std::string_view key = {}) { open(key, '['); }
    void endArray() { close(']'); }
    void number(std::string_view key, long long v);
    void string(std::string_view key, std::string_view v);
    const std::string& text() const { return out_; }

private:
    void open(std::string_view key, char bracket);
    void close(char bracket);
    void item(std::string_view key);
    void quoted(std::string_view v);

    std::string out_;
    int depth_ = 0;
    bool first_ = true;
};

} // namespace rv::cli
