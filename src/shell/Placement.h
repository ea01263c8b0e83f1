#pragma once

#include <QRect>

class QWidget;

namespace rv::ui {

/// Main window placement in pixels; the defaults are 100, 100, 14500 × 10500 twips at
/// 15 twips a pixel.
struct Placement {
    int left = 7;
    int top = 7;
    int width = 967;
    int height = 700;
    bool operator==(const Placement&) const = default;
};

/// The stored placement (group "Settings"), each absent value taking its default.
Placement LoadPlacement();
void StorePlacement(const Placement& p);

/// Places the window: frame position and inner size.
void ApplyPlacement(QWidget& window, const Placement& p);
/// Stores the window's placement, unless it is minimized (the earlier one then stays).
void SavePlacementOf(const QWidget& window);

} // namespace rv::ui
