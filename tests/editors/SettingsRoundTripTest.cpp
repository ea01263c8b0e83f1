#include "app/Startup.h"
#include "app/frmMain.h"
#include "editors/FrmFleetSync.h"

#include "SettingsTestUtil.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <map>

using namespace rv::test;

namespace {

using Flat = std::map<QString, QJsonValue>;

void Flatten(const QJsonValue& v, const QString& path, Flat& out) {
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            Flatten(it.value(), path.isEmpty() ? it.key() : path + '/' + it.key(), out);
    } else if (v.isArray()) {
        const QJsonArray a = v.toArray();
        for (int i = 0; i < a.size(); ++i)
            Flatten(a[i], path + '/' + QString::number(i), out);
    } else {
        out[path] = v;
    }
}

/// The document in a data file as the command-line tool shows it, flattened to paths.
Flat ShowJson(const QString& file) {
    QProcess cli;
    cli.start(QStringLiteral(RV_BIN_DIR "/rv52n-cli"), {"show", file, "--json"});
    EXPECT_TRUE(cli.waitForFinished(30000)) << "rv52n-cli did not finish";
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QJsonParseError error{};
    const auto doc = QJsonDocument::fromJson(cli.readAllStandardOutput(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    Flat flat;
    Flatten(doc.object(), QString(), flat);
    return flat;
}

/// Every path whose value differs between the two documents, with the edited value.
Flat Changes(const Flat& base, const Flat& edited) {
    Flat diff;
    for (const auto& [path, value] : edited)
        if (!base.contains(path) || base.at(path) != value) diff[path] = value;
    for (const auto& [path, value] : base)
        if (!edited.contains(path)) diff[path] = QJsonValue(QJsonValue::Undefined);
    return diff;
}

class SettingsRoundTripTest : public SettingsFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo::exists(QStringLiteral(RV_BIN_DIR "/rv52n-cli")))
            << "build rv52n-cli first";
        ASSERT_TRUE(dir.isValid());
        ctx.serviceMode = true; // the technician's route to DTMF, FleetSync and test frequency
        rv::app::StartUp(ctx, QStringLiteral(RV_BIN_DIR),
                         QLocale(QLocale::English, QLocale::UnitedStates));
        main = std::make_unique<rv::app::frmMain>(ctx);
        main->show();
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    void TearDown() override { main.reset(); }

    /// Opens a window as the technician does: by its node in the tree.
    QWidget* window(const char* name) {
        const QString form = QString::fromLatin1(name);
        QTreeWidget* tree = main->tree();
        for (auto* item : tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive)) {
            if (item->data(0, Qt::UserRole + 1).toString() != form) continue;
            tree->scrollToItem(item);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(item).center());
            break;
        }
        QWidget* w = main->findWindow(form);
        EXPECT_NE(w, nullptr) << name << " did not open from the tree";
        return w;
    }
    void saveAs(const QString& file) {
        prompt->fileNames.push_back(file);
        ASSERT_TRUE(main->mnuFileSaveAs_Click());
    }
    /// Clicks a cell of a settings grid and types into the cell editor, then presses Enter.
    static void typeCell(QWidget* w, int row, int col, const QString& keys) {
        auto* grid = Child<QTableWidget>(w, "MSFlexGrid1");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, col)).center());
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(editor->isVisible());
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    void editEveryWindow() {
        QWidget* w = window("FrmOptFeatures");
        Choose(Box(w, "Combo1_0"), "600");
        w = window("FrmKeyAssignm");
        Choose(Box(w, "Combo1_0"), "Monitor");
        w = window("FrmScanInfo");
        Choose(Box(w, "Combo1_0"), "Fixd");
        w = window("FrmEmbMsg");
        TypeInto(Child<QLineEdit>(w, "Text1_0"), "HELLO RADIO");
        w = window("FrmTestFre");
        typeCell(w, 7, 1, "450.1");
        w = window("FrmDTMF");
        Child<QTabWidget>(w, "SSTab1")->setCurrentIndex(1);
        TypeInto(Child<QLineEdit>(w, "Text1"), "4711");
        Child<QTabWidget>(w, "SSTab1")->setCurrentIndex(2);
        typeCell(w, 1, 1, "123#");
        w = window("FrmFleetSync");
        Choose(Box(w, "Combo1_0"), "150");
        // The last window is left through its Close button: nothing is lost on closing.
        QTest::mouseClick(Child<QPushButton>(w, "CommandClose"), Qt::LeftButton);
        EXPECT_EQ(main->findWindow("FrmFleetSync"), nullptr);
    }

    QTemporaryDir dir;
    std::unique_ptr<rv::app::frmMain> main;
};

TEST_F(SettingsRoundTripTest, OneChangeInEveryWindowSurvivesSaveAndReopen) {
    const QString base = dir.filePath("base.dat");
    const QString edited = dir.filePath("edited.dat");
    saveAs(base);
    editEveryWindow();
    saveAs(edited);

    main->closeCurAllWindows();
    main->LoadNewDoc();
    prompt->fileNames.push_back(edited);
    main->mnuFileOpen_Click();
    EXPECT_EQ(ctx.doc().OptFeatures.TotTime, 40);
    auto* fleet = Box(window("FrmFleetSync"), "Combo1_0");
    EXPECT_EQ(Shown(fleet), "150");

    const Flat expected{
        {"OptFeatures/TotTime", 40},
        {"KeyFunc1", 4},
        {"ScanInfo/PriorityType", 1},
        {"EmbMsg1", "HELLO RADIO"},
        {"TestFreCount", 7},
        {"TestFres/6/No", 8},
        {"TestFres/6/RxFreq", "45010000"},
        {"TestFres/6/TxFreq", "45010000"},
        {"TestFres/6/RxSig", 2},
        {"TestFres/6/TxSig", 2},
        {"DtmfInfo/IdCode", "4711"},
        {"DtmfCodeCount", 1},
        {"DtmfCodes/0/No", 2},
        {"DtmfCodes/0/Code", "123#"},
        {"FleetSyncInfo/OwnFleet", 51},
        {"FleetSyncInfo/OwnId", 1},
    };
    const Flat changes = Changes(ShowJson(base), ShowJson(edited));
    for (const auto& [path, value] : expected) {
        ASSERT_TRUE(changes.contains(path)) << path.toStdString() << " did not change";
        EXPECT_EQ(changes.at(path), value) << path.toStdString();
    }
    for (const auto& [path, value] : changes)
        EXPECT_TRUE(expected.contains(path)) << path.toStdString() << " moved unexpectedly";
}

} // namespace
