#pragma once

#include "data/Defaults.h"
#include "editors/SettingsInput.h"
#include "support/ScriptedPrompt.h"
#include "ui/AppContext.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace rv::test {

/// A new document in the default model and band, with a scripted prompt.
class SettingsFixture : public ::testing::Test {
protected:
    SettingsFixture() {
        InitRadioData(ctx.session, "20260101");
        prompt = new ScriptedPrompt;
        ctx.setPrompt(prompt);
    }

    /// Creates a window on the document and shows it active, so focus moves as for a user.
    template <class W> std::unique_ptr<W> open() {
        auto w = std::make_unique<W>(ctx);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        QApplication::setActiveWindow(w.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    rv::ui::AppContext ctx;
    ScriptedPrompt* prompt = nullptr;
};

template <class T = QWidget> T* Child(QWidget* w, const QString& name) {
    auto* c = w->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

inline rv::editors::SettingsCombo* Box(QWidget* w, const QString& name) {
    return Child<rv::editors::SettingsCombo>(w, name);
}

/// The text a box shows: the selected entry, or a stored value outside its list.
inline QString Shown(const QComboBox* box) {
    return box->currentIndex() >= 0 ? box->currentText() : box->placeholderText();
}

/// Chooses the entry with that text as a user does: opens the list, moves to the entry
/// and presses Enter.
inline void Choose(rv::editors::SettingsCombo* box, const QString& text) {
    const int i = box->findText(text, Qt::MatchExactly);
    ASSERT_GE(i, 0) << text.toStdString() << " is not in " << box->objectName().toStdString();
    ASSERT_TRUE(box->isEnabled()) << box->objectName().toStdString();
    box->showPopup();
    auto* view = box->view();
    view->setCurrentIndex(view->model()->index(i, box->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(Shown(box), text);
}

/// Focuses a text box, replaces its text by typing, and leaves it with Tab.
inline void TypeInto(QLineEdit* box, const QString& keys) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Tab);
}

inline void Click(QCheckBox* c) {
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, c->height() / 2));
}

} // namespace rv::test

namespace rv::test {

/// Text that reaches a box without a key press: an input method's commit.
inline void CommitByInputMethod(QWidget* box, const QString& text) {
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(box, &e);
}

/// Text that got into a box past its key rule, by whatever way: the commit must refuse it.
inline void SlipIn(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setModified(true);
}

} // namespace rv::test
