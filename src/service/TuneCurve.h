#pragma once

#include <QWidget>

#include <array>
#include <optional>

namespace rv::ui {

/// The values of an item's points across the band (Low to High) as a small chart: the
/// values now as a solid line, a kept alignment as a dashed one.
class TuneCurve : public QWidget {
    Q_OBJECT
public:
    using Points = std::array<int, 5>; ///< Low, Low', Center, High', High; -1 = no point

    explicit TuneCurve(QWidget* parent = nullptr);

    void setNow(const Points& p);
    void setKept(const std::optional<Points>& p);
    /// The captions under the first and the last point (the band's ends).
    void setEnds(const QString& low, const QString& high);
    const Points& now() const { return now_; }
    const std::optional<Points>& kept() const { return kept_; }

    QSize sizeHint() const override { return {220, 140}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Points now_{-1, -1, -1, -1, -1};
    std::optional<Points> kept_;
    QString low_, high_;
};

} // namespace rv::ui
