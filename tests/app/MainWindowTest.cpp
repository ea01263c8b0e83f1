#include "AppFixture.h"
#include "app/Captions.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

using rv::test::AppTest;

namespace {

QStringList TreeKeys(QTreeWidget* tree) {
    QStringList keys;
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it)
        keys << (*it)->data(0, Qt::UserRole).toString();
    return keys;
}

QTreeWidgetItem* TreeNode(QTreeWidget* tree, const QString& key) {
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
    return nullptr;
}

const char* const ServiceEntries[] = {"mnuTest",      "mnuTools",   "mnuDTMF",
                                      "mnuFleetSync", "mnuTestFre", "mnuFilePrint"};

} // namespace

TEST_F(AppTest, StartsWithNewDocumentTitleAndChannelWindow) {
    start();
    EXPECT_EQ(main->windowTitle(), "RV52N[7415:400 - 470 MHz][File Name:new.dat][*]");
    EXPECT_EQ(openWindows(), QStringList{"frmCommChInfo"});
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join('|').toStdString();
    EXPECT_EQ(main->findChild<QLabel*>("Panel2")->text(), "7415[400 - 470 MHz]");
    EXPECT_EQ(main->findChild<QLabel*>("Panel3")->text(), "COM1");
}

TEST_F(AppTest, ChineseSystemStartsInChinese) {
    start(QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_EQ(ctx->lang(), rv::Chinese);
    EXPECT_EQ(ctx->LanguageChoice, rv::Chinese);
    EXPECT_EQ(main->windowTitle(), "RV52N[7415:400 - 470 MHz][文件名:new.dat][*]");
    EXPECT_EQ(main->findChild<QLabel*>("Panel3")->text(), "通信口1");
}

TEST_F(AppTest, MenuCaptionsInBothLanguages) {
    struct Row {
        const char* name;
        const char* english;
        const char* chinese;
    };
    const Row rows[] = {
        {"mnuFile", "&File", "文件(&F)"},
        {"mnuFileSaveAs", "Save &As", "另存为(&A)"},
        {"mnuEdit", "&Edit", "编辑(E)"},
        {"mnuTestFre", "&Test FreQuence", "测试频率(&T)"},
        {"mnuReadFromRadio", "&Read from Radio", "从对讲机读取数据(&R)"},
        {"mnuComm", "&Communication Port", "通讯端口(&C)"},
        {"mnuWindowTileVertical", "Tile Windows &Vertically", "纵向平铺窗口(&V)"},
        {"mnuHelpAbout", "&About RV52N", "关于 RV52N(&A)"},
    };
    start();
    for (const Row& r : rows)
        EXPECT_EQ(act(r.name)->text(), r.english) << r.name;
    ctx->session.CurLanguage = rv::Chinese;
    main->Change_Language();
    for (const Row& r : rows)
        EXPECT_EQ(act(r.name)->text(), r.chinese) << r.name;
}

TEST_F(AppTest, HiddenEntriesAndNodesStayHiddenWithoutServiceMode) {
    start();
    for (const char* n : ServiceEntries)
        EXPECT_FALSE(act(n)->isVisible()) << n;
    for (const char* n :
         {"mnuWindowTileVertical", "mnuWindowTileHorizontal", "mnuWindowArrangeIcons"})
        EXPECT_FALSE(act(n)->isVisible()) << n;
    for (const char* n : {"mnuFileNew", "mnuModelInfo", "mnuChannelInfo", "mnuEmbeddedMsg",
                          "mnuWriteToRadio", "mnuLanguage", "mnuCloseAll", "mnuHelpTopic"})
        EXPECT_TRUE(act(n)->isVisible()) << n;
    EXPECT_EQ(TreeKeys(main->tree()), (QStringList{"N0", "N1", "N2", "N3", "N4", "N8"}));
    // Print stays reachable from the toolbar.
    EXPECT_TRUE(act("打印")->isVisible());
}

TEST_F(AppTest, ServiceModeShowsServiceEntriesAndNodes) {
    start(QLocale(QLocale::English, QLocale::UnitedStates), true);
    for (const char* n : ServiceEntries)
        EXPECT_TRUE(act(n)->isVisible()) << n;
    EXPECT_FALSE(act("mnuWindowArrangeIcons")->isVisible());
    EXPECT_EQ(TreeKeys(main->tree()),
              (QStringList{"N0", "N1", "N2", "N3", "N4", "N5", "N6", "N7", "N8"}));
}

TEST_F(AppTest, TreeCaptionsFollowTheEditMenuInBothLanguages) {
    start();
    EXPECT_EQ(TreeNode(main->tree(), "N0")->text(0), "RV52N");
    EXPECT_EQ(TreeNode(main->tree(), "N1")->text(0), "Channel Information");
    EXPECT_EQ(TreeNode(main->tree(), "N8")->text(0), "Embedded Message");
    ctx->session.CurLanguage = rv::Chinese;
    main->Change_Language();
    EXPECT_EQ(TreeNode(main->tree(), "N1")->text(0), "信道信息");
    EXPECT_EQ(TreeNode(main->tree(), "N3")->text(0), "键设置");
}

TEST_F(AppTest, ToolbarHasEightButtonsWithMenuTooltips) {
    start();
    auto* bar = main->findChild<QToolBar*>("tbToolBar");
    ASSERT_NE(bar, nullptr);
    QStringList keys;
    for (QAction* a : bar->actions())
        keys << a->objectName();
    EXPECT_EQ(keys, (QStringList{"新建", "打开", "保存", "打印", "ReadRadio", "CommSet",
                                 "WriteRadio", "About"}));
    EXPECT_EQ(act("ReadRadio")->toolTip(), "Read from Radio");
    EXPECT_EQ(act("CommSet")->toolTip(), "Communication Port");
    for (QAction* a : bar->actions())
        EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
}

TEST_F(AppTest, TreeClickOpensOneWindowOfEachKind) {
    start();
    auto* node = TreeNode(main->tree(), "N2");
    emit main->tree()->itemClicked(node, 0);
    emit main->tree()->itemClicked(node, 0);
    EXPECT_EQ(openWindows().count("FrmOptFeatures"), 1);
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget()->objectName(), "FrmOptFeatures");
    // Bringing the channel window back to the front does not open a second one.
    QWidget* channels = main->findWindow("frmCommChInfo");
    EXPECT_EQ(main->showChildWindow("frmCommChInfo"), channels);
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget(), channels);
    emit main->tree()->itemClicked(TreeNode(main->tree(), "N0"), 0);
    EXPECT_EQ(openWindows().size(), 2);
}

