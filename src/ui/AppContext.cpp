#include "AppContext.h"

#include "Prompt.h"
#include "data/Catalogue.h"
#include "data/DataFile.h"

#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace rv::ui {

DocumentStep::DocumentStep(AppContext& ctx, rv::DocumentDelta delta,
                           std::vector<rv::Change> changes, const QString& name)
    : QUndoCommand(name), ctx_(ctx), delta_(std::move(delta)), changes_(std::move(changes)) {}

void DocumentStep::undo() {
    ctx_.applyStep(delta_, false);
}

void DocumentStep::redo() {
    // The change is already in the document when the step is pushed.
    if (pushed_) ctx_.applyStep(delta_, true);
    pushed_ = true;
}

namespace {

/// The name of a step for the Edit menu ("Channel 3 RX Frequency", "Squelch Level") after the
/// settings it changed.
QString StepName(const std::vector<rv::Change>& changes, int language) {
    const rv::SettingRow* first = changes.empty() ? nullptr : rv::findRow(changes.front().key);
    if (!first) return {};
    const QString area = QString::fromStdString(rv::InLanguage(first->area, language));
    const bool oneArea = std::all_of(changes.begin(), changes.end(), [&](const rv::Change& c) {
        const rv::SettingRow* row = rv::findRow(c.key);
        return row && row->area == first->area;
    });
    if (!oneArea) return area + QStringLiteral(" …");
    // A channel is named with its setting; a window's setting by its own label.
    const bool isChannel = first->key.starts_with("channel.");
    // A channel that was empty gets all its settings at once: the step is named after the
    // first of them, the one that was typed (window order puts the RX frequency first).
    const bool filled =
        isChannel && std::all_of(changes.begin(), changes.end(),
                                 [](const rv::Change& c) { return c.before.empty(); });
    const QString item = QString::fromStdString(rv::LabelOf(*first, language));
    QString name = isChannel ? area + QLatin1Char(' ') + item : item;
    // The first change is the one made (a setting's rows come before those it governs); the
    // others are named with it, as a commit names them.
    if (changes.size() > 1 && !filled) {
        const std::string also =
            rv::AlsoChangedText(rv::CommitResult{std::nullopt, changes}, first->key, language);
        name += QStringLiteral(" (%1)").arg(QString::fromStdString(also));
    }
    return name;
}

} // namespace

AppContext::AppContext(QObject* parent)
    : QObject(parent), undo_(new QUndoStack(this)), last_(session.Doc) {
    connect(undo_, &QUndoStack::indexChanged, this, &AppContext::modifiedChanged);
}

AppContext::~AppContext() {
    if (ownsPrompt_) delete prompt_;
}

void AppContext::notifyEdited(QObject* source, const QString& name) {
    record(source, name, nullptr);
}

void AppContext::notifyCommitted(QObject* source, std::string_view key,
                                 const rv::CommitResult& result) {
    if (result.changed.empty()) return;
    const rv::SettingRow* row = rv::findRow(key);
    const std::string also = rv::AlsoChangedText(result, key, lang());
    const std::string name = (row ? rv::LabelOf(*row, lang()) : std::string(key)) +
                             (also.empty() ? "" : " (" + also + ")");
    record(source, QString::fromStdString(name), &result.changed);
}

void AppContext::record(QObject* source, const QString& name,
                        const std::vector<rv::Change>* changes) {
    if (session.Doc == last_) return;
    rv::DocumentDelta delta(last_, session.Doc);
    last_ = session.Doc;
    // A commit knows what it changed; any other change is read from the areas it touched.
    std::vector<rv::Change> changed = changes ? *changes : delta.changes(session);
    const QString text = name.isEmpty() ? StepName(changed, lang()) : name;
    undo_->push(new DocumentStep(*this, std::move(delta), std::move(changed), text));
    emit documentEdited(source);
}

void AppContext::notifyReplaced() {
    undo_->clear();
    unsaved_ = false;
    last_ = session.Doc;
    emit documentReplaced();
    emit modifiedChanged();
}

void AppContext::markSaved() {
    // A change made without a step (a damaged field put right on open) is part of the save.
    last_ = session.Doc;
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

void AppContext::applyStep(const rv::DocumentDelta& delta, bool forward) {
    delta.apply(session.Doc, forward);
    delta.apply(last_, forward);
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
