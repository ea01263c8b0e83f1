#include "Placement.h"

#include <QSettings>
#include <QWidget>

namespace rv::ui {

namespace {

int valueOf(const QSettings& s, const char* key, int fallback) {
    bool ok = false;
    const int v = s.value(QLatin1String(key)).toInt(&ok);
    return ok ? v : fallback;
}

} // namespace

Placement LoadPlacement() {
    const QSettings s(QStringLiteral("RV52N"), QStringLiteral("RV52N"));
    const Placement d;
    Placement p;
    p.left = valueOf(s, "Settings/MainLeft", d.left);
    p.top = valueOf(s, "Settings/MainTop", d.top);
    p.width = valueOf(s, "Settings/MainWidth", d.width);
    p.height = valueOf(s, "Settings/MainHeight", d.height);
    return p;
}

void StorePlacement(const Placement& p) {
    QSettings s(QStringLiteral("RV52N"), QStringLiteral("RV52N"));
    s.beginGroup(QStringLiteral("Settings"));
    s.setValue(QStringLiteral("MainLeft"), p.left);
    s.setValue(QStringLiteral("MainTop"), p.top);
    s.setValue(QStringLiteral("MainWidth"), p.width);
    s.setValue(QStringLiteral("MainHeight"), p.height);
    s.endGroup();
    s.sync();
}

void ApplyPlacement(QWidget& window, const Placement& p) {
    window.move(p.left, p.top);
    window.resize(p.width, p.height);
}

void SavePlacementOf(const QWidget& window) {
    if (window.isMinimized()) return;
    // A maximized window keeps the placement it will return to.
    const QRect r = window.isMaximized() ? window.normalGeometry() : window.geometry();
    const QPoint topLeft = window.isMaximized() ? r.topLeft() : window.pos();
    StorePlacement({topLeft.x(), topLeft.y(), r.width(), r.height()});
}

} // namespace rv::ui
