#pragma once

#include "data/ChannelCommit.h"
#include "ui/AppContext.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace rv::editors {

/// Groups channel commits into one undo step. The messages the commits raise (a frequency
/// out of range) are shown once each when the transaction ends, after every view has been
/// told to redraw.
class ChannelTransaction {
public:
    /// `name` names the step in the Edit menu; empty names it after what changed.
    ChannelTransaction(ui::AppContext& ctx, QWidget* parent, QObject* source, QString name = {});
    ~ChannelTransaction();
    ChannelTransaction(const ChannelTransaction&) = delete;
    ChannelTransaction& operator=(const ChannelTransaction&) = delete;

    /// `SetChannelField` on the session of the context.
    rv::ChannelChange commit(int chNo, rv::ChannelFieldKind kind, const QString& text);
    /// The document of the context, for changes to the channel list as a whole.
    rv::RadioData& doc() { return ctx_.session.Doc; }

private:
    ui::AppContext& ctx_;
    QWidget* parent_;
    QObject* source_;
    QString name_;
    std::function<void(rv::Msg)> savedHandler_;
    std::vector<rv::Msg> messages_;
};

} // namespace rv::editors
