#include "AppFixture.h"
#include "data/DataFile.h"
#include "ui/RadioPort.h"

#include <QImage>
#include <QProcess>
#include <QSettings>

using rv::test::AppTest;

TEST(Startup, LanguageFollowsTheSystemLocale) {
    const struct {
        QLocale locale;
        int language;
    } rows[] = {
        {QLocale(QLocale::Chinese, QLocale::China), rv::Chinese},
        {QLocale(QLocale::Chinese, QLocale::Taiwan), rv::English},
        {QLocale(QLocale::Chinese, QLocale::HongKong), rv::English},
        {QLocale(QLocale::English, QLocale::UnitedStates), rv::English},
        {QLocale(QLocale::German, QLocale::Germany), rv::English},
        {QLocale::c(), rv::English},
    };
    for (const auto& r : rows)
        EXPECT_EQ(rv::app::StartupLanguage(r.locale), r.language) << r.locale.name().toStdString();
}

TEST(Startup, MissingToneTableFileFallsBackToTheBuiltInTable) {
    QTemporaryDir empty;
    rv::ui::AppContext ctx;
    auto* prompt = new rv::test::ScriptedPrompt;
    ctx.setPrompt(prompt);
    ctx.session.onMessage = [&ctx](rv::Msg m) { rv::ui::Ask(ctx, nullptr, m); };
    ctx.session.CurModelCode = "582";
    rv::app::StartUp(ctx, empty.path(), QLocale::c());
    // The table is built into the program: a folder without the file is no error.
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join("|").toStdString();
    EXPECT_EQ(ctx.session.CurModelCode, "7415");
    EXPECT_EQ(ctx.session.CurBand, "400 - 470 MHz");
    EXPECT_EQ(ctx.session.BandLow, 400);
    EXPECT_EQ(ctx.session.BandHigh, 470);
    EXPECT_EQ(ctx.CommPort, 1);
    EXPECT_TRUE(rv::IsUnchanged(ctx.session));
}

TEST(Startup, HelpFileOfEachLanguage) {
    EXPECT_EQ(rv::app::HelpFilePath("/opt/rv", rv::English), "/opt/rv/RVPS-52N_e.html");
    EXPECT_EQ(rv::app::HelpFilePath("/opt/rv", rv::Chinese), "/opt/rv/RVPS-52N_c.html");
    // The pages ship beside the program.
    EXPECT_TRUE(QFile::exists(rv::app::HelpFilePath(RV_BIN_DIR, rv::English)));
    EXPECT_TRUE(QFile::exists(rv::app::HelpFilePath(RV_BIN_DIR, rv::Chinese)));
}

class PlacementTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        QSettings(QStringLiteral("RV52N"), QStringLiteral("RV52N")).clear();
    }
};

TEST_F(PlacementTest, FirstStartOrADamagedValueUsesTheDefaults) {
    start();
    EXPECT_EQ(main->size(), QSize(967, 700));
    QSettings(QStringLiteral("RV52N"), QStringLiteral("RV52N"))
        .setValue("Settings/MainGeometry", QByteArray("wide"));
    start();
    EXPECT_EQ(main->size(), QSize(967, 700));
}

TEST_F(PlacementTest, TheNextStartOpensWhereThisOneEndedUnlessMinimized) {
    start();
    main->resize(800, 600);
    ASSERT_TRUE(main->close());
    start();
    EXPECT_EQ(main->size(), QSize(800, 600));
    main->resize(900, 650);
    main->showMinimized();
    ASSERT_TRUE(main->isMinimized());
    ASSERT_TRUE(main->close());
    start();
    EXPECT_EQ(main->size(), QSize(800, 600));
}

TEST(Startup, ProgramStartsAndDrawsItsWindowInEitherLanguage) {
    // The real executable: a message box on the way (a missing tone table, say) would hold
    // it until the time-out.
    const QString exe = QDir(RV_BIN_DIR).filePath("rv52n");
    if (!QFile::exists(exe)) GTEST_SKIP() << "the program is not built";
    QTemporaryDir out;
    for (const char* lang : {"en_US.UTF-8", "zh_CN.UTF-8"}) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LANG", lang);
        env.insert("LC_ALL", lang);
        env.insert("XDG_CONFIG_HOME", out.path());
        program.setProcessEnvironment(env);
        const QString shot = out.filePath(QString("main-%1.png").arg(lang));
        program.start(exe, {"--screenshot", shot});
        ASSERT_TRUE(program.waitForFinished(30000)) << lang;
        EXPECT_EQ(program.exitCode(), 0) << lang;
        const QImage picture(shot);
        EXPECT_GE(picture.width(), 900) << lang;
        EXPECT_GE(picture.height(), 650) << lang;
    }
}

// Pictures of single windows for the help pages, and of the report; an unknown window fails.
TEST(Startup, ScreenshotOfOneWindowOrTheReport) {
    const QString exe = QDir(RV_BIN_DIR).filePath("rv52n");
    QTemporaryDir out;
    struct Case {
        const char* window;
        int exitCode;
        int minWidth, maxWidth;
    };
    const Case cases[] = {{"FrmScanInfo", 0, 150, 700},
                          {"FrmModelInfo", 0, 150, 700},
                          {"FrmDTMF", 0, 150, 800},
                          {"report", 0, 1123, 1123},
                          {"NoSuchWindow", 1, 0, 0}};
    for (const Case& c : cases) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", out.path());
        program.setProcessEnvironment(env);
        const QString shot = out.filePath(QString("%1.png").arg(c.window));
        program.start(exe, {"--service", "--screenshot", shot, "--window", c.window});
        ASSERT_TRUE(program.waitForFinished(30000)) << c.window;
        EXPECT_EQ(program.exitCode(), c.exitCode) << c.window;
        const QImage picture(shot);
        EXPECT_EQ(picture.isNull(), c.exitCode != 0) << c.window;
        if (picture.isNull()) continue;
        EXPECT_GE(picture.width(), c.minWidth) << c.window;
        EXPECT_LE(picture.width(), c.maxWidth) << c.window;
    }
}

TEST(Startup, PortOptionChoosesNumberSimulatedRadioOrDevice) {
    struct Case {
        const char* port;
        bool ok;
        int commPort;
        const char* device;
    };
    const Case cases[] = {{"3", true, 3, ""},
                          {"sim", true, 0, ""},
                          {"/dev/rfcomm0", true, rv::ui::OtherDevicePort, "/dev/rfcomm0"},
                          {"0", false, 5, ""},
                          {"9", false, 5, ""}};
    for (const auto& c : cases) {
        rv::ui::AppContext ctx;
        ctx.CommPort = 5;
        QString error;
        EXPECT_EQ(rv::ui::ChoosePort(ctx, c.port, &error), c.ok) << c.port;
        EXPECT_EQ(ctx.CommPort, c.commPort) << c.port;
        EXPECT_EQ(ctx.CommDevice, c.device) << c.port;
        EXPECT_EQ(error.isEmpty(), c.ok) << c.port;
    }
}
