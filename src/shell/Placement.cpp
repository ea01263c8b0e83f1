#include "Placement.h"

#include <QSettings>
#include <QWidget>

namespace rv::ui {

namespace {

const QString GeometryKey = QStringLiteral("Settings/MainGeometry");

} // namespace

void RestorePlacement(QWidget& window) {
    const QSettings s(QStringLiteral("RV52N"), QStringLiteral("RV52N"));
    if (window.restoreGeometry(s.value(GeometryKey).toByteArray())) return;
    window.move(7, 7);
    window.resize(967, 700);
}

void SavePlacement(const QWidget& window) {
    if (window.isMinimized()) return;
    QSettings s(QStringLiteral("RV52N"), QStringLiteral("RV52N"));
    s.setValue(GeometryKey, window.saveGeometry());
    s.sync();
}

} // namespace rv::ui
