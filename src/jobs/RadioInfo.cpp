#include "jobs/RadioInfo.h"
#include "data/Strings.h"

#include "data/ModelTables.h"

#include <algorithm>
#include <utility>

namespace rv::jobs {

namespace {

struct ModelBands {
    const char* modelType;
    std::vector<std::string> bands;
};

const std::vector<ModelBands>& BandTable() {
    static const std::vector<ModelBands> table{
        {"813", {"136 - 174 MHz(M)", "136 - 174 MHz(K)"}},
        {"816", {"136 - 174 MHz(M)"}},
        {"817", {"136 - 174 MHz(M)"}},
        {"913", {"450 - 490 MHz(K)", "470 - 512 MHz(K2)", "450 - 490 MHz(M)", "470 - 512 MHz(M2)"}},
        {"916", {"450 - 490 MHz(M)", "400 - 430 MHz(M3)"}},
        {"917",
         {"450 - 490 MHz(M)", "440 - 480 MHz(C)", "400 - 430 MHz(C2)", "370 - 390 MHz(C5)",
          "350 - 370 MHz(C6)"}},
    };
    return table;
}

const rv::LangText ModelTypeField{"Model type", "机型类型"};
const rv::LangText BandField{"Band", "频段"};
const rv::LangText SerialField{"Serial number", "序号"};
const rv::LangText VersionField{"Version", "版本"};

const rv::LangText UnknownModelText{"Unknown model type \"%1\": choose one of %2.",
                                    "未知机型类型“%1”：请选择 %2 之一。"};
const rv::LangText BandCodeText{"A band code is a number 0 to 255, not %1.",
                                "频段代码应为 0 到 255 的数字，而不是 %1。"};
const rv::LangText TooLongText{"The %1 takes at most %2 characters; \"%3\" has %4.",
                               "%1最多 %2 个字符，“%3”有 %4 个。"};
const rv::LangText NotAsciiText{"The %1 takes characters 1 to 127 only.",
                                "%1只能使用代码 1 到 127 的字符。"};

const rv::LangText BandUnknownText{
    "The radio's code for the band \"%1\" is not known, so that band cannot be written.",
    "对讲机中频段“%1”的代码未知，因此不能写入该频段。"};

constexpr std::size_t SerialWidth = decltype(RadioData::SerialNumber)::size();
constexpr std::size_t VersionWidth = decltype(RadioData::Version)::size();

QString Say(const rv::LangText& t, int language) {
    return QString::fromStdString(t[language]);
}

QString Lower(const rv::LangText& t, int language) {
    const QString s = Say(t, language);
    return language == rv::Chinese ? s : s.left(1).toLower() + s.mid(1);
}

bool Ascii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c != 0 && static_cast<unsigned char>(c) < 128; });
}

std::string Trimmed(std::string_view s) {
    return std::string(rv::TrimBlanks(s));
}

/// The model type as the radio holds it: the shown name, or the radio's own bytes for a type
/// outside the list.
std::string ModelTypeShown(const rv::Session& s) {
    const std::string shown = Trimmed(s.Doc.ModelType.get());
    return shown.empty() ? s.RadioModelType : shown;
}

bool IsModelTypeBand(const std::string& band) {
    return std::any_of(BandTable().begin(), BandTable().end(), [&](const ModelBands& row) {
        return std::find(row.bands.begin(), row.bands.end(), band) != row.bands.end();
    });
}

} // namespace

const std::vector<std::string>& InfoModelTypes() {
    static const std::vector<std::string> types = [] {
        std::vector<std::string> t;
        for (const auto& row : BandTable())
            t.emplace_back(row.modelType);
        return t;
    }();
    return types;
}

std::vector<std::string> InfoBands(const std::string& modelType) {
    for (const auto& row : BandTable())
        if (modelType == row.modelType) return row.bands;
    return {};
}

