#include "TuneCurve.h"

#include <QPainter>
#include <QPainterPath>

namespace rv::service {

namespace {

// Dark enough to read on a light base, and told apart without colour by the dashes.
const QColor RadioColour(0x1f, 0x4e, 0x9e);
const QColor KeptColour(0xb3, 0x4a, 0x00);

} // namespace

TuneCurve::TuneCurve(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TuneCurve"));
    setMinimumSize(260, 170);
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

void TuneCurve::setFrequencies(const Frequencies& f) {
    mhz_ = f;
    update();
}

void TuneCurve::setCaptions(const QString& frequencyAxis, const QString& valueAxis,
                            const QString& radio, const QString& kept) {
    frequencyAxis_ = frequencyAxis;
    valueAxis_ = valueAxis;
    radioName_ = radio;
    keptName_ = kept;
    update();
}

void TuneCurve::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const QColor text = palette().color(QPalette::WindowText);
    const int h = fm.height();
    // Room on the left for the value axis title (turned) and its numbers, below for the
    // frequencies and their title, above for the legend.
    const QRectF plot = QRectF(rect()).adjusted(
        h + fm.horizontalAdvance(QStringLiteral("255")) + 10, h + 8,
        -fm.horizontalAdvance(QStringLiteral("000.00")) / 2 - 4, -2 * h - 8);
    g.fillRect(plot, palette().base());
    const double lo = mhz_.front(), hi = mhz_.back();
    const auto x = [&](int i) {
        const double f = mhz_[static_cast<std::size_t>(i)];
        return hi > lo ? plot.left() + plot.width() * (f - lo) / (hi - lo)
                       : plot.left() + plot.width() * i / 4.0;
    };
    const auto y = [&](int v) { return plot.bottom() - plot.height() * v / 255.0; };

    g.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    for (int v : {64, 128, 192})
        g.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
    g.setPen(text);
    g.drawRect(plot);
    for (int v : {0, 64, 128, 192, 255})
        g.drawText(QRectF(h, y(v) - h / 2.0, plot.left() - h - 4, h),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    // A tick at each point's frequency, labelled at both ends and the centre.
    for (int i = 0; i < 5; ++i) {
        g.drawLine(QPointF(x(i), plot.bottom()), QPointF(x(i), plot.bottom() + 4));
        if (i % 2 != 0) continue;
        const QString label = QString::number(mhz_[static_cast<std::size_t>(i)], 'f', 2);
        const double w = fm.horizontalAdvance(label) + 4;
        g.drawText(QRectF(x(i) - w / 2, plot.bottom() + 4, w, h), Qt::AlignCenter, label);
    }
    g.drawText(QRectF(plot.left(), plot.bottom() + h + 6, plot.width(), h), Qt::AlignCenter,
               frequencyAxis_);
    g.save();
    g.translate(0, plot.center().y());
    g.rotate(-90);
    g.drawText(QRectF(-plot.height() / 2, 0, plot.height(), h), Qt::AlignCenter, valueAxis_);
    g.restore();

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
                g.drawEllipse(QPointF(x(i), y(p[static_cast<std::size_t>(i)])), 3, 3);
    };
    const QPen keptPen(KeptColour, 2, Qt::DashLine);
    const QPen radioPen(RadioColour, 2.5);
    if (kept_) line(*kept_, keptPen);
    line(now_, radioPen);

    // The legend, above the plot at its right.
    double right = plot.right();
    const auto entry = [&](const QString& name, const QPen& pen) {
        const double w = fm.horizontalAdvance(name);
        g.setPen(text);
        g.drawText(QRectF(right - w, 2, w, h), Qt::AlignVCenter, name);
        g.setPen(pen);
        g.drawLine(QPointF(right - w - 26, 2 + h / 2.0), QPointF(right - w - 4, 2 + h / 2.0));
        right -= w + 38;
    };
    if (kept_) entry(keptName_, keptPen);
    entry(radioName_, radioPen);
}

} // namespace rv::service
