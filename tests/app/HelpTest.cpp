#include "AppFixture.h"
#include "app/FrmFleet.h"
#include "app/FrmModelInfo.h"
#include "app/FrmSetLanguage.h"
#include "app/HelpWindow.h"
#include "data/Catalogue.h"
#include "editors/EditorRegistry.h"
#include "ui/HelpTopics.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

using rv::test::AppTest;

namespace {

/// The ids of the sections of a help page in the program folder.
QSet<QString> Anchors(const char* page) {
    QFile f(QDir(RV_BIN_DIR).filePath(QString::fromLatin1(page)));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(f.readAll());
    QSet<QString> ids;
    static const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]+)\""));
    for (auto it = id.globalMatch(html); it.hasNext();)
        ids << it.next().captured(1);
    return ids;
}

// Every window that has a section of the help page.
const char* const HelpForms[] = {
    "frmMain",      "frmCommChInfo", "FrmCHInfoEdit",   "FrmOptFeatures", "FrmKeyAssignm",
    "FrmScanInfo",  "FrmDTMF",       "FrmFleetSync",    "FrmTestFre",     "FrmEmbMsg",
    "FrmModelInfo", "FrmSetComm",    "FrmFleet",        "FrmSetLanguage", "FrmPrintList",
    "FrmProgress",  "FrmTestMode",   "FrmTestModePara", "FrmRadioInfo",   "FrmRadioInfoSet"};

void PressF1(QWidget* w) {
    QTest::keyClick(w, Qt::Key_F1);
}

} // namespace

TEST(HelpPages, BothLanguagesHaveTheSameSections) {
    const QSet<QString> english = Anchors("RVPS-52N_e.html");
    const QSet<QString> chinese = Anchors("RVPS-52N_c.html");
    ASSERT_FALSE(english.isEmpty());
    EXPECT_EQ(english - chinese, QSet<QString>()) << "missing from the Chinese page";
    EXPECT_EQ(chinese - english, QSet<QString>()) << "missing from the English page";
    for (const char* form : HelpForms) {
        const auto topic = rv::ui::HelpTopicOf(QString::fromLatin1(form));
        ASSERT_TRUE(topic) << form;
        EXPECT_TRUE(topic->isEmpty() || english.contains(*topic)) << form;
    }
}

// The Help button where a window has one, F1 in every window, each to the window's section
// of the page in the current language.
TEST_F(AppTest, EveryWindowsHelpLeadsToItsOwnSection) {
    for (const int language : {rv::English, rv::Chinese}) {
        start(language == rv::Chinese ? QLocale(QLocale::Chinese, QLocale::China)
                                      : QLocale(QLocale::English, QLocale::UnitedStates),
              true);
        const QString page = language == rv::Chinese ? "RVPS-52N_c.html" : "RVPS-52N_e.html";
        int buttons = 0;
        for (const char* name : HelpForms) {
            const QString form = QString::fromLatin1(name);
            if (!std::unique_ptr<QWidget>(rv::editors::CreateEditorWindow(*ctx, form))) continue;
            QWidget* w = main->showChildWindow(form);
            ASSERT_TRUE(w) << form.toStdString();
            for (QWidget* control : w->findChildren<QWidget*>()) {
                // A key in any field of the window, the window's own button.
                if (!control->focusPolicy() || !control->isVisibleTo(w)) continue;
                PressF1(control);
                break;
            }
            if (auto* help = w->findChild<QPushButton*>("CommandHelp")) {
                help->click();
                ++buttons;
            }
            ASSERT_FALSE(prompt->opened.isEmpty()) << form.toStdString();
            for (const QUrl& url : prompt->opened) {
                EXPECT_EQ(url.fileName(), page);
                EXPECT_EQ(url.fragment(), rv::ui::HelpTopicOf(form)) << form.toStdString();
            }
            prompt->opened.clear();
            w->close();
        }
        // grid, channel edit, features, keys, scan, and in the service program DTMF,
        // FleetSync, test frequency and the message
        EXPECT_EQ(buttons, 9);
    }
}

