#include "Captions.h"

#include <map>

namespace rv::app {

namespace {

// In the order of Cap.
const rv::LangText SharedTable[] = {
    {"&Close", "关闭(&C)"},
    {"&Print", "打印(&P)"},
    {"&Help", "帮助(&H)"},
    {"&OK", "确定(&O)"},
    {"&Cancel", "取消(&C)"},
    {"Communication Port", "通信端口"},
    {"COM", "通信口"},
    {"Language Mode", "语言模式"},
    {"Language Setup", "语言设置"},
    {"File Name", "文件名"},
    {"Simulated radio", "模拟对讲机"},
    {"Completion percentage:", "完成进度:"},
};
static_assert(sizeof(SharedTable) / sizeof(SharedTable[0]) == static_cast<std::size_t>(Cap::Count),
              "one entry per caption");

struct MenuRow {
    const char* name;
    rv::LangText text;
};

const MenuRow MenuTable[] = {
    {"mnuFile", {"&File", "文件(&F)"}},
    {"mnuFileNew", {"&New", "新建(&N)"}},
    {"mnuFileOpen", {"&Open", "打开(&O)"}},
    {"mnuFileSave", {"&Save", "保存(&S)"}},
    {"mnuFileSaveAs", {"Save &As", "另存为(&A)"}},
    {"mnuFileImportCsv", {"&Import Channels…", "导入信道(&I)…"}},
    {"mnuFileExportCsv", {"&Export Channels…", "导出信道(&E)…"}},
    {"mnuCompareFile", {"Co&mpare With File…", "与文件比较(&M)…"}},
    {"mnuFilePrint", {"&Print", "打印(&P)"}},
    {"mnuFileExit", {"E&xit", "退出(&X)"}},
    {"mnuModel", {"&Model", "机型(&M)"}},
    {"mnuModelInfo", {"&Model Information", "机型信息(&M)"}},
    {"mnuEdit", {"&Edit", "编辑(E)"}},
    {"mnuChannelInfo", {"&Channel Information", "信道信息(&C)"}},
    {"mnuOptFeature", {"&Option Features", "可选功能(&O)"}},
    {"mnuKeyAssignm", {"&Key Assignment", "键设置(&K)"}},
    {"mnuScanInfo", {"&Scan Information", "扫描信息(&S)"}},
    {"mnuDTMF", {"&DTMF", "DTMF(双音多频)(&D)"}},
    {"mnuFleetSync", {"&Fleet Sync", "Fleet Sync(队列同步)(&F)"}},
    {"mnuTestFre", {"&Test FreQuence", "测试频率(&T)"}},
    {"mnuEmbeddedMsg", {"Embedded &Message", "嵌入信息(&M)"}},
    {"mnuProgram", {"&Program", "编程(&P)"}},
    {"mnuReadFromRadio", {"&Read from Radio", "从对讲机读取数据(&R)"}},
    {"mnuWriteToRadio", {"&Write to Radio", "向对讲机写入数据(&W)"}},
    {"mnuRestore", {"R&estore From Backup…", "从备份恢复(&E)…"}},
    {"mnuCompareRadio", {"&Compare With Radio…", "与对讲机比较(&C)…"}},
    {"mnuFleet", {"&Fleet Programming…", "批量编程(&F)…"}},
    {"mnuTest", {"&Test Mode", "测试模式(&T)"}},
    {"mnuTools", {"&Tools", "工具(&T)"}},
    {"mnuRadioInfo", {"&Radio Information", "对讲机信息(&R)"}},
    {"mnuSetRadioInfo", {"&Set Radio Information", "设置对讲机信息(&S)"}},
    {"mnuSetup", {"&Setup", "设置(&S)"}},
    {"mnuComm", {"&Communication Port", "通讯端口(&C)"}},
    {"mnuLanguage", {"&Language Setup", "语言设置(&L)"}},
    {"mnuBackUpBeforeWriting", {"&Back Up Radio Before Writing", "写入前备份对讲机(&B)"}},
    {"mnuVerifyAfterWriting", {"&Verify After Writing", "写入后校验(&V)"}},
    {"mnuVerifyReads", {"Verify &Reads (Read Twice)", "校验读取（读两次）(&R)"}},
    {"mnuView", {"&View", "视图(&V)"}},
    {"mnuTreeView", {"Tree &View", "树视图(&V)"}},
    {"mnuViewToolbar", {"&Toolbar", "工具栏(&T)"}},
    {"mnuViewStatusBar", {"&Status Bar", "状态栏(&S)"}},
    {"mnuWindow", {"&Window", "窗口(&W)"}},
    {"mnuWindowCascade", {"&Cascade", "层叠(&C)"}},
    {"mnuWindowTileVertical", {"Tile Windows &Vertically", "纵向平铺窗口(&V)"}},
    {"mnuWindowTileHorizontal", {"Tile Windows &Horizontally", "横向平铺窗口(&H)"}},
    {"mnuWindowArrangeIcons", {"&Arrange Icons", "排列图标(&A)"}},
    {"mnuCloseAll", {"Close All &Windows", "关闭所有窗口(&W)"}},
    {"mnuHelp", {"&Help", "帮助(&H)"}},
    {"mnuHelpTopic", {"&Help topics", "帮助主题(&H)"}},
    {"mnuHelpAbout", {"&About RV52N", "关于 RV52N(&A)"}},
};

// Rows by display language; column 1 names English, column 2 Chinese.
const rv::LangText LangNames[] = {
    {"English", "Chinese"},
    {"英语", "中文"},
};

const rv::LangText ProgressTitles[] = {
    {"Read data from radio", "从对讲机读取数据"},
    {"Write data to radio", "向对讲机写入数据"},
};

} // namespace

const rv::LangText& CaptionOf(Cap c) {
    return SharedTable[static_cast<std::size_t>(c)];
}

const rv::LangText& MenuCaption(const QString& menuName) {
    static const auto index = [] {
        std::map<QString, const rv::LangText*> m;
        for (const auto& row : MenuTable)
            m[QString::fromLatin1(row.name)] = &row.text;
        return m;
    }();
    static const rv::LangText none{};
    const auto it = index.find(menuName);
    return it == index.end() ? none : *it->second;
}

const rv::LangText& LangNameRow(int displayLanguage) {
    return LangNames[displayLanguage == rv::Chinese ? 1 : 0];
}

QString LangName(int position) {
    // Position (display − 1) × 2 + language, 1 to 4.
    const int row = (position - 1) / 2;
    const int column = (position - 1) % 2 + 1;
    return QString::fromStdString(LangNames[row][static_cast<std::size_t>(column)]);
}

QString ProgressTitle(int language, int mode) {
    const auto& t = ProgressTitles[mode == 2 ? 1 : 0];
    return QString::fromStdString(t[language]);
}

} // namespace rv::app
