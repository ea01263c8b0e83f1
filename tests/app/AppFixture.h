#pragma once

#include "app/Startup.h"
#include "app/frmMain.h"
#include "data/DataFile.h"
#include "sim/SimRadio.h"
#include "sim/SimRadioPty.h"
#include "support/ScriptedPrompt.h"
#include "ui/AppContext.h"
#include "ui/RadioPort.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <memory>

namespace rv::test {

/// The entries of a drop-down box, in order.
inline QStringList Items(const QComboBox* c) {
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items;
}

/// A started program: context with a scripted prompt, start-up done from the build's program
/// folder in the given locale, and the main window.
class AppTest : public ::testing::Test {
protected:
    void start(const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates),
               bool service = false) {
        // A second start in one test: the old window goes before the context it works on.
        main.reset();
        ctx = std::make_unique<rv::ui::AppContext>();
        prompt = new ScriptedPrompt;
        ctx->setPrompt(prompt);
        ctx->serviceMode = service;
        ctx->session.onMessage = [this](rv::Msg m) { rv::ui::Ask(*ctx, nullptr, m); };
        rv::app::StartUp(*ctx, QStringLiteral(RV_BIN_DIR), locale);
        main = std::make_unique<rv::app::frmMain>(*ctx);
    }
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override {
        main.reset();
        ctx.reset();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QAction* act(const char* name) const { return main->action(QString::fromUtf8(name)); }
    QStringList openWindows() const {
        QStringList names;
        for (auto* sub : main->mdiArea()->subWindowList())
            if (!sub->isHidden() && sub->widget()) names << sub->widget()->objectName();
        return names;
    }
    /// Makes the document differ from its saved copy.
    void modify() { ctx->doc().OptFeatures.SquelchLevel = 8; }

    QTemporaryDir dir;
    std::unique_ptr<rv::ui::AppContext> ctx;
    ScriptedPrompt* prompt = nullptr; // owned by ctx
    std::unique_ptr<rv::app::frmMain> main;
};

/// A started program on the built-in simulated radio, fault-free and holding the demo
/// memory; the faults a test switches on are switched off again after it.
class SimRadioTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // The first user of the simulated radio decides its pace: tests want it fast.
        sim = rv::ui::ServiceSimRadio(false);
        ASSERT_NE(sim, nullptr);
        sim->withRadio([](rv::sim::SimRadio& r) {
            r.faults() = {};
            r.memory() = rv::sim::DemoRadioMemory();
        });
    }
    void TearDown() override {
        if (sim) sim->withRadio([](rv::sim::SimRadio& r) { r.faults() = {}; });
        AppTest::TearDown();
    }

    rv::sim::SimRadioPty* sim = nullptr;
};

} // namespace rv::test
