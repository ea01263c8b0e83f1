#pragma once

#include "ui/AppContext.h"

#include <QApplication>
#include <QWidget>

namespace rv::editors {

/// The open channel window of that form name working on `ctx`: through the main window
/// when there is one, otherwise among the application's visible top-level windows.
template <class W> W* FindChannelWindow(ui::AppContext& ctx, const QString& formName) {
    if (ctx.host) return qobject_cast<W*>(ctx.host->findWindow(formName));
    for (QWidget* w : QApplication::allWidgets()) {
        auto* win = qobject_cast<W*>(w);
        if (win && win->objectName() == formName && &win->context() == &ctx && win->isVisible())
            return win;
    }
    return nullptr;
}

} // namespace rv::editors
