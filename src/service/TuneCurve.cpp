#include "TuneCurve.h"

#include <QPainter>
#include <QPainterPath>

namespace rv::ui {

TuneCurve::TuneCurve(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TuneCurve"));
    setMinimumSize(180, 110);
}

void TuneCurve::setNow(const Points& p) {
    if (p == now_) return;
    now_ = p;
    update();
}

void TuneCurve::setKept(const std::optional<Points>& p) {
    kept_ = p;
    update();
}

void TuneCurve::setEnds(const QString& low, const QString& high) {
    low_ = low;
    high_ = high;
    update();
}

void TuneCurve::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const QRectF plot = QRectF(rect()).adjusted(fm.horizontalAdvance(QStringLiteral("255")) + 8, 6,
                                                -8, -fm.height() - 6);
    g.fillRect(plot, palette().base());
    g.setPen(palette().color(QPalette::Mid));
    g.drawRect(plot);
    const auto x = [&](int i) { return plot.left() + plot.width() * i / 4.0; };
    const auto y = [&](int v) { return plot.bottom() - plot.height() * v / 255.0; };
    for (int v : {0, 128, 255}) {
        g.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        g.drawText(QRectF(0, y(v) - fm.height() / 2.0, plot.left() - 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    g.setPen(palette().color(QPalette::WindowText));
    g.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), fm.height()), Qt::AlignLeft,
               low_);
    g.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), fm.height()), Qt::AlignRight,
               high_);

    const auto line = [&](const Points& p, const QPen& pen) {
        QPainterPath path;
        bool started = false;
        for (int i = 0; i < 5; ++i) {
            const int v = p[static_cast<std::size_t>(i)];
            if (v < 0) continue;
            const QPointF at(x(i), y(v));
            if (started)
                path.lineTo(at);
            else
                path.moveTo(at);
            started = true;
        }
        g.setPen(pen);
        g.setBrush(Qt::NoBrush);
        g.drawPath(path);
        g.setBrush(pen.color());
        for (int i = 0; i < 5; ++i)
            if (p[static_cast<std::size_t>(i)] >= 0)
                g.drawEllipse(QPointF(x(i), y(p[static_cast<std::size_t>(i)])), 2.5, 2.5);
    };
    if (kept_) line(*kept_, QPen(QColor(0x80, 0x80, 0x80), 1.5, Qt::DashLine));
    line(now_, QPen(palette().color(QPalette::Highlight), 2));
}

} // namespace rv::ui
