#include "PrintReport.h"

#include "jobs/Report.h"
#include "kit/AppContext.h"
#include "service/AlignmentReport.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

namespace rv::ui {

QString BuildReportHtml(const AppContext& ctx, const QDate& date) {
    const rv::jobs::ReportScope scope{
        date, QFileInfo(QString::fromStdString(ctx.session.DocPath)).fileName(), ctx.serviceMode};
    return rv::jobs::ReportHtml(ctx.session, scope, AlignmentReportHtml(ctx));
}

void PrintReport(const AppContext& ctx, QPagedPaintDevice& device) {
    rv::jobs::PrintReportHtml(BuildReportHtml(ctx, QDate::currentDate()), device);
}

QImage ReportPicture(const AppContext& ctx, int width) {
    QTextDocument doc;
    rv::jobs::LayOutReport(doc, BuildReportHtml(ctx, QDate::currentDate()));
    doc.setTextWidth(width);
    QImage picture(width, int(doc.size().height()) + 1, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    doc.drawContents(&p);
    return picture;
}

} // namespace rv::ui
