#pragma once

#include "data/ChannelCommit.h"
#include "kit/AppContext.h"

#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QWidget;

namespace rv::ui {

/// The channel list of a document as undo keeps it.
struct ChannelSnapshot {
    rv::Int16 count = 0;
    std::array<rv::ChannelInfo, 16> channels{};
    bool operator==(const ChannelSnapshot&) const = default;
};

ChannelSnapshot SnapshotOf(const rv::RadioData& doc);
void Restore(rv::RadioData& doc, const ChannelSnapshot& snapshot);

/// Undo and redo of channel commits over the one document, shared by every channel window
/// of a context. A step applies only while the channel list is still the one it left
/// behind, and the history is dropped when the document is replaced (New, Open, Read).
class ChannelHistory : public QObject {
    Q_OBJECT
public:
    /// The history of the context, created on first use.
    static ChannelHistory& of(AppContext& ctx);

    void record(const ChannelSnapshot& before, const ChannelSnapshot& after);
    /// Takes back the latest step; false when there is none (or the history went stale).
    bool undo(rv::RadioData& doc);
    /// Applies the latest undone step again.
    bool redo(rv::RadioData& doc);
    bool canUndo(const rv::RadioData& doc) const;
    bool canRedo(const rv::RadioData& doc) const;
    void clear();

private:
    explicit ChannelHistory(QObject* parent) : QObject(parent) {}
    struct Step {
        ChannelSnapshot before;
        ChannelSnapshot after;
    };
    std::vector<Step> done_;
    std::vector<Step> undone_;
};

/// Groups channel commits into one undoable step. The messages the commits raise (a
/// frequency out of range) are shown once each when the transaction ends, after every
/// channel view has been told to redraw.
class ChannelTransaction {
public:
    ChannelTransaction(AppContext& ctx, QWidget* parent, QObject* source);
    ~ChannelTransaction();
    ChannelTransaction(const ChannelTransaction&) = delete;
    ChannelTransaction& operator=(const ChannelTransaction&) = delete;

    /// `SetChannelField` on the session of the context.
    rv::ChannelChange commit(int chNo, rv::ChannelFieldKind kind, const QString& text);

private:
    AppContext& ctx_;
    QWidget* parent_;
    QObject* source_;
    ChannelSnapshot before_;
    std::function<void(rv::Msg)> savedHandler_;
    std::vector<rv::Msg> messages_;
};

/// Takes back (or re-applies) the latest channel step and tells every view; false when
/// there was nothing to do.
bool UndoChannelEdit(AppContext& ctx, QObject* source);
bool RedoChannelEdit(AppContext& ctx, QObject* source);

} // namespace rv::ui
