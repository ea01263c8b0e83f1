#include "Commands.h"
#include "Json.h"

#include "data/Catalogue.h"
#include "data/DataFile.h"

#include <cstdio>

namespace rv::cli {

namespace {

int Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// A row's fields as a script reads them: the values offered as a list, the bounds of a
// number as shown.
void KeyJson(Json& j, const SettingRow& r, int lang) {
    j.beginObject();
    j.string("key", r.key);
    j.string("label", LabelOf(r, lang));
    j.string("kind", KindText(r.kind, English));
    j.string("unit", r.unit);
    j.string("default", r.defaultText);
    j.string("rule", r.readOnly ? ReadOnlyText(lang) : RuleText(r, lang));
    j.put("read_only", r.readOnly);
    QJsonArray values;
    if (r.kind == RowKind::Choice || r.kind == RowKind::Flag)
        for (const std::string& t : ChoiceTexts(OfferedChoices(r, Session{}), lang))
            values.append(QString::fromStdString(t));
    if (r.kind == RowKind::Number && HasZeroWord(r))
        values.append(QString::fromStdString(InLanguage(r.zeroWord, lang)));
    if (r.kind == RowKind::Number && r.unit != "MHz") {
        j.number("min", (HasZeroWord(r) ? r.low + r.step : r.low) * r.scale + r.offset);
        j.number("max", r.high * r.scale + r.offset);
        j.number("step", r.step * r.scale);
    }
    if (r.kind == RowKind::Text) {
        j.number("min", r.minWidth);
        j.number("max", r.textWidth);
        j.string("characters", r.allowed);
    }
    j.put("values", values);
    j.endObject();
}

} // namespace

int CmdKeys(CliArgs& args) {
    if (!args.positional.empty())
        return UsageError({"keys takes no file", "keys 不带文件"}, args.usage);
    const int lang = args.language;
    if (args.has("--json")) {
        Json j;
        j.beginArray();
        for (const SettingRow& r : Catalogue())
            KeyJson(j, r, lang);
        j.endArray();
        return Print(j.text() + "\n");
    }
    std::string out;
    for (const SettingRow& r : Catalogue()) {
        out += r.key + "\t" + LabelOf(r, lang) + "\t" + KindText(r.kind, lang) + "\t" +
               (r.readOnly ? ReadOnlyText(lang) : RuleText(r, lang));
        if (const std::string d = DefaultShown(r, lang); !d.empty()) out += "\t(" + d + ")";
        out += "\n";
    }
    return Print(out);
}

int CmdGet(CliArgs& args) {
    if (args.positional.empty())
        return UsageError({"get needs a FILE", "get 需要一个文件"}, args.usage);
    std::vector<std::string> keys(args.positional.begin() + 1, args.positional.end());
    for (const std::string& k : keys)
        if (!findRow(k))
            return UsageError({"no setting has the key \"" + k + "\"", "没有键为“" + k + "”的设置"},
                              args.usage);
    if (keys.empty())
        for (const SettingRow& r : Catalogue())
            keys.push_back(r.key);
    Session s = MakeSession(args);
    if (!OpenDocument(s, args.positional[0])) return 1;
    if (args.has("--json")) {
        Json j;
        j.beginArray();
        for (const std::string& k : keys) {
            j.beginObject();
            j.string("key", k);
            j.string("label", LabelOf(*findRow(k), s.CurLanguage));
            j.string("value", textOf(s, k));
            j.endObject();
        }
        j.endArray();
        return Print(j.text() + "\n");
    }
    std::string out;
    for (const std::string& k : keys)
        out += k + " = " + textOf(s, k) + "\n";
    return Print(out);
}

int CmdSet(CliArgs& args) {
    if (args.positional.size() < 2)
        return UsageError({"set needs a FILE and KEY=VALUE", "set 需要文件和 KEY=VALUE"},
                          args.usage);
    Session s = MakeSession(args);
    const std::string& file = args.positional[0];
    if (!OpenDocument(s, file)) return 1;
    std::string also;
    for (auto it = args.positional.begin() + 1; it != args.positional.end(); ++it) {
        const auto eq = it->find('=');
        if (eq == std::string::npos)
            return UsageError({"\"" + *it + "\" is not KEY=VALUE", "“" + *it + "”不是 KEY=VALUE"},
                              args.usage);
        // Every value is checked before anything is written: a refusal leaves the file.
        const std::string key = it->substr(0, eq);
        const CommitResult r = commitText(s, key, std::string_view(*it).substr(eq + 1));
        if (r.refusal) {
            Fail((s.CurLanguage == Chinese ? "未设置 " : "not set: ") + *r.refusal);
            return 2;
        }
        if (const std::string t = AlsoChangedText(r, key, s.CurLanguage); !t.empty())
            also += key + ": " + t + "\n";
    }
    if (!WriteOutput(s, args.value("-o").value_or(file), ToRecord(s.Doc))) return 1;
    return Print(also);
}

} // namespace rv::cli
