// A child window that goes away while one of its boxes is being typed in.
#include "ui/ChildWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

/// Counts commits, and commits that arrive once the window has been destroyed.
struct Tally {
    int commits = 0;
    int afterDestruction = 0;
};

class EditingWindow : public rv::ui::ChildWindow {
public:
    EditingWindow(rv::ui::AppContext& ctx, Tally& tally)
        : ChildWindow(ctx, QStringLiteral("EditingWindow")), tally_(tally) {
        box = new QLineEdit(this);
        (new QVBoxLayout(this))->addWidget(box);
        connect(box, &QLineEdit::editingFinished, this, [this] { commit(); });
    }
    ~EditingWindow() override { gone_ = true; }

    void changeShowByLanguage() override {}
    void reShow() override {}

    QLineEdit* box = nullptr;

private:
    void commit() {
        // Reading a member of a destroyed window is exactly the fault looked for; the flag
        // stays readable here because the memory is not yet given back.
        if (gone_) ++tally_.afterDestruction;
        ++tally_.commits;
    }

    Tally& tally_;
    bool gone_ = false;
};

TEST(ChildWindow, BoxLosingTheFocusWhileItsWindowIsDestroyedReachesNoSlot) {
    rv::ui::AppContext ctx;
    Tally tally;
    auto* w = new EditingWindow(ctx, tally);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->box->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->box->hasFocus(); }, 10000));
    QTest::keyClicks(w->box, "12");
    delete w;
    EXPECT_EQ(tally.afterDestruction, 0);

    // While the window lives, leaving the box still commits.
    auto* live = new EditingWindow(ctx, tally);
    auto* other = new QLineEdit(live);
    live->layout()->addWidget(other);
    live->show();
    live->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(live));
    live->box->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return live->box->hasFocus(); }, 10000));
    QTest::keyClicks(live->box, "3");
    const int before = tally.commits;
    other->setFocus();
    EXPECT_EQ(tally.commits, before + 1);
    live->close(); // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
