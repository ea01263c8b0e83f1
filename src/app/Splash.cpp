#include "Splash.h"

#include "Captions.h"

#include <QApplication>
#include <QPainter>
#include <QSplashScreen>

namespace rv::app {

QSplashScreen* ShowSplash() {
    QPixmap picture(420, 200);
    picture.fill(QColor(0x1f, 0x3a, 0x5f));
    QPainter p(&picture);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPointSize(28);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 40, 420, 60), Qt::AlignCenter, ProductName);
    f.setPointSize(10);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(0, 110, 420, 30), Qt::AlignCenter,
               QStringLiteral("Programming software  ") + ProgramVersion);
    p.end();
    auto* splash = new QSplashScreen(picture);
    splash->setObjectName(QStringLiteral("frmSplash"));
    splash->show();
    QApplication::processEvents();
    return splash;
}

} // namespace rv::app
