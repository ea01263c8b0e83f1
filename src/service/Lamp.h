#pragma once

#include <QLabel>

namespace rv::service {

/// A round indicator lamp; its colour name is readable as the "lampColor" property.
class Lamp : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString lampColor READ color)
public:
    explicit Lamp(const QString& objectName, QWidget* parent = nullptr);
    /// "off", "green", "red" or "yellow".
    void setColor(const QString& color);
    void setLit(bool lit) { setColor(lit ? QStringLiteral("green") : QStringLiteral("off")); }
    QString color() const { return color_; }
    bool lit() const { return color_ != QLatin1String("off"); }

private:
    QString color_;
};

/// A new child of `parent` named as the service windows name their widgets.
template <class W> W* Named(const QString& name, QWidget* parent) {
    auto* w = new W(parent);
    w->setObjectName(name);
    return w;
}

} // namespace rv::service
