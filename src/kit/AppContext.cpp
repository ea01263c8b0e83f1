#include "AppContext.h"

#include "Prompt.h"

namespace rv::ui {

AppContext::AppContext(QObject* parent) : QObject(parent) {}

AppContext::~AppContext() {
    if (ownsPrompt_) delete prompt_;
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