std::vector<int> InfoBandCodes(const std::string& band) {
    if (!band.empty() && band.find_first_not_of("0123456789") == std::string::npos) {
        if (band.size() <= 3 && std::stoi(band) <= 255) return {std::stoi(band)};
        return {};
    }
    // A model type's band is its range followed by the variant in brackets; the range alone
    // is what the radio's code shows.
    std::string range = band;
    if (IsModelTypeBand(band)) range = Trimmed(band.substr(0, band.rfind('(')));
    if (range.empty()) return {};            // every code without a name would match it
    std::vector<std::pair<int, int>> usedBy; // (models using the code, code)
    for (int code = 0; code <= 255; ++code) {
        if (BandTextOf(code, "") != range) continue;
        const auto n = std::count_if(ModelCodes.begin(), ModelCodes.end(),
                                     [&](const auto& m) { return BandCodeOf(range, m) == code; });
        usedBy.emplace_back(static_cast<int>(n), code);
    }
    std::stable_sort(usedBy.begin(), usedBy.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> codes;
    for (const auto& u : usedBy)
        codes.push_back(u.second);
    return codes;
}

QString CheckInfoBand(const std::string& band, int language) {
    if (!InfoBandCodes(band).empty()) return {};
    return Say(BandUnknownText, language).arg(QString::fromStdString(band));
}

QString CheckInfoEdits(const InfoEdits& e, int language) {
    const auto& types = InfoModelTypes();
    if (e.modelType && std::find(types.begin(), types.end(), *e.modelType) == types.end()) {
        QStringList list;
        for (const auto& t : types)
            list << QString::fromStdString(t);
        return Say(UnknownModelText, language)
            .arg(QString::fromStdString(*e.modelType), list.join(QStringLiteral(", ")));
    }
    for (const int code : e.bandCodes)
        if (code < 0 || code > 255) return Say(BandCodeText, language).arg(code);
    // Refused, never cut: a cut serial number would be another radio's.
    const auto check = [&](const std::optional<std::string>& v, const rv::LangText& field,
                           std::size_t width) -> QString {
        if (!v) return {};
        if (!Ascii(*v)) return Say(NotAsciiText, language).arg(Lower(field, language));
        if (v->size() > width)
            return Say(TooLongText, language)
                .arg(Lower(field, language))
                .arg(width)
                .arg(QString::fromStdString(*v))
                .arg(v->size());
        return {};
    };
    if (const QString why = check(e.serial, SerialField, SerialWidth); !why.isEmpty()) return why;
    // The version is measured with its leading V, so that nothing is refused once the radio
    // has been reached.
    std::optional<std::string> withV;
    if (e.version) withV = VersionRule(*e.version, {});
    return check(withV, VersionField, VersionWidth);
}

std::string VersionRule(const std::string& typed, const std::vector<std::uint8_t>& radioBlock) {
    if (!radioBlock.empty()) return rv::link::VersionInRadioForm(typed, radioBlock);
    return typed.starts_with('V') ? typed : "V" + typed;
}

std::vector<InfoFieldChange> ApplyInfoEdits(const InfoEdits& e, rv::Session& s) {
    std::vector<InfoFieldChange> changes;
    RadioData& d = s.Doc;
    if (e.modelType && *e.modelType != ModelTypeShown(s)) {
        changes.push_back({&ModelTypeField, ModelTypeShown(s), *e.modelType});
        d.ModelType.assign(*e.modelType);
        d.TypeLetter = 'C';
    }
    const auto& codes = e.bandCodes;
    if (!codes.empty() && std::find(codes.begin(), codes.end(), d.FrequencyCode) == codes.end()) {
        // A band by its name where the code has one, and always by its code.
        const auto named = [](int code) {
            const std::string name = BandTextOf(code, "");
            return name.empty() ? std::to_string(code) : name + " (" + std::to_string(code) + ")";
        };
        changes.push_back({&BandField, named(d.FrequencyCode), named(codes.front())});
        d.FrequencyCode = static_cast<Int16>(codes.front());
    }
    if (e.serial && *e.serial != Trimmed(d.SerialNumber.get())) {
        changes.push_back({&SerialField, Trimmed(d.SerialNumber.get()), *e.serial});
        d.SerialNumber.assign(*e.serial);
    }
    if (e.version) {
        const std::string v = VersionRule(*e.version, s.RadioVersionBlock);
        if (v != Trimmed(d.Version.get())) {
            changes.push_back({&VersionField, Trimmed(d.Version.get()), v});
            d.Version.assign(v);
        }
    }
    return changes;
}

QString InfoChangesText(const std::vector<InfoFieldChange>& changes, int language) {
    QStringList lines;
    for (const auto& c : changes)
        lines << (language == rv::Chinese ? QStringLiteral("%1：%2 -> %3")
                                          : QStringLiteral("%1: %2 -> %3"))
                     .arg(Say(*c.field, language), QString::fromStdString(c.from),
                          QString::fromStdString(c.to));
    return lines.join(QLatin1Char('\n'));
}

void TakeRadioInfo(const rv::Session& from, rv::Session& to) {
    to.Doc.ModelType = from.Doc.ModelType;
    to.Doc.TypeLetter = from.Doc.TypeLetter;
    to.Doc.FrequencyCode = from.Doc.FrequencyCode;
    to.Doc.SerialNumber = from.Doc.SerialNumber;
    to.Doc.Version = from.Doc.Version;
    to.RadioModelType = from.RadioModelType;
    to.RadioInfoBlock = from.RadioInfoBlock;
    to.RadioVersionBlock = from.RadioVersionBlock;
}

RadioInfoJob::RadioInfoJob(QObject* parent) : QObject(parent) {}

RadioInfoJob::~RadioInfoJob() = default;

bool RadioInfoJob::startRead(const rv::Session& s, const QString& device, QString* error) {
    work_ = s;
    device_ = device;
    writing_ = written_ = false;
    changes_.clear();
    return run(link::ReadRadioInfo, error);
}

bool RadioInfoJob::startWrite(const rv::Session& s, const InfoEdits& edits, const QString& device,
                              QString* error) {
    if (const QString why = CheckInfoEdits(edits, s.CurLanguage); !why.isEmpty()) {
        *error = why;
        return false;
    }
    work_ = s;
    edits_ = edits;
    device_ = device;
    writing_ = true;
    written_ = false;
    changes_.clear();
    // Without the radio's own blocks every field would go out from the document: the radio is
    // read first, so that what the user did not change goes back exactly as it was.
    if (work_.RadioInfoBlock.empty() || work_.RadioVersionBlock.empty())
        return run(link::ReadRadioInfo, error);
    running_ = true;
    QMetaObject::invokeMethod(
        this, [this] { onFinished(true, {}); }, Qt::QueuedConnection);
    return true;
}

bool RadioInfoJob::run(int mode, QString* error) {
    mode_ = mode;
    session_ = std::make_unique<link::CloneSession>(work_);
    session_->setWaitInterval(waitMs_);
    connect(session_.get(), &link::CloneSession::question, this, &RadioInfoJob::question);
    connect(session_.get(), &link::CloneSession::finished, this, &RadioInfoJob::onFinished);
    if (!session_->start(mode, device_, error)) {
        session_.reset();
        mode_ = 0;
        return false;
    }
    running_ = true;
    return true;
}

void RadioInfoJob::onFinished(bool ok, const QString& message) {
    const int mode = std::exchange(mode_, 0);
    if (session_) session_.release()->deleteLater();
    if (!ok || !writing_) return end(ok, message);
    if (mode == link::WriteRadioInfo) {
        // The radio now holds what was sent; its old blocks no longer describe it.
        written_ = true;
        work_.RadioInfoBlock.clear();
        work_.RadioVersionBlock.clear();
        return end(true);
    }
    changes_ = ApplyInfoEdits(edits_, work_);
    if (changes_.empty()) return end(true);
    emit confirm(changes_);
}

void RadioInfoJob::proceed(bool yes) {
    if (!running_ || !writing_ || changes_.empty() || session_) return;
    if (!yes) return end(true);
    QString error;
    if (!run(link::WriteRadioInfo, &error)) end(false, error);
}

void RadioInfoJob::answer(link::CloneSession::Question q, bool yes) {
    if (session_) session_->answer(q, yes);
}

void RadioInfoJob::cancel() {
    if (session_)
        session_->cancel();
    else if (running_)
        end(false, Say(link::CancelledText, work_.CurLanguage));
}

void RadioInfoJob::end(bool ok, const QString& message) {
    running_ = false;
    emit finished(ok, message);
}

} // namespace rv::jobs
