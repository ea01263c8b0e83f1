#include "AppFixture.h"
#include "app/FleetPlanTable.h"
#include "app/FrmFleet.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using rv::app::FrmFleet;
using rv::test::AppTest;

TEST_F(AppTest, FleetWindowProgramsSimulatedRadiosAndKeepsTheLog) {
    start();
    QTemporaryDir dir;
    FrmFleet window(*ctx, {});
    window.setTiming(300, 100);
    ASSERT_TRUE(window.addSimulatedRadio());
    ASSERT_TRUE(window.addSimulatedRadio());
    QTableWidget* table = window.table();
    ASSERT_EQ(table->rowCount(), 2);
    const QString logPath = dir.filePath("log.csv");
    ASSERT_TRUE(window.setLogFile(logPath));

    QSignalSpy finished(&window, &FrmFleet::fleetFinished);
    window.findChild<QPushButton*>("cmdStart")->click();
    EXPECT_FALSE(window.findChild<QPushButton*>("cmdStart")->isEnabled());
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(table->item(0, FrmFleet::SerialColumn)->text(), "20261201");
    EXPECT_EQ(table->item(1, FrmFleet::SerialColumn)->text(), "20261202");
    EXPECT_EQ(table->item(0, FrmFleet::ResultColumn)->text(), "OK");
    EXPECT_EQ(window.logText().count(",OK,"), 2);
    QFile log(logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(log.readAll()).count('\n'), 3) << "header and two rows";

    // Programmed again with "Repeat": both serial numbers are in the log, so both radios are
    // passed over; Stop ends the wait.
    window.findChild<QCheckBox*>("chkRepeat")->setChecked(true);
    window.findChild<QPushButton*>("cmdStart")->click();
    QTRY_COMPARE_WITH_TIMEOUT(table->item(1, FrmFleet::ResultColumn)->text(),
                              QStringLiteral("programmed before; skipped"), 20000);
    window.findChild<QPushButton*>("cmdStop")->click();
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 20000);
    EXPECT_EQ(window.logText().count('\n'), 1);
}

// The port list takes what --port takes, with its messages, in the user's language.
TEST_F(AppTest, FleetWindowTakesPortsAsTheCommandLineNamesThem) {
    start();
    ctx->session.CurLanguage = rv::Chinese;
    ctx->CommPort = rv::ui::OtherDevicePort; // as --port /dev/null leaves it
    ctx->CommDevice = "/dev/null";
    FrmFleet window(*ctx, {});
    QTableWidget* table = window.table();
    EXPECT_EQ(table->horizontalHeaderItem(FrmFleet::ResultColumn)->text(), "结果");
    EXPECT_TRUE(window.addPort("sim"));
    EXPECT_FALSE(window.addPort("/dev/null")); // no serial port: refused at once, not at Start
    EXPECT_EQ(table->item(0, FrmFleet::PortColumn)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(window.addPort("9"));
    EXPECT_FALSE(window.addPort("/no/such/device"));
    ASSERT_EQ(prompt->asked.size(), 3);
    EXPECT_TRUE(prompt->asked[0].contains("该设备不是串口")) << prompt->asked[0].toStdString();
    EXPECT_TRUE(prompt->asked[1].contains("端口号为 1 到 8")) << prompt->asked[1].toStdString();
    EXPECT_TRUE(prompt->asked[2].contains("没有该设备")) << prompt->asked[2].toStdString();
    EXPECT_EQ(table->rowCount(), 2);
}

// The "Per radio" table: a row per ticked port filled from a pattern, every value checked
// before Start, and each radio's own value in its log row.
TEST_F(AppTest, FleetWindowPerRadioValuesAreCheckedBeforeStart) {
    start();
    FrmFleet window(*ctx, {});
    window.setTiming(300, 100);
    ASSERT_TRUE(window.addSimulatedRadio());
    ASSERT_TRUE(window.addSimulatedRadio());
    rv::app::FleetPlanTable* perRadio = window.perRadio();
    ASSERT_TRUE(perRadio->addPattern("fleetsync.own_id", "4999"));
    QTableWidget* grid = perRadio->grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 2)->text(), "5000");
    EXPECT_FALSE(window.startFleet());
    ASSERT_EQ(prompt->asked.size(), 1);
    EXPECT_TRUE(prompt->asked[0].startsWith("radio 2: fleetsync.own_id=5000: "))
        << prompt->asked[0].toStdString();

    perRadio->clear();
    ASSERT_TRUE(perRadio->addPattern("message.line1", "UNIT {n:02}"));
    QSignalSpy finished(&window, &FrmFleet::fleetFinished);
    ASSERT_TRUE(window.startFleet());
    ASSERT_TRUE(finished.wait(60000));
    for (const char* value : {",message.line1=UNIT 01", ",message.line1=UNIT 02"})
        EXPECT_TRUE(window.logText().contains(value)) << window.logText().toStdString();
}
