#include "Commands.h"
#include "Json.h"
#include "SafeJob.h"

#include "data/DataFile.h"
#include "data/DocumentDiff.h"
#include "data/OutsideText.h"

#include <algorithm>
#include <cstdio>

namespace rv::cli {

namespace {

// The radio on --port, read as a new document.
std::optional<Session> ReadRadio(const CliArgs& args) {
    Session s = MakeSession(args);
    const auto target = OpenTarget(args);
    if (!target) return std::nullopt;
    const auto o = SafeOptionsOf(args, "radio");
    const auto r = RunSafeJob(s, args, [&](rv::jobs::SafeWrite& job, QString* error) {
        return job.startRead(s, target->device, o, error);
    });
    if (!r.ok()) {
        Fail(r.message.toStdString());
        return std::nullopt;
    }
    rv::jobs::TakeReadImage(s, r.before);
    WarnUnknownModel(s, r.before);
    return s;
}

// A data file, a 1024-byte image or the word "radio".
std::optional<Session> Load(const std::string& what, const CliArgs& args) {
    if (what == "radio") return ReadRadio(args);
    Session s = MakeSession(args);
    const auto bytes = LoadDocumentFile(s, what, DocumentFile::DataOrImage);
    if (!bytes) return std::nullopt;
    if (bytes->size() == ImageBytes) {
        MemoryImage image;
        std::copy(bytes->begin(), bytes->end(), image.begin());
        rv::jobs::TakeReadImage(s, image);
        return s;
    }
    if (!OpenDocument(s, what)) return std::nullopt;
    return s;
}

void PrintJson(const std::vector<SettingDifference>& diffs) {
    Json j;
    j.beginArray();
    for (const auto& d : diffs) {
        j.beginObject();
        j.string("area", d.area);
        j.string("item", d.item);
        j.string("a", d.a);
        j.string("b", d.b);
        j.endObject();
    }
    j.endArray();
    std::printf("%s\n", j.text().c_str());
}

} // namespace

int CmdDiff(CliArgs& args) {
    if (args.positional.size() != 2) {
        UsageError({"diff needs two documents (data file, image or radio)",
                    "diff 需要两份文档（数据文件、映像或对讲机）"},
                   args.usage);
        return 2;
    }
    // Files first: one that cannot be used is refused before the radio is read.
    std::optional<Session> docs[2];
    for (const bool radio : {false, true})
        for (int i = 0; i < 2; ++i) {
            if ((args.positional[i] == "radio") != radio) continue;
            docs[i] = Load(args.positional[i], args);
            if (!docs[i]) return 2;
        }
    const auto diffs = CompareDocuments(*docs[0], *docs[1]);
    if (args.has("--json")) {
        PrintJson(diffs);
    } else {
        for (const auto& d : diffs)
            std::printf("%s  %s  %s -> %s\n", d.area.c_str(), d.item.c_str(),
                        rv::ShownText(d.a).c_str(), rv::ShownText(d.b).c_str());
    }
    return diffs.empty() ? 0 : 1;
}

} // namespace rv::cli
