#include "ChannelTransaction.h"

#include "ui/Prompt.h"

#include <algorithm>

namespace rv::editors {

ChannelTransaction::ChannelTransaction(ui::AppContext& ctx, QWidget* parent, QObject* source,
                                       QString name)
    : ctx_(ctx), parent_(parent), source_(source), name_(std::move(name)),
      savedHandler_(ctx.session.onMessage) {
    ctx_.session.onMessage = [this](rv::Msg m) {
        if (std::find(messages_.begin(), messages_.end(), m) == messages_.end())
            messages_.push_back(m);
    };
}

ChannelTransaction::~ChannelTransaction() {
    ctx_.session.onMessage = savedHandler_;
    ctx_.notifyEdited(source_, name_);
    for (const rv::Msg m : messages_)
        ui::Ask(ctx_, parent_, m);
}

rv::ChannelChange ChannelTransaction::commit(int chNo, rv::ChannelFieldKind kind,
                                             const QString& text) {
    return rv::SetChannelField(ctx_.session, chNo, kind, text.toStdString());
}

} // namespace rv::editors
