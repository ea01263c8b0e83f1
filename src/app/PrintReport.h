#pragma once

#include <QDate>
#include <QString>

class QImage;
class QPagedPaintDevice;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The printed report of the document as HTML, in the current language, drawn from the
/// settings as their windows show them (the service ones in the service program, with the
/// radio's alignment table).
QString BuildReportHtml(const ui::AppContext& ctx, const QDate& date);

/// Prints the report of today onto `device`; the channel table wants a landscape page.
void PrintReport(const ui::AppContext& ctx, QPagedPaintDevice& device);

/// The report as one picture of a landscape page's width (`width` pixels).
QImage ReportPicture(const ui::AppContext& ctx, int width);

} // namespace rv::app
