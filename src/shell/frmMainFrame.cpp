// The frame of the main window: menus, toolbar, tree and status bar, and their captions.
#include "Captions.h"
#include "frmMain.h"

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

namespace rv::ui {

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

QMenu* frmMain::addMenu(QMenu* parent, const char* name) {
    QMenu* m = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    m->setObjectName(Name(name));
    m->menuAction()->setObjectName(Name(name));
    menus_[Name(name)] = m;
    actions_[Name(name)] = m->menuAction();
    return m;
}

QAction* frmMain::addEntry(QMenu* menu, const char* name, void (frmMain::*slot)()) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(Name(name));
    actions_[Name(name)] = a;
    if (slot) connect(a, &QAction::triggered, this, slot);
    return a;
}

void frmMain::buildMenus() {
    QMenu* file = addMenu(nullptr, "mnuFile");
    addEntry(file, "mnuFileNew", &frmMain::mnuFileNew_Click);
    addEntry(file, "mnuFileOpen", &frmMain::mnuFileOpen_Click);
    connect(addEntry(file, "mnuFileSave", nullptr), &QAction::triggered, this,
            [this] { mnuFileSave_Click(); });
    connect(addEntry(file, "mnuFileSaveAs", nullptr), &QAction::triggered, this,
            [this] { mnuFileSaveAs_Click(); });
    file->addSeparator();
    addEntry(file, "mnuFilePrint", &frmMain::mnuFilePrint_Click);
    file->addSeparator();
    addEntry(file, "mnuFileExit", &frmMain::mnuFileExit_Click);

    addEntry(addMenu(nullptr, "mnuModel"), "mnuModelInfo", &frmMain::mnuModelInfo_Click);

    QMenu* edit = addMenu(nullptr, "mnuEdit");
    for (const Node& n : Nodes) {
        QAction* a = addEntry(edit, n.menu, nullptr);
        const QString form = Name(n.form);
        connect(a, &QAction::triggered, this, [this, form] { showChildWindow(form); });
    }

    QMenu* program = addMenu(nullptr, "mnuProgram");
    addEntry(program, "mnuReadFromRadio", &frmMain::mnuReadFromRadio_Click);
    addEntry(program, "mnuWriteToRadio", &frmMain::mnuWriteToRadio_Click);
    addEntry(program, "mnuTest", &frmMain::mnuTest_Click);

    QMenu* tools = addMenu(nullptr, "mnuTools");
    addEntry(tools, "mnuRadioInfo", &frmMain::mnuRadioInfo_Click);
    addEntry(tools, "mnuSetRadioInfo", &frmMain::mnuSetRadioInfo_Click);

    QMenu* setup = addMenu(nullptr, "mnuSetup");
    addEntry(setup, "mnuComm", &frmMain::mnuComm_Click);
    addEntry(setup, "mnuLanguage", &frmMain::mnuLanguage_Click);

    QMenu* view = addMenu(nullptr, "mnuView");
    for (const char* n : {"mnuTreeView", "mnuViewToolbar", "mnuViewStatusBar"}) {
        QAction* a = addEntry(view, n, nullptr);
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(action(QStringLiteral("mnuTreeView")), &QAction::toggled, this,
            [this](bool on) { treePanel_->setVisible(on); });
    connect(action(QStringLiteral("mnuViewToolbar")), &QAction::toggled, this,
            [this](bool on) { toolbar_->setVisible(on); });
    connect(action(QStringLiteral("mnuViewStatusBar")), &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });

    QMenu* window = addMenu(nullptr, "mnuWindow");
    addEntry(window, "mnuWindowCascade", &frmMain::cascade);
    connect(addEntry(window, "mnuWindowTileVertical", nullptr), &QAction::triggered, mdi_,
            &QMdiArea::tileSubWindows);
    connect(addEntry(window, "mnuWindowTileHorizontal", nullptr), &QAction::triggered, mdi_,
            &QMdiArea::tileSubWindows);
    addEntry(window, "mnuWindowArrangeIcons", nullptr);
    connect(addEntry(window, "mnuCloseAll", nullptr), &QAction::triggered, this,
            [this] { closeCurAllWindows(); });

    QMenu* help = addMenu(nullptr, "mnuHelp");
    addEntry(help, "mnuHelpTopic", &frmMain::mnuHelpTopic_Click);
    addEntry(help, "mnuHelpAbout", &frmMain::mnuHelpAbout_Click);

    for (const char* n : NeverShown)
        action(Name(n))->setVisible(false);
    for (const char* n : ServiceEntries)
        action(Name(n))->setVisible(ctx_.serviceMode);
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
    // The toolbar's New does not ask; Print stays reachable here although its menu entry
    // is hidden.
    connect(action(Name("新建")), &QAction::triggered, this, &frmMain::LoadNewDoc);
    connect(action(Name("打开")), &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(action(Name("保存")), &QAction::triggered, this, [this] { mnuFileSave_Click(); });
    connect(action(Name("打印")), &QAction::triggered, this, &frmMain::mnuFilePrint_Click);
    connect(action(Name("ReadRadio")), &QAction::triggered, this, &frmMain::mnuReadFromRadio_Click);
    connect(action(Name("CommSet")), &QAction::triggered, this, &frmMain::mnuComm_Click);
    connect(action(Name("WriteRadio")), &QAction::triggered, this, &frmMain::mnuWriteToRadio_Click);
    connect(action(Name("About")), &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
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
        auto* item = new QTreeWidgetItem(root, {PlainCaption(Tr(ctx_, MenuCaption(Name(n.menu))))});
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
    panels_[2]->setText(ctx_.CommPort == 0 ? Tr(ctx_, CaptionOf(Cap::SimulatedRadio))
                                           : Tr(ctx_, CaptionOf(Cap::PortPrefix)) +
                                                 QString::number(ctx_.CommPort));
}

void frmMain::captionMenus() {
    for (auto& [name, a] : actions_) {
        const auto& caption = MenuCaption(name);
        if (!caption[1].empty()) a->setText(Tr(ctx_, caption));
    }
    for (const Button& b : Buttons) {
        action(Name(b.key))->setToolTip(PlainCaption(Tr(ctx_, MenuCaption(Name(b.menu)))));
        action(Name(b.key))->setText(action(Name(b.key))->toolTip());
    }
}

} // namespace rv::ui
