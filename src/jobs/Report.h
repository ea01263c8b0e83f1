#pragma once

#include "data/Session.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace rv::jobs {

/// What a report covers besides the document: the day it is printed, the name of the file
/// it was drawn from, and whether the service settings belong in it.
struct ReportScope {
    QDate date;
    QString fileName;
    bool service = false;
};

/// The printed report of the document of `s` as HTML, in the session's language: a title
/// block (product, model, band, file name, date), the channel table, and one section per
/// settings window (the service ones with `scope.service`) under the window's caption, each
/// setting with its label and value as its window shows them. `appendix` (HTML) goes at
/// the end. Reports nothing through the session's message callback.
QString ReportHtml(const rv::Session& s, const ReportScope& scope, const QString& appendix = {});

/// Prints `html` onto the pages of `device`: fonts whose glyphs keep a PDF's text layer
/// whole, and a table that fits on one page never broken away from its heading.
void PrintReportHtml(const QString& html, QPagedPaintDevice& device);

/// Lays `html` out as the report prints, for a page or a picture of the report.
void LayOutReport(QTextDocument& doc, const QString& html);

/// The report as a PDF on landscape pages (the channel table wants the width).
QByteArray ReportPdf(const QString& html);

} // namespace rv::jobs
