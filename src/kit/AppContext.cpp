#include "AppContext.h"

#include "Prompt.h"
#include "data/Catalogue.h"
#include "data/DataFile.h"
#include "data/DocumentDiff.h"

#include <QRegularExpression>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace rv::ui {

/// One committed change: the document before and after it. The change is already in the
/// document when the step is pushed, so the first redo does nothing.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(AppContext& ctx, const QString& name, DocumentState before, DocumentState after)
        : QUndoCommand(name), ctx_(ctx), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { ctx_.restoreState(before_); }
    void redo() override {
        if (pushed_) ctx_.restoreState(after_);
        pushed_ = true;
    }

private:
    AppContext& ctx_;
    DocumentState before_;
    DocumentState after_;
    bool pushed_ = false;
};

DocumentState StateOf(const rv::Session& s) {
    return {s.Doc, s.CurModelCode, s.CurBand, s.BandLow, s.BandHigh};
}

void Restore(rv::Session& s, const DocumentState& state) {
    s.Doc = state.doc;
    s.CurModelCode = state.modelCode;
    s.CurBand = state.band;
    s.BandLow = state.bandLow;
    s.BandHigh = state.bandHigh;
}

QString ChangeName(const rv::Session& before, const rv::Session& after) {
    const auto diffs = rv::CompareDocuments(after, before);
    if (diffs.empty()) return {};
    const auto& first = diffs.front();
    const QString area = QString::fromStdString(first.area);
    const bool oneArea = std::all_of(diffs.begin(), diffs.end(),
                                     [&](const auto& d) { return d.area == first.area; });
    if (!oneArea) return area + QStringLiteral(" …");
    // A channel is named with its setting; a window's setting by its own label.
    const bool isChannel = area.contains(QRegularExpression(QStringLiteral("\\d$")));
    // A channel that was empty gets all its settings at once: the step is named after the
    // first of them, the one that was typed (window order puts the RX frequency first).
    const std::string none = rv::NoneText(after.CurLanguage);
    const bool filled = isChannel && std::all_of(diffs.begin(), diffs.end(),
                                                 [&](const auto& d) { return d.b == none; });
    if (diffs.size() > 1 && !filled) return area;
    const QString item = QString::fromStdString(first.item);
    return isChannel ? area + QLatin1Char(' ') + item : item;
}

AppContext::AppContext(QObject* parent)
    : QObject(parent), undo_(new QUndoStack(this)), last_(StateOf(session)) {
    connect(undo_, &QUndoStack::indexChanged, this, &AppContext::modifiedChanged);
}

AppContext::~AppContext() {
    if (ownsPrompt_) delete prompt_;
}

void AppContext::notifyEdited(QObject* source, const QString& name) {
    notifyEdited(source, name, last_);
}

void AppContext::notifyEdited(QObject* source, const QString& name, const DocumentState& before) {
    DocumentState now = StateOf(session);
    if (!(now == before)) {
        QString text = name;
        if (text.isEmpty()) {
            rv::Session old = session;
            Restore(old, before);
            text = ChangeName(old, session);
        }
        undo_->push(new DocumentStep(*this, text, before, now));
    }
    last_ = std::move(now);
    emit documentEdited(source);
}

void AppContext::notifyCommitted(QObject* source, std::string_view key,
                                 const rv::CommitResult& result) {
    if (result.changed.empty()) return;
    const rv::SettingRow* row = rv::findRow(key);
    const std::string also = rv::AlsoChangedText(result, key, lang());
    const std::string name = (row ? rv::LabelOf(*row, lang()) : std::string(key)) +
                             (also.empty() ? "" : " (" + also + ")");
    notifyEdited(source, QString::fromStdString(name));
}

void AppContext::notifyReplaced() {
    undo_->clear();
    unsaved_ = false;
    last_ = StateOf(session);
    emit documentReplaced();
    emit modifiedChanged();
}

void AppContext::markSaved() {
    // A change made without a step (a damaged field put right on open) is part of the save.
    last_ = StateOf(session);
    unsaved_ = false;
    undo_->setClean();
    emit modifiedChanged();
}

void AppContext::markUnsaved() {
    unsaved_ = true;
    emit modifiedChanged();
}

bool AppContext::isModified() const {
    return unsaved_ || !undo_->isClean() || !rv::IsUnchanged(session);
}

void AppContext::restoreState(const DocumentState& state) {
    Restore(session, state);
    last_ = state;
    emit documentEdited(nullptr);
}

Prompt& AppContext::prompt() const {
    static Prompt interactive;
    return prompt_ ? *prompt_ : interactive;
}

void AppContext::setPrompt(Prompt* p) {
    if (ownsPrompt_) delete prompt_;
    prompt_ = p;
    ownsPrompt_ = p != nullptr;
}

QString Tr(int language, const rv::LangText& t) {
    const int i = (language == Chinese) ? 2 : 1;
    return QString::fromStdString(t[static_cast<std::size_t>(i)]);
}

QString Tr(const AppContext& ctx, const rv::LangText& t) {
    return Tr(ctx.lang(), t);
}

} // namespace rv::ui
