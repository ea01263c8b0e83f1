// The frame of the main window: menus, toolbar, tree and status bar, and their captions.
#include "Captions.h"
#include "HelpWindow.h"
#include "frmMain.h"
#include "link/CloneSession.h"
#include "service/ServiceEntry.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string_view>
#include <utility>

namespace rv::app {

namespace {

// Tree nodes: key, the menu entry whose caption they show, the window they open.
struct Node {
    const char* key;
    const char* menu;
    const char* form;
    bool service;
};
const Node Nodes[] = {
    {"N1", "mnuChannelInfo", "frmCommChInfo", false},
    {"N2", "mnuOptFeature", "FrmOptFeatures", false},
    {"N3", "mnuKeyAssignm", "FrmKeyAssignm", false},
    {"N4", "mnuScanInfo", "FrmScanInfo", false},
    {"N5", "mnuDTMF", "FrmDTMF", true},
    {"N6", "mnuFleetSync", "FrmFleetSync", true},
    {"N7", "mnuTestFre", "FrmTestFre", true},
    {"N8", "mnuEmbeddedMsg", "FrmEmbMsg", false},
};

// Toolbar buttons: key, the menu entry whose caption is the tooltip, icon.
struct Button {
    const char* key;
    const char* menu;
    QStyle::StandardPixmap icon;
};
const Button Buttons[] = {
    {"新建", "mnuFileNew", QStyle::SP_FileIcon},
    {"打开", "mnuFileOpen", QStyle::SP_DialogOpenButton},
    {"保存", "mnuFileSave", QStyle::SP_DialogSaveButton},
    {"打印", "mnuFilePrint", QStyle::SP_FileDialogContentsView},
    {"ReadRadio", "mnuReadFromRadio", QStyle::SP_ArrowDown},
    {"CommSet", "mnuComm", QStyle::SP_ComputerIcon},
    {"WriteRadio", "mnuWriteToRadio", QStyle::SP_ArrowUp},
    {"About", "mnuHelpAbout", QStyle::SP_MessageBoxInformation},
};

// Entries hidden in the ordinary program; the service program shows the first group.
const char* const ServiceEntries[] = {"mnuTest",      "mnuTools",   "mnuDTMF",
                                      "mnuFleetSync", "mnuTestFre", "mnuFilePrint"};
const char* const NeverShown[] = {"mnuWindowTileVertical", "mnuWindowTileHorizontal",
                                  "mnuWindowArrangeIcons"};

QString Name(const char* n) {
    return QString::fromUtf8(n);
}

} // namespace

/// A menu caption without its access key: "信道信息(&C)" → "信道信息".
QString PlainCaption(const QString& caption) {
    static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)"));
    QString s = caption;
    s.remove(accessKey);
    s.remove(QLatin1Char('&'));
    return s;
}

QAction* frmMain::action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* frmMain::addMenu(const char* name) {
    QMenu* m = menuBar()->addMenu(QString());
    m->setObjectName(Name(name));
    m->menuAction()->setObjectName(Name(name));
    menus_[Name(name)] = m;
    actions_[Name(name)] = m->menuAction();
    return m;
}

QAction* frmMain::addEntry(QMenu* menu, const char* name) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(Name(name));
    actions_[Name(name)] = a;
    return a;
}

