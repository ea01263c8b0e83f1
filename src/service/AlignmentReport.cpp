#include "AlignmentReport.h"

#include "ServiceEntry.h"
#include "TestModeHost.h"
#include "jobs/SafeWrite.h"
#include "ui/AppContext.h"

namespace rv::service {

namespace {

const rv::LangText Heading{"Alignment of radio %1, read %2", "对讲机 %1 的校准数据，读取于 %2"};
const rv::LangText ItemWord{"Item", "项目"};

QString Cell(const QString& text, const char* tag = "td") {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

// The alignment table of a kept alignment: one row per item, one column per point.
QString AlignmentTableHtml(const rv::jobs::AlignmentRecord& r, int language) {
    using namespace rv::link;
    using rv::jobs::PointName;
    QString html = QStringLiteral("<h3>%1</h3>")
                       .arg(ui::Tr(language, Heading)
                                .arg(r.serial, r.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                                .toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>") +
            Cell(ui::Tr(language, ItemWord), "th");
    for (int pt = 0; pt <= NarrowPoint; ++pt)
        html += Cell(ui::Tr(language, PointName(pt)), "th");
    html += QStringLiteral("</tr>");
    for (int item = 1; item <= TuneItemCount; ++item) {
        html += QStringLiteral("<tr>") + Cell(ui::Tr(language, TuneItemName(item)));
        for (int pt = 0; pt <= NarrowPoint; ++pt) {
            const int at = TuneBlockIndex(item, pt);
            // The narrow value of an item that does not switch with the band is its "Test".
            const bool own = at >= 0 && (pt < NarrowPoint || SwitchesWithBand(item));
            html += Cell(own ? QString::number(r.block[static_cast<std::size_t>(at)]) : QString());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString AlignmentReportHtml(const ui::AppContext& ctx) {
    if (!ctx.serviceMode) return {};
    if (auto* host = CurrentTestMode();
        host && host->state().Block.size() == rv::link::TuneBlock{}.size()) {
        auto r = host->entryAlignment();
        std::copy(host->state().Block.begin(), host->state().Block.end(), r.block.begin());
        r.time = QDateTime::currentDateTime();
        return AlignmentTableHtml(r, ctx.lang());
    }
    const QString serial = QString::fromStdString(ctx.session.Doc.SerialNumber.get()).trimmed();
    if (serial.isEmpty()) return {};
    for (const auto& path : rv::jobs::ListAlignments(rv::jobs::DefaultBackupDir(), serial)) {
        rv::jobs::AlignmentRecord r;
        if (rv::jobs::LoadAlignment(path, &r, nullptr, ctx.lang()) && r.serial == serial)
            return AlignmentTableHtml(r, ctx.lang());
    }
    return {};
}

} // namespace rv::service
