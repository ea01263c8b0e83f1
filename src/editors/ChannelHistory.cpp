#include "ChannelHistory.h"

#include "kit/Prompt.h"

#include <algorithm>

namespace rv::ui {

ChannelSnapshot SnapshotOf(const rv::RadioData& doc) {
    return {doc.ChannelCount, doc.Channels};
}

void Restore(rv::RadioData& doc, const ChannelSnapshot& snapshot) {
    doc.ChannelCount = snapshot.count;
    doc.Channels = snapshot.channels;
}

ChannelHistory& ChannelHistory::of(AppContext& ctx) {
    if (auto* h = ctx.findChild<ChannelHistory*>(QString(), Qt::FindDirectChildrenOnly)) return *h;
    auto* h = new ChannelHistory(&ctx);
    // Steps of another document must never reach this one, however alike their channels.
    connect(&ctx, &AppContext::documentReplaced, h, &ChannelHistory::clear);
    return *h;
}

void ChannelHistory::record(const ChannelSnapshot& before, const ChannelSnapshot& after) {
    if (before == after) return;
    // A step that does not continue from the latest one belongs to another document.
    if (!done_.empty() && !(done_.back().after == before)) done_.clear();
    done_.push_back({before, after});
    undone_.clear();
}

bool ChannelHistory::canUndo(const rv::RadioData& doc) const {
    return !done_.empty() && done_.back().after == SnapshotOf(doc);
}

bool ChannelHistory::canRedo(const rv::RadioData& doc) const {
    return !undone_.empty() && undone_.back().before == SnapshotOf(doc);
}

bool ChannelHistory::undo(rv::RadioData& doc) {
    if (!canUndo(doc)) {
        clear();
        return false;
    }
    Restore(doc, done_.back().before);
    undone_.push_back(done_.back());
    done_.pop_back();
    return true;
}

bool ChannelHistory::redo(rv::RadioData& doc) {
    if (!canRedo(doc)) {
        undone_.clear();
        return false;
    }
    Restore(doc, undone_.back().after);
    done_.push_back(undone_.back());
    undone_.pop_back();
    return true;
}

void ChannelHistory::clear() {
    done_.clear();
    undone_.clear();
}

ChannelTransaction::ChannelTransaction(AppContext& ctx, QWidget* parent, QObject* source)
    : ctx_(ctx), parent_(parent), source_(source), before_(SnapshotOf(ctx.session.Doc)),
      savedHandler_(ctx.session.onMessage) {
    ctx_.session.onMessage = [this](rv::Msg m) {
        if (std::find(messages_.begin(), messages_.end(), m) == messages_.end())
            messages_.push_back(m);
    };
}

ChannelTransaction::~ChannelTransaction() {
    ctx_.session.onMessage = savedHandler_;
    const ChannelSnapshot after = SnapshotOf(ctx_.session.Doc);
    if (!(after == before_)) {
        ChannelHistory::of(ctx_).record(before_, after);
        ctx_.notifyEdited(source_);
    }
    for (const rv::Msg m : messages_)
        Ask(ctx_, parent_, m);
}

rv::ChannelChange ChannelTransaction::commit(int chNo, rv::ChannelFieldKind kind,
                                             const QString& text) {
    return rv::SetChannelField(ctx_.session, chNo, kind, text.toStdString());
}

bool UndoChannelEdit(AppContext& ctx, QObject* source) {
    if (!ChannelHistory::of(ctx).undo(ctx.session.Doc)) return false;
    ctx.notifyEdited(source);
    return true;
}

bool RedoChannelEdit(AppContext& ctx, QObject* source) {
    if (!ChannelHistory::of(ctx).redo(ctx.session.Doc)) return false;
    ctx.notifyEdited(source);
    return true;
}

} // namespace rv::ui