void frmMain::buildMenus() {
    using Command = void (*)(frmMain&);
    struct Entry {
        const char* menu; ///< nullptr for a menu of the menu bar
        const char* name; ///< "-" for a separator
        Command run;
    };
    // The menu bar in order; the Edit entries come from the tree node table.
    static const Entry Menus[] = {
        {nullptr, "mnuFile", nullptr},
        {"mnuFile", "mnuFileNew", [](frmMain& m) { m.mnuFileNew_Click(); }},
        {"mnuFile", "mnuFileOpen", [](frmMain& m) { m.mnuFileOpen_Click(); }},
        {"mnuFile", "mnuFileSave", [](frmMain& m) { m.mnuFileSave_Click(); }},
        {"mnuFile", "mnuFileSaveAs", [](frmMain& m) { m.mnuFileSaveAs_Click(); }},
        {"mnuFile", "mnuCompareFile", [](frmMain& m) { m.mnuCompareFile_Click(); }},
        {"mnuFile", "-", nullptr},
        {"mnuFile", "mnuFileImportCsv", [](frmMain& m) { m.mnuFileImportCsv_Click(); }},
        {"mnuFile", "mnuFileExportCsv", [](frmMain& m) { m.mnuFileExportCsv_Click(); }},
        {"mnuFile", "-", nullptr},
        {"mnuFile", "mnuFilePrint", [](frmMain& m) { m.mnuFilePrint_Click(); }},
        {"mnuFile", "-", nullptr},
        {"mnuFile", "mnuFileExit", [](frmMain& m) { m.mnuFileExit_Click(); }},
        {nullptr, "mnuModel", nullptr},
        {"mnuModel", "mnuModelInfo", [](frmMain& m) { m.mnuModelInfo_Click(); }},
        {nullptr, "mnuEdit", nullptr},
        {nullptr, "mnuProgram", nullptr},
        {"mnuProgram", "mnuReadFromRadio",
         [](frmMain& m) {
             if (m.readyToReplace()) m.runTransfer(rv::link::ReadRadio);
         }},
        {"mnuProgram", "mnuWriteToRadio", [](frmMain& m) { m.runTransfer(rv::link::WriteRadio); }},
        {"mnuProgram", "mnuRestore", [](frmMain& m) { m.mnuRestore_Click(); }},
        {"mnuProgram", "mnuCompareRadio", [](frmMain& m) { m.mnuCompareRadio_Click(); }},
        {"mnuProgram", "mnuFleet", [](frmMain& m) { m.mnuFleet_Click(); }},
        {"mnuProgram", "mnuTest", [](frmMain& m) { service::OpenTestMode(m.ctx_, &m); }},
        {nullptr, "mnuTools", nullptr},
        {"mnuTools", "mnuRadioInfo", [](frmMain& m) { service::OpenRadioInfo(m.ctx_, &m); }},
        {"mnuTools", "mnuSetRadioInfo", [](frmMain& m) { service::OpenSetRadioInfo(m.ctx_, &m); }},
        {nullptr, "mnuSetup", nullptr},
        {"mnuSetup", "mnuComm", [](frmMain& m) { m.mnuComm_Click(); }},
        {"mnuSetup", "mnuLanguage", [](frmMain& m) { m.mnuLanguage_Click(); }},
        {"mnuSetup", "-", nullptr},
        {"mnuSetup", "mnuBackUpBeforeWriting", nullptr},
        {"mnuSetup", "mnuVerifyAfterWriting", nullptr},
        {"mnuSetup", "mnuVerifyReads", nullptr},
        {nullptr, "mnuView", nullptr},
        {"mnuView", "mnuTreeView", nullptr},
        {"mnuView", "mnuViewToolbar", nullptr},
        {"mnuView", "mnuViewStatusBar", nullptr},
        {nullptr, "mnuWindow", nullptr},
        {"mnuWindow", "mnuWindowCascade", [](frmMain& m) { m.cascade(); }},
        {"mnuWindow", "mnuWindowTileVertical", [](frmMain& m) { m.mdi_->tileSubWindows(); }},
        {"mnuWindow", "mnuWindowTileHorizontal", [](frmMain& m) { m.mdi_->tileSubWindows(); }},
        {"mnuWindow", "mnuWindowArrangeIcons", nullptr},
        {"mnuWindow", "mnuCloseAll", [](frmMain& m) { m.closeCurAllWindows(); }},
        {nullptr, "mnuHelp", nullptr},
        {"mnuHelp", "mnuHelpTopic", [](frmMain& m) { OpenHelp(m.ctx_, &m, QString()); }},
        {"mnuHelp", "mnuHelpAbout", [](frmMain& m) { m.mnuHelpAbout_Click(); }},
    };
    for (const Entry& e : Menus) {
        // A toolbar button runs its menu entry's command, even where the entry is hidden.
        for (const Button& b : Buttons)
            if (e.run && std::string_view(b.menu) == e.name && std::string_view(b.key) != "新建")
                connect(action(Name(b.key)), &QAction::triggered, this,
                        [this, run = e.run] { run(*this); });
        if (!e.menu) {
            addMenu(e.name);
        } else if (std::string_view(e.name) == "-") {
            menus_[Name(e.menu)]->addSeparator();
        } else {
            QAction* a = addEntry(menus_[Name(e.menu)], e.name);
            if (e.run) connect(a, &QAction::triggered, this, [this, run = e.run] { run(*this); });
        }
    }
    for (const Node& n : Nodes) {
        QAction* a = addEntry(menus_[QStringLiteral("mnuEdit")], n.menu);
        connect(a, &QAction::triggered, this,
                [this, form = Name(n.form)] { showChildWindow(form); });
    }
    buildEditMenu();
    buildViewToggles();
    buildSafetyToggles();
    for (const char* n : NeverShown)
        action(Name(n))->setVisible(false);
    for (const char* n : ServiceEntries)
        action(Name(n))->setVisible(ctx_.serviceMode);
}

