#pragma once

#include "data/ChannelCommit.h"
#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "editors/FrmCHInfoEdit.h"
#include "editors/frmCommChInfo.h"
#include "support/ScriptedPrompt.h"
#include "ui/AppContext.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace rv::test {

/// A context with a new 136 - 174 MHz document, the DQT table and a scripted prompt.
class ChannelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            before << w;
        ctx = std::make_unique<rv::ui::AppContext>();
        prompt = new ScriptedPrompt;
        ctx->setPrompt(prompt);
        auto& s = ctx->session;
        s.CurModelCode = "7415";
        s.CurBand = "136 - 174 MHz";
        rv::SetBandLimits(s);
        ASSERT_TRUE(rv::LoadDqtTable(s, rv::DqtTablePath(RV_BIN_DIR)));
        rv::InitRadioData(s, "20260101");
        ctx->notifyReplaced();
    }
    void TearDown() override {
        // Windows go before the context they work on.
        // Popups of drop-down boxes are windows too, but their box owns them.
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!w->parentWidget() && !existedBefore(w)) windows << w;
        for (const auto& w : windows)
            delete w.data();
        ctx.reset();
    }

    rv::Session& session() { return ctx->session; }
    rv::RadioData& doc() { return ctx->session.Doc; }

    /// Creates channel n through the commit, as the grid would.
    void addChannel(int n, const char* rx, const char* tx = "") {
        rv::SetChannelField(session(), n, rv::ChannelFieldKind::RxFreq, rx);
        if (*tx) rv::SetChannelField(session(), n, rv::ChannelFieldKind::TxFreq, tx);
    }
    const rv::ChannelInfo* channel(int n) { return rv::ChannelOf(doc(), n); }

    rv::editors::frmCommChInfo* openGrid() {
        auto* g = new rv::editors::frmCommChInfo(*ctx);
        g->show();
        return g;
    }
    rv::editors::FrmCHInfoEdit* openDialog() {
        auto* d = new rv::editors::FrmCHInfoEdit(*ctx);
        d->show();
        return d;
    }

    template <class T> static T* child(QWidget* w, const char* name) {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    /// The grid's open frequency editor.
    static QLineEdit* text1(rv::editors::frmCommChInfo* g) {
        return qobject_cast<QLineEdit*>(g->openEditor());
    }
    static QString cell(rv::editors::frmCommChInfo* g, int row, int column) {
        auto* view = child<QTableView>(g, "MSFlexGrid1");
        return view->model()->index(row - 1, column).data().toString();
    }
    static std::pair<int, int> current(rv::editors::frmCommChInfo* g) {
        auto* view = child<QTableView>(g, "MSFlexGrid1");
        return {view->currentIndex().row() + 1, view->currentIndex().column()};
    }
    /// Replaces the text of a frequency box the way a user would: select all, type, Enter.
    static void typeAndEnter(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        if (!text.isEmpty()) QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    /// Picks a list entry as a user does: opens the list, moves to the entry, presses Enter.
    static void choose(QComboBox* box, const QString& text) {
        const int i = box->findText(text, Qt::MatchExactly);
        ASSERT_GE(i, 0) << text.toStdString() << " not offered by "
                        << box->objectName().toStdString();
        box->showPopup();
        box->view()->setCurrentIndex(box->view()->model()->index(i, box->modelColumn()));
        QTest::keyClick(box->view(), Qt::Key_Return);
        ASSERT_EQ(box->currentText(), text);
    }
    static QStringList items(QComboBox* box) {
        QStringList l;
        for (int i = 0; i < box->count(); ++i)
            l << box->itemText(i);
        return l;
    }

    std::unique_ptr<rv::ui::AppContext> ctx;
    ScriptedPrompt* prompt = nullptr;
    /// Windows that were there before the test. Guarded, because one of them may be deleted
    /// during the test and a window of the test then be born at its address.
    QList<QPointer<QWidget>> before;

private:
    bool existedBefore(QWidget* w) const {
        for (const auto& b : before)
            if (b.data() == w) return true;
        return false;
    }
};

} // namespace rv::test
