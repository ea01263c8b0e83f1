#include "PrintReport.h"

#include "jobs/Report.h"
#include "service/AlignmentReport.h"
#include "ui/AppContext.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

namespace rv::app {

QString BuildReportHtml(const ui::AppContext& ctx, const QDate& date) {
    const rv::jobs::ReportScope scope{
        date, QFileInfo(QString::fromStdString(ctx.session.DocPath)).fileName(), ctx.serviceMode};
    return rv::jobs::ReportHtml(ctx.session, scope, service::AlignmentReportHtml(ctx));
}

void PrintReport(const ui::AppContext& ctx, QPagedPaintDevice& device) {
    rv::jobs::PrintReportHtml(BuildReportHtml(ctx, QDate::currentDate()), device);
}

QImage ReportPicture(const ui::AppContext& ctx, int width) {
    QTextDocument doc;
    rv::jobs::LayOutReport(doc, BuildReportHtml(ctx, QDate::currentDate()));
    doc.setTextWidth(width);
    QImage picture(width, int(doc.size().height()) + 1, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    doc.drawContents(&p);
    return picture;
}

} // namespace rv::app