void frmMain::buildViewToggles() {
    const std::pair<const char*, QWidget*> toggles[] = {{"mnuTreeView", treePanel_},
                                                        {"mnuViewToolbar", toolbar_},
                                                        {"mnuViewStatusBar", statusBar()}};
    for (const auto& [name, panel] : toggles) {
        QAction* a = action(Name(name));
        a->setCheckable(true);
        a->setChecked(true);
        connect(a, &QAction::toggled, panel, &QWidget::setVisible);
    }
}

void frmMain::buildToolbar() {
    toolbar_ = addToolBar(QString());
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    for (const Button& b : Buttons) {
        QAction* a = toolbar_->addAction(style()->standardIcon(b.icon), QString());
        a->setObjectName(Name(b.key));
        actions_[Name(b.key)] = a;
    }
    // The toolbar's New asks only about unsaved changes; the others run their menu entries.
    connect(action(Name("新建")), &QAction::triggered, this, &frmMain::toolFileNew_Click);
}

void frmMain::buildTree() {
    treePanel_ = new QWidget;
    treePanel_->setObjectName(QStringLiteral("Picture1"));
    auto* layout = new QVBoxLayout(treePanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* small = new QToolBar;
    small->setObjectName(QStringLiteral("Toolbar1"));
    small->setIconSize(QSize(12, 12));
    QAction* hide =
        small->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    hide->setObjectName(QStringLiteral("删除"));
    connect(hide, &QAction::triggered, this,
            [this] { action(QStringLiteral("mnuTreeView"))->setChecked(false); });
    layout->addWidget(small);
    tree_ = new QTreeWidget;
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    layout->addWidget(tree_);
    treePanel_->setMinimumWidth(20); // 300 twips
    connect(tree_, &QTreeWidget::itemClicked, this, &frmMain::onTreeClicked);
    connect(tree_, &QTreeWidget::itemActivated, this, &frmMain::onTreeClicked);
}

void frmMain::fillTree() {
    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_, {ProductName});
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    for (const Node& n : Nodes) {
        if (n.service && !ctx_.serviceMode) continue;
        auto* item =
            new QTreeWidgetItem(root, {PlainCaption(ui::Tr(ctx_, MenuCaption(Name(n.menu))))});
        item->setData(0, Qt::UserRole, Name(n.key));
        item->setData(0, Qt::UserRole + 1, Name(n.form));
    }
    root->setExpanded(true);
}

void frmMain::onTreeClicked(QTreeWidgetItem* item) {
    const QString form = item ? item->data(0, Qt::UserRole + 1).toString() : QString();
    if (!form.isEmpty()) showChildWindow(form);
}

void frmMain::buildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel;
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setContentsMargins(4, 0, 4, 0);
        statusBar()->addPermanentWidget(panels_[i], i == 0 ? 1 : 0);
    }
}

void frmMain::captionStatusBar() {
    const auto& s = ctx_.session;
    panels_[1]->setText(QString::fromStdString(s.CurModelCode).trimmed() + QLatin1Char('[') +
                        QString::fromStdString(s.CurBand) + QLatin1Char(']'));
    panels_[2]->setText(ctx_.CommPort == 0 ? ui::Tr(ctx_, CaptionOf(Cap::SimulatedRadio))
                        : ctx_.CommPort == ui::OtherDevicePort
                            ? ctx_.CommDevice
                            : ui::Tr(ctx_, CaptionOf(Cap::PortPrefix)) +
                                  QString::number(ctx_.CommPort));
}

void frmMain::captionMenus() {
    for (auto& [name, a] : actions_) {
        const auto& caption = MenuCaption(name);
        if (!caption[1].empty()) a->setText(ui::Tr(ctx_, caption));
    }
    if (channelsMenu_) captionEditMenu();
    for (const Button& b : Buttons) {
        action(Name(b.key))->setToolTip(PlainCaption(ui::Tr(ctx_, MenuCaption(Name(b.menu)))));
        action(Name(b.key))->setText(action(Name(b.key))->toolTip());
    }
}

} // namespace rv::app
