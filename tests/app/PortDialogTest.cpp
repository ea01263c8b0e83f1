#include "AppFixture.h"
#include "app/FrmSetComm.h"
#include "jobs/PortFinder.h"
#include "sim/SimRadioPty.h"
#include "ui/RadioPort.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <cerrno>

using rv::test::AppTest;

namespace {

QString Start(rv::sim::SimRadioPty& sim, bool silent) {
    std::string error;
    EXPECT_TRUE(sim.start(false, &error)) << error;
    if (silent) sim.withRadio([](rv::sim::SimRadio& r) { r.faults().silentAfterFrames = 0; });
    return QString::fromStdString(sim.devicePath());
}

} // namespace

TEST_F(AppTest, PortDialogTakesATypedDevicePathOnlyWhenItOpens) {
    start();
    rv::sim::SimRadioPty sim;
    const QString device = Start(sim, false);
    const struct {
        QString path;
        int port;
        int messages;
    } cases[] = {{"", 1, 1}, {"/dev/no-such-radio", 1, 1}, {device, rv::ui::OtherDevicePort, 0}};
    for (const auto& c : cases) {
        prompt->asked.clear();
        rv::app::FrmSetComm dialog(*ctx, nullptr, {});
        QTest::keyClicks(dialog.findChild<QLineEdit*>("txtOtherDevice"), c.path);
        if (c.path.isEmpty()) dialog.findChild<QRadioButton*>("OptionOther")->setChecked(true);
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("OptionOther")->isChecked());
        dialog.findChild<QPushButton*>("Command1")->click();
        EXPECT_EQ(ctx->CommPort, c.port) << c.path.toStdString();
        EXPECT_EQ(prompt->asked.size(), c.messages) << c.path.toStdString();
        EXPECT_EQ(dialog.result(), c.messages ? 0 : int(QDialog::Accepted));
    }
    EXPECT_EQ(ctx->CommDevice, device);
    EXPECT_EQ(rv::ui::ServicePortName(*ctx, nullptr), device);
    // Remembered for the next time, also across runs.
    EXPECT_EQ(rv::app::RememberedOtherDevice(), device);
    ctx->CommDevice.clear();
    rv::app::FrmSetComm again(*ctx, nullptr, {});
    EXPECT_EQ(again.findChild<QLineEdit*>("txtOtherDevice")->text(), device);

    EXPECT_TRUE(rv::ui::ChoosePort(*ctx, "/dev/rfcomm0", nullptr));
    EXPECT_EQ(ctx->CommPort, rv::ui::OtherDevicePort);
    EXPECT_EQ(ctx->CommDevice, "/dev/rfcomm0");
    EXPECT_TRUE(rv::ui::ChoosePort(*ctx, "3", nullptr));
    EXPECT_EQ(ctx->CommPort, 3);
}

TEST_F(AppTest, FindRadioSelectsTheFirstPortWhereARadioAnswers) {
    start();
    rv::sim::SimRadioPty silent, radio;
    const QList<rv::link::PortEntry> ports{
        {1, Start(silent, true), "cable A", "Maker", "0403:6001", "A1"},
        {2, Start(radio, false), {}, {}, {}, {}}};
    rv::app::FrmSetComm dialog(*ctx, nullptr, ports);
    EXPECT_EQ(dialog.findChild<QLabel*>("Details_0")->text(),
              "cable A, Maker, USB 0403:6001, S/N A1");
    dialog.findChild<QRadioButton*>("OptionSim")->setChecked(true);
    dialog.findRadio();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.findChild<QPushButton*>("cmdFindRadio")->isEnabled(), 5000);
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("Option1_1")->isChecked());
    EXPECT_EQ(dialog.status(), "Radio found on " +
                                   dialog.findChild<QRadioButton*>("Option1_1")->text() +
                                   ": model 7415, 400 - 470 MHz.");

    // Refresh after the cable is gone: nothing answers.
    dialog.setPortSource([&] { return QList<rv::link::PortEntry>{ports[0]}; });
    dialog.refresh();
    EXPECT_FALSE(dialog.findChild<QRadioButton*>("Option1_1")->isEnabled());
    dialog.findRadio();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.findChild<QPushButton*>("cmdFindRadio")->isEnabled(), 5000);
    EXPECT_EQ(dialog.status(), "No radio answered.");

    // A typed-in path that is no port says why, as OK does.
    for (const auto& [path, why] : {std::pair{"/dev/null", "not a serial port"},
                                    std::pair{"/nonexistent/tty", "no such device"}}) {
        dialog.findChild<QLineEdit*>("txtOtherDevice")->setText(path);
        dialog.findRadio();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.findChild<QPushButton*>("cmdFindRadio")->isEnabled(), 5000);
        EXPECT_TRUE(dialog.status().contains(why)) << dialog.status().toStdString();
    }
}

TEST_F(AppTest, PortDialogSaysWhichGroupToJoinWhenNoPortMayBeOpened) {
    start();
    rv::sim::SimRadioPty radio;
    const QList<rv::link::PortEntry> ports{{1, Start(radio, false), {}, {}, {}, {}}};
    const auto denied = [](const QString&) { return EACCES; };
    rv::app::FrmSetComm dialog(*ctx, nullptr, ports, denied);
    const QString advice =
        rv::jobs::PermissionAdvice(rv::jobs::SerialGroupOf(ports[0].device), rv::English);
    EXPECT_TRUE(dialog.status().contains(advice)) << dialog.status().toStdString();
    dialog.findRadio();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.findChild<QPushButton*>("cmdFindRadio")->isEnabled(), 5000);
    EXPECT_TRUE(dialog.status().contains(advice)) << dialog.status().toStdString();
    rv::app::FrmSetComm allowed(*ctx, nullptr, ports, [](const QString&) { return 0; });
    EXPECT_TRUE(allowed.status().isEmpty());
}
