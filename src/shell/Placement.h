#pragma once

class QWidget;

namespace rv::ui {

/// Places the main window as it was last left (`saveGeometry`, kept under "Settings"), or at
/// 7, 7 with 967 × 700 pixels (100, 100, 14500 × 10500 twips) on a first start or when the
/// kept value is damaged.
void RestorePlacement(QWidget& window);
/// Keeps the window's placement, unless it is minimized (the earlier one then stays).
void SavePlacement(const QWidget& window);

} // namespace rv::ui
