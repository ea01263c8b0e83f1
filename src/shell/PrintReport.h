#pragma once

#include <QDate>
#include <QString>

class QImage;
class QPrinter;

namespace rv::ui {

class AppContext;

/// The printed report of the document as HTML, in the current language: a title block
/// (product, model, band, file name, date), the channel table with every channel setting
/// the channel windows show, and every settings window open to the user (the service ones
/// with --service), each under its own caption and read off the window itself.
QString BuildReportHtml(AppContext& ctx, const QDate& date);

/// Prints the report of today; the channel table wants a landscape page.
void PrintReport(AppContext& ctx, QPrinter& printer);

/// The report as one picture of a landscape page's width (`width` pixels).
QImage ReportPicture(AppContext& ctx, int width);

} // namespace rv::ui
