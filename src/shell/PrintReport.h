#pragma once

#include <QDate>
#include <QString>

namespace rv {
struct Session;
}

namespace rv::ui {

/// The printed report of the document as HTML, in the session's language: a title block
/// (product, model, band, file name, date), the channel table in display form, and the
/// main settings.
QString BuildReportHtml(const rv::Session& s, const QDate& date);

} // namespace rv::ui
