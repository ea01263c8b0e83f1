#include "HelpText.h"

#include <cctype>
#include <utility>

namespace rv::cli {

namespace {

const std::pair<const char*, const char*> Entities[] = {{"&lt;", "<"},    {"&gt;", ">"},
                                                        {"&quot;", "\""}, {"&#39;", "'"},
                                                        {"&nbsp;", " "},  {"&amp;", "&"}};

std::string ReadEntities(std::string s) {
    for (const auto& [from, to] : Entities) {
        const std::string f(from);
        for (auto at = s.find(f); at != std::string::npos; at = s.find(f, at + 1))
            s.replace(at, f.size(), to);
    }
    return s;
}

/// The tag's name in lower case, without '/' or attributes: "<h3 id=x>" gives "h3".
std::string TagName(const std::string& tag) {
    std::string name;
    for (std::size_t i = tag[1] == '/' ? 2 : 1; i < tag.size() && std::isalnum(uint8_t(tag[i]));
         ++i)
        name += char(std::tolower(uint8_t(tag[i])));
    return name;
}

bool IsBlock(const std::string& name) {
    for (const char* b : {"p", "br", "li", "tr", "h1", "h2", "h3", "h4", "pre", "ul", "ol", "table",
                          "dt", "dd", "div"})
        if (name == b) return true;
    return false;
}

/// Ends the text with `count` line breaks, unless it is empty.
void BreakLines(std::string& out, std::size_t count) {
    std::size_t have = 0;
    while (have < out.size() && out[out.size() - 1 - have] == '\n')
        ++have;
    if (!out.empty() && have < count) out.append(count - have, '\n');
}

/// Plain text of an HTML fragment.
std::string ToText(const std::string& html) {
    std::string out;
    bool pre = false;
    bool space = false;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const std::size_t end = std::min(html.find('>', i), html.size() - 1);
            const std::string tag = html.substr(i, end - i + 1);
            const std::string name = TagName(tag);
            const bool closing = tag.size() > 1 && tag[1] == '/';
            i = end + 1;
            if (name == "pre") pre = !closing;
            if (name == "td" || name == "th") {
                if (!closing && !out.empty() && out.back() != '\n') out += " | ";
                space = false;
            } else if (IsBlock(name)) {
                // A paragraph, list or heading ends with an empty line, a row or item with one.
                const bool paragraph = closing && name != "li" && name != "tr" && name != "br";
                BreakLines(out, paragraph ? 2 : 1);
                if (name == "li" && !closing) out += "  - ";
                space = false;
            }
            continue;
        }
        const char c = html[i++];
        if (pre) {
            out += c;
        } else if (std::isspace(uint8_t(c))) {
            space = space || (!out.empty() && out.back() != '\n' && out.back() != ' ');
        } else {
            // A line break between two Chinese characters is no space.
            if (space && !(uint8_t(c) >= 0x80 && uint8_t(out.back()) >= 0x80)) out += ' ';
            space = false;
            out += c;
        }
    }
    BreakLines(out, 1);
    return ReadEntities(out);
}

} // namespace

std::optional<std::string> HelpSection(const std::string& html, const std::string& id) {
    const std::size_t at = html.find("id=\"" + id + "\"");
    if (at == std::string::npos) return std::nullopt;
    const std::size_t start = html.rfind('<', at);
    const std::string level = TagName(html.substr(start, at - start));
    if (level.size() != 2 || level[0] != 'h') return std::nullopt;
    // Up to the next heading of this level or above.
    std::size_t end = html.size();
    for (char l = '1'; l <= level[1]; ++l) {
        const std::size_t next = html.find(std::string("<h") + l, at);
        if (next != std::string::npos && next < end) end = next;
    }
    std::string text = ToText(html.substr(start, end - start));
    while (!text.empty() && text.front() == '\n')
        text.erase(0, 1);
    return text;
}

} // namespace rv::cli