TEST_F(AppTest, CloseAllWindowsLeavesNoneAndReopensFresh) {
    start();
    main->showChildWindow("FrmScanInfo");
    QWidget* before = main->findWindow("frmCommChInfo");
    act("mnuCloseAll")->trigger();
    EXPECT_TRUE(openWindows().isEmpty());
    EXPECT_EQ(main->findWindow("FrmScanInfo"), nullptr);
    QWidget* after = main->showChildWindow("frmCommChInfo");
    EXPECT_NE(after, nullptr);
    EXPECT_NE(after, before);
}

TEST_F(AppTest, CloseAllWindowsClosesToolWindowsButNotModalDialogs) {
    start();
    main->show();
    auto* tool = new QWidget(main.get(), Qt::Window);
    tool->setObjectName("FrmTestMode");
    tool->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> toolAlive(tool);
    tool->show();
    QDialog modal(main.get());
    modal.setModal(true);
    modal.show();
    EXPECT_EQ(main->findWindow("FrmTestMode"), tool);
    main->closeCurAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(toolAlive.isNull());
    EXPECT_TRUE(modal.isVisible());
    modal.hide();
    main->hide();
}

TEST_F(AppTest, ViewEntriesToggleTheirPanels) {
    start();
    main->show();
    const struct {
        const char* entry;
        QWidget* panel;
    } rows[] = {{"mnuTreeView", main->findChild<QWidget*>("Picture1")},
                {"mnuViewToolbar", main->findChild<QWidget*>("tbToolBar")},
                {"mnuViewStatusBar", main->statusBar()}};
    for (const auto& r : rows) {
        ASSERT_NE(r.panel, nullptr) << r.entry;
        EXPECT_TRUE(act(r.entry)->isChecked());
        act(r.entry)->trigger();
        EXPECT_FALSE(act(r.entry)->isChecked());
        EXPECT_FALSE(r.panel->isVisible()) << r.entry;
        act(r.entry)->trigger();
        EXPECT_TRUE(r.panel->isVisible()) << r.entry;
    }
    // The small toolbar on the tree panel hides the panel and clears the check mark.
    main->findChild<QToolBar*>("Toolbar1")->actions().first()->trigger();
    EXPECT_FALSE(act("mnuTreeView")->isChecked());
    main->hide();
}

TEST_F(AppTest, SplitterKeepsTheTreePanelAtLeast300Twips) {
    start();
    // The placement an earlier test left behind must not decide how the space is shared.
    main->resize(967, 700);
    main->show();
    auto* splitter = main->findChild<QSplitter*>("CommandMove");
    ASSERT_NE(splitter, nullptr);
    splitter->setSizes({2, 2000});
    EXPECT_GE(splitter->sizes().at(0), 20);
    splitter->setSizes({300, 600});
    EXPECT_GT(splitter->sizes().at(0), 200);
    main->hide();
}

TEST(Captions, PlainCaptionDropsAccessKeys) {
    EXPECT_EQ(rv::app::PlainCaption("&Channel Information"), "Channel Information");
    EXPECT_EQ(rv::app::PlainCaption("信道信息(&C)"), "信道信息");
    EXPECT_EQ(rv::app::PlainCaption("Fleet Sync(队列同步)(&F)"), "Fleet Sync(队列同步)");
    EXPECT_EQ(rv::app::FileNameOf("C:\\radio\\a.dat"), "a.dat");
    EXPECT_EQ(rv::app::FileNameOf("/home/u/b.dat"), "b.dat");
    EXPECT_EQ(rv::app::FileNameOf("new.dat"), "new.dat");
}

TEST_F(AppTest, HelpOpensThePageOfTheCurrentLanguage) {
    start();
    act("mnuHelpTopic")->trigger();
    ctx->session.CurLanguage = rv::Chinese;
    act("mnuHelpTopic")->trigger();
    ASSERT_EQ(prompt->opened.size(), 2);
    EXPECT_EQ(prompt->opened[0].toLocalFile(), QDir(RV_BIN_DIR).filePath("RVPS-52N_e.html"));
    EXPECT_EQ(prompt->opened[1].toLocalFile(), QDir(RV_BIN_DIR).filePath("RVPS-52N_c.html"));
    EXPECT_TRUE(prompt->asked.isEmpty());
}

TEST_F(AppTest, HelpWithoutItsFileSaysWhereItLooked) {
    start();
    ctx->programDir = dir.path();
    act("mnuHelpTopic")->trigger();
    EXPECT_TRUE(prompt->opened.isEmpty());
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_TRUE(prompt->asked[0].endsWith(dir.filePath("RVPS-52N_e.html")));
}