TEST_F(AppTest, F1InADialogOpensTheDialogsSection) {
    start();
    rv::app::FrmModelInfo dialog(*ctx, main.get());
    dialog.show();
    PressF1(dialog.focusWidget() ? dialog.focusWidget() : &dialog);
    ASSERT_EQ(prompt->opened.size(), 1);
    EXPECT_EQ(prompt->opened[0].fragment(), "model-information");
    PressF1(main.get());
    ASSERT_EQ(prompt->opened.size(), 2);
    EXPECT_FALSE(prompt->opened[1].hasFragment()); // the main window: the top of the page
}

// Windows outside the document area get their Help button when they show; a shown window of
// the document area opens its section once per click.
TEST_F(AppTest, HelpButtonsOfShownWindowsOpenTheirSectionOnce) {
    start();
    QDialog dialog(main.get());
    dialog.setObjectName("FrmSetComm");
    auto* help = new QPushButton(&dialog);
    help->setObjectName("CommandHelp");
    dialog.show();
    help->click();
    main->show();
    QWidget* scan = main->showChildWindow("FrmScanInfo");
    QApplication::processEvents();
    scan->findChild<QPushButton*>("CommandHelp")->click();
    ASSERT_EQ(prompt->opened.size(), 2);
    EXPECT_EQ(prompt->opened[0].fragment(), "communication-port");
    EXPECT_EQ(prompt->opened[1].fragment(), "scan-information");
}

// The dialogs with a section of their own have a Help button that opens it.
TEST_F(AppTest, DialogsHelpButtonsOpenTheirSections) {
    start();
    const std::pair<std::unique_ptr<QDialog>, const char*> dialogs[] = {
        {std::make_unique<rv::app::FrmModelInfo>(*ctx, main.get()), "model-information"},
        {std::make_unique<rv::app::FrmSetLanguage>(*ctx, main.get()), "language-setup"},
        {std::make_unique<rv::app::FrmFleet>(*ctx, QList<rv::jobs::ProbeTarget>{}, main.get()),
         "fleet-programming"}};
    for (const auto& [dialog, section] : dialogs) {
        dialog->show();
        auto* help = dialog->findChild<QPushButton*>("CommandHelp");
        ASSERT_TRUE(help) << section;
        help->click();
        ASSERT_EQ(prompt->opened.size(), 1) << section;
        EXPECT_EQ(prompt->opened[0].fragment(), section);
        prompt->opened.clear();
        dialog->close();
    }
}

TEST_F(AppTest, WithoutABrowserThePageOpensInTheProgramsOwnWindow) {
    start();
    prompt->hasBrowser = false;
    act("mnuHelpTopic")->trigger();
    auto* viewer = main->findChild<rv::app::FrmHelp*>();
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isVisible());
    const QString page = QDir(RV_BIN_DIR).filePath("RVPS-52N_e.html");
    EXPECT_EQ(viewer->browser()->source().toLocalFile(), page);
    EXPECT_FALSE(viewer->browser()->toPlainText().isEmpty());
    // It says where the page is, for a browser installed later.
    EXPECT_TRUE(viewer->findChild<QLabel*>("Label1")->text().endsWith(page));

    main->showChildWindow("FrmScanInfo")->findChild<QPushButton*>("CommandHelp")->click();
    EXPECT_EQ(main->findChildren<rv::app::FrmHelp*>().size(), 1);
    EXPECT_EQ(viewer->browser()->source().fragment(), "scan-information");
    EXPECT_TRUE(prompt->asked.isEmpty());
}

// Every setting is explained under the name its window gives it, in both languages.
TEST(HelpPages, NameEverySettingAsItsWindowDoes) {
    for (const auto& [page, language] :
         {std::pair{"RVPS-52N_e.html", rv::English}, std::pair{"RVPS-52N_c.html", rv::Chinese}}) {
        QFile f(QDir(RV_BIN_DIR).filePath(QString::fromLatin1(page)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page;
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(f.readAll()));
        const QString text = doc.toPlainText().simplified();
        QStringList missing;
        // A numbered row ("Fleet List 3 ID") is explained once for its whole list.
        static const QRegularExpression number(QStringLiteral("\\s*\\d+\\s*"));
        for (const rv::SettingRow& row : rv::Catalogue()) {
            const QString label = QString::fromStdString(rv::LabelOf(row, language));
            for (const QString& part : label.split(number, Qt::SkipEmptyParts))
                if (!text.contains(part) && !missing.contains(part)) missing << part;
        }
        EXPECT_TRUE(missing.isEmpty()) << page << ": " << missing.join(" | ").toStdString();
    }
}
