#include "Lamp.h"

namespace rv::service {

Lamp::Lamp(const QString& objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
    setFixedSize(16, 16);
    setColor(QStringLiteral("off"));
}

void Lamp::setColor(const QString& color) {
    color_ = color;
    const QString fill = color == QLatin1String("off") ? QStringLiteral("#555555") : color;
    setStyleSheet(
        QStringLiteral("border-radius: 8px; border: 1px solid #222; background: %1;").arg(fill));
}

} // namespace rv::service
