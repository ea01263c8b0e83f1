#pragma once

#include "ui/Prompt.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>

namespace rv::test {

/// Answers the program's questions from a script and records what was asked.
/// An unscripted question is answered with the first button (Ok / Yes / Retry).
class ScriptedPrompt : public rv::ui::Prompt {
public:
    std::deque<rv::ui::Answer> answers;
    std::deque<QString> fileNames; ///< answers of the file dialogs; empty text = cancelled
    QStringList asked;             ///< texts of every message shown, in order
    QStringList titles;            ///< their titles, in the same order
    QStringList dialogs;           ///< "open:<dir>" / "save:<proposed>" for every file dialog
    QList<QUrl> opened;            ///< pages handed to the browser
    bool hasBrowser = true;        ///< false: the machine has no web browser
    /// Runs while a message is open, before it is answered.
    std::function<void()> whenAsked;

    rv::ui::Answer message(QWidget*, const QString& title, const QString& text,
                           rv::MsgButtons buttons, rv::MsgIcon) override {
        asked << text;
        titles << title;
        if (whenAsked) whenAsked();
        if (!answers.empty()) {
            const auto a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (buttons) {
        case rv::MsgButtons::YesNoCancel:
            return rv::ui::Answer::Yes;
        case rv::MsgButtons::RetryCancel:
            return rv::ui::Answer::Retry;
        default:
            return rv::ui::Answer::Ok;
        }
    }
    QString openFileName(QWidget*, const QString&, const QString& dir, const QString&) override {
        dialogs << QStringLiteral("open:") + dir;
        return next();
    }
    QString saveFileName(QWidget*, const QString&, const QString& proposed,
                         const QString&) override {
        dialogs << QStringLiteral("save:") + proposed;
        return next();
    }
    bool openUrl(const QUrl& url) override {
        if (hasBrowser) opened << url;
        return hasBrowser;
    }

private:
    QString next() {
        if (fileNames.empty()) return {};
        QString f = fileNames.front();
        fileNames.pop_front();
        return f;
    }
};

} // namespace rv::test
