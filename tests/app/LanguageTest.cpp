#include "AppFixture.h"
#include "app/FrmSetLanguage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using rv::test::Items;
using rv::test::AppTest;

class LanguageTest : public AppTest {
protected:
    /// Runs the Language Setup dialog: picks `choice` in the list and presses OK or Cancel.
    void choose(const QString& choice, bool ok = true) {
        rv::app::FrmSetLanguage dialog(*ctx);
        auto* combo = dialog.findChild<QComboBox*>("Combo1");
        combo->setCurrentText(choice);
        dialog.findChild<QPushButton*>(ok ? "Command1" : "Command2")->click();
    }
    void activate() {
        QEvent e(QEvent::WindowActivate);
        QApplication::sendEvent(main.get(), &e);
    }
};

TEST_F(LanguageTest, EnglishSystemOffersEnglishOnly) {
    start();
    rv::app::FrmSetLanguage dialog(*ctx);
    EXPECT_EQ(dialog.windowTitle(), "Language Setup");
    EXPECT_EQ(Items(dialog.findChild<QComboBox*>("Combo1")), QStringList{"English"});
    EXPECT_EQ(dialog.findChild<QPushButton*>("Command1")->text(), "&OK");
    QWidget* channels = main->findWindow("frmCommChInfo");
    choose("English");
    activate();
    EXPECT_EQ(ctx->lang(), rv::English);
    EXPECT_EQ(main->findWindow("frmCommChInfo"), channels);
}

TEST_F(LanguageTest, ChineseSystemOffersBothAndShowsTheCurrentOne) {
    start(QLocale(QLocale::Chinese, QLocale::China));
    rv::app::FrmSetLanguage dialog(*ctx);
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    EXPECT_EQ(dialog.windowTitle(), "语言设置");
    EXPECT_EQ(Items(combo), (QStringList{"英语", "中文"}));
    EXPECT_EQ(combo->currentText(), "中文");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Command2")->text(), "取消(&C)");
}

TEST_F(LanguageTest, SameLanguageClosesNothing) {
    start(QLocale(QLocale::Chinese, QLocale::China));
    main->showChildWindow("FrmScanInfo");
    choose("中文");
    activate();
    EXPECT_EQ(openWindows(), (QStringList{"frmCommChInfo", "FrmScanInfo"}));
}

TEST_F(LanguageTest, CancelChangesNothing) {
    start(QLocale(QLocale::Chinese, QLocale::China));
    choose("英语", false);
    activate();
    EXPECT_EQ(ctx->lang(), rv::Chinese);
    EXPECT_EQ(ctx->ShownLanguage, rv::Chinese);
}

TEST_F(LanguageTest, SwitchRecaptionsAtActivationAndReopensTheChannelWindow) {
    start(QLocale(QLocale::Chinese, QLocale::China));
    main->showChildWindow("FrmOptFeatures");
    QWidget* oldChannels = main->findWindow("frmCommChInfo");
    choose("英语");
    // Only the dialog's state changes until the main window is active again.
    EXPECT_EQ(ctx->lang(), rv::English);
    EXPECT_EQ(ctx->ShownLanguage, rv::Chinese);
    EXPECT_EQ(act("mnuFile")->text(), "文件(&F)");

    activate();
    EXPECT_EQ(ctx->ShownLanguage, rv::English);
    EXPECT_EQ(act("mnuFile")->text(), "&File");
    EXPECT_EQ(act("WriteRadio")->toolTip(), "Write to Radio");
    EXPECT_EQ(main->windowTitle(), "RV52N[7415:400 - 470 MHz][File Name:new.dat][*]");
    EXPECT_EQ(openWindows(), QStringList{"frmCommChInfo"});
    EXPECT_NE(main->findWindow("frmCommChInfo"), oldChannels);

    // Back again: the texts were never lost.
    choose("Chinese");
    activate();
    EXPECT_EQ(act("mnuHelpTopic")->text(), "帮助主题(&H)");
}

// Qt's own buttons (message boxes, file and print dialogs) follow every switch, whatever
// language the system has.
TEST_F(LanguageTest, StandardButtonsFollowTheProgramsLanguage) {
    const auto cancelText = [] {
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Ok | QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    // The file dialog's type column, which Qt's own translation leaves in English.
    const auto folderType = [] { return QFileIconProvider().type(QFileInfo(QDir::tempPath())); };
    start(QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_EQ(cancelText(), "取消");
    EXPECT_EQ(folderType(), "文件夹");
    choose("英语");
    activate();
    EXPECT_EQ(cancelText(), "Cancel");
    choose("Chinese");
    activate();
    EXPECT_EQ(cancelText(), "取消");
    start();
    EXPECT_EQ(cancelText(), "Cancel");
    EXPECT_EQ(folderType(), "Folder");
}

TEST_F(LanguageTest, EnterInTheListMovesOnInsteadOfClosing) {
    start(QLocale(QLocale::Chinese, QLocale::China));
    rv::app::FrmSetLanguage dialog(*ctx);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* combo = dialog.findChild<QComboBox*>("Combo1");
    combo->setFocus();
    combo->setCurrentText("英语");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(combo->hasFocus());
    EXPECT_EQ(ctx->lang(), rv::Chinese);
}
