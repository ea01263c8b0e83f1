#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace rv::ui {

/// What a report prints for a field in place of what its window shows, or nothing to keep
/// the window's text; called with the field's objectName.
using FieldOverride = std::function<std::optional<QString>(const QString& field)>;

/// A window's settings as the report prints them, read off the window itself: a heading
/// with the window's caption, each field the user can see with its own label and shown
/// value (groups and tabs as subheadings, grids as tables, unlabelled text boxes as lines
/// in a fixed-width font). Hidden fields and buttons are left out.
QString WindowReportHtml(QWidget& window, int language, const FieldOverride& override = {});

} // namespace rv::ui
