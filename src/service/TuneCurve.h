#pragma once

#include <QWidget>

#include <array>
#include <optional>

namespace rv::service {

/// The values of an item's points across the band (Low to High) as a small chart: frequency
/// in MHz across, value up; the radio's values as a solid line, a kept alignment dashed.
class TuneCurve : public QWidget {
    Q_OBJECT
public:
    using Points = std::array<int, 5>;         ///< Low, Low', Center, High', High; -1 = no point
    using Frequencies = std::array<double, 5>; ///< MHz of the points, ascending

    explicit TuneCurve(QWidget* parent = nullptr);

    void setNow(const Points& p);
    void setKept(const std::optional<Points>& p);
    void setFrequencies(const Frequencies& f);
    /// Axis titles and legend entries in the user's language.
    void setCaptions(const QString& frequencyAxis, const QString& valueAxis, const QString& radio,
                     const QString& kept);
    const Points& now() const { return now_; }
    const std::optional<Points>& kept() const { return kept_; }
    const Frequencies& frequencies() const { return mhz_; }

    QSize sizeHint() const override { return {320, 200}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Points now_{-1, -1, -1, -1, -1};
    std::optional<Points> kept_;
    Frequencies mhz_{0, 1, 2, 3, 4};
    QString frequencyAxis_, valueAxis_, radioName_, keptName_;
};

} // namespace rv::service
