#include "PrintReport.h"

#include "Captions.h"
#include "WindowReport.h"
#include "data/Catalogue.h"
#include "data/ChannelCommit.h"
#include "data/SettingTexts.h"
#include "editors/ChannelTexts.h"
#include "editors/EditorRegistry.h"
#include "frmMain.h"
#include "kit/AppContext.h"
#include "service/AlignmentReport.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <memory>
#include <utility>

namespace rv::ui {

namespace {

using K = rv::ChannelFieldKind;
namespace CT = ChannelTexts;

const rv::LangText ModelWord{"Model", "机型"};
const rv::LangText BandWord{"Band", "频段"};
const rv::LangText DateWord{"Date", "日期"};
const rv::LangText NoChannels{"No channels programmed.", "没有已编程的信道。"};

/// A channel column: its heading as the grid or the channel edit dialog words it.
struct Column {
    const rv::LangText& head;
    K kind;
};
// The compander has no column: no window offers it.
const Column Columns[] = {
    {CT::GridHeaders[1], K::RxFreq},       {CT::GridHeaders[2], K::TxFreq},
    {CT::GridHeaders[3], K::RxCode},       {CT::GridHeaders[4], K::TxCode},
    {CT::GridHeaders[5], K::TxPower},      {CT::GridHeaders[6], K::ScanAdd},
    {CT::GridHeaders[7], K::OptSignal},    {CT::GridHeaders[8], K::PttId},
    {CT::GridHeaders[9], K::WideNarrow},   {CT::DialogLabels[5], K::SpUnmute},
    {CT::DialogLabels[8], K::BusyLockout}, {CT::DialogLabels[10], K::AutodialMem},
    {CT::CheckLabels[0], K::BeatShift},
};

// The settings windows in the order of the tree; the service ones only with --service.
struct Window {
    const char* form;
    bool service;
};
const Window Windows[] = {
    {"FrmOptFeatures", false}, {"FrmKeyAssignm", false}, {"FrmScanInfo", false}, {"FrmDTMF", true},
    {"FrmFleetSync", true},    {"FrmTestFre", true},     {"FrmEmbMsg", false},
};

QString Cell(const QString& text, const char* tag = "td") {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

QString ChannelCell(const rv::Session& s, const rv::ChannelInfo& c, K kind) {
    // The dialog shows beat shift as a check box.
    if (kind == K::BeatShift)
        return QString::fromStdString(rv::OnOffText(c.BeatShift, s.CurLanguage));
    return QString::fromStdString(rv::ChannelFieldText(s, c, kind));
}

QString ChannelTable(const AppContext& ctx) {
    const rv::Session& s = ctx.session;
    QString html = QStringLiteral("<h3>%1</h3>")
                       .arg(PlainCaption(Tr(ctx, MenuCaption(QStringLiteral("mnuChannelInfo")))));
    QString rows;
    for (int n = 1; n <= 16; ++n) {
        const rv::ChannelInfo* c = rv::ChannelOf(s.Doc, n);
        if (!c) continue;
        rows += QStringLiteral("<tr>") + Cell(QString::number(n));
        for (const Column& col : Columns)
            rows += Cell(ChannelCell(s, *c, col.kind));
        rows += QStringLiteral("</tr>");
    }
    if (rows.isEmpty()) return html + QStringLiteral("<p>%1</p>").arg(Tr(ctx, NoChannels));
    QString head = Cell(Tr(ctx, CT::GridHeaders[0]), "th");
    for (const Column& col : Columns)
        head += Cell(Tr(ctx, col.head), "th");
    // The heading row comes again at the top of every page the table runs onto.
    return html +
           QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr>") +
           head + QStringLiteral("</tr></thead>") + rows + QStringLiteral("</table>");
}

/// A section of settings rows under their own labels, as the catalogue names and shows them.
QString RowsSection(const rv::Session& s, const QString& caption,
                    std::initializer_list<const char*> keys) {
    QString rows;
    for (const char* key : keys) {
        const rv::SettingRow* row = rv::findRow(key);
        if (!row) continue;
        // A message line prints every character in its place, spaces included.
        rows += QStringLiteral("<tr>") +
                Cell(QString::fromStdString(rv::LabelOf(*row, s.CurLanguage))) +
                QStringLiteral("<td><pre style=\"font-family: monospace\">%1</pre></td></tr>")
                    .arg(QString::fromStdString(rv::textOf(s, key)).toHtmlEscaped());
    }
    return QStringLiteral("<h3>%1</h3><table cellpadding=\"2\">%2</table>")
        .arg(caption.toHtmlEscaped(), rows);
}

QString SettingsSections(AppContext& ctx) {
    QString html;
    for (const Window& w : Windows) {
        if (w.service && !ctx.serviceMode) continue;
        const QString form = QString::fromLatin1(w.form);
        std::unique_ptr<ChildWindow> window(CreateEditorWindow(ctx, form));
        if (!window) continue;
        if (form == QLatin1String("FrmEmbMsg"))
            html +=
                RowsSection(ctx.session, window->windowTitle(), {"message.line1", "message.line2"});
        else
            html += WindowReportHtml(*window, ctx.lang(), {});
    }
    return html;
}

QString Row(const QString& a, const QString& b) {
    return QStringLiteral("<tr>") + Cell(a) + Cell(b) + QStringLiteral("</tr>");
}

void Layout(AppContext& ctx, QTextDocument& doc) {
    // Each glyph straight from the font's character map: shaping may choose glyphs that no
    // character maps to (digits beside Latin letters in the CJK fonts), and a PDF's text layer
    // then loses those characters although the page shows them. For the same reason Chinese
    // comes from a font without the Kangxi radicals: a font that draws 入 and the radical ⼊
    // with one glyph gives the radical back to whoever copies the text.
    QFont font = doc.defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    doc.setDefaultFont(font);
    // A word is never broken: a narrow column grows to its longest word instead.
    QTextOption wrap = doc.defaultTextOption();
    wrap.setWrapMode(QTextOption::WordWrap);
    doc.setDefaultTextOption(wrap);
    doc.setDefaultStyleSheet(QStringLiteral("body { font-size: 8pt; } th { text-align: left; }"));
    doc.setHtml(BuildReportHtml(ctx, QDate::currentDate()));
}

/// Lays the report out on pages of the printer's size; a table that fits on one page but
/// would run over a page break starts on a new page instead.
void Paginate(QTextDocument& doc, const QPrinter& printer) {
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const qreal scale =
        printer.logicalDpiY() / qreal(doc.documentLayout()->paintDevice()
                                          ? doc.documentLayout()->paintDevice()->logicalDpiY()
                                          : 96);
    doc.setPageSize(QSizeF(page.width() / scale, page.height() / scale));
    const qreal height = doc.pageSize().height();
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        // The table goes with its heading.
        const QTextBlock heading = doc.findBlock(table->firstPosition() - 2);
        const bool headed = heading.isValid() && heading.blockFormat().headingLevel() > 0;
        QRectF box = doc.documentLayout()->frameBoundingRect(table);
        if (headed) box |= doc.documentLayout()->blockBoundingRect(heading);
        const bool fits = box.height() <= height;
        const bool crosses = int(box.top() / height) != int((box.bottom() - 1) / height);
        if (!fits || !crosses) continue;
        if (headed) {
            QTextCursor at(heading);
            QTextBlockFormat format = heading.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            at.setBlockFormat(format);
        } else {
            QTextTableFormat format = table->format();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
        }
    }
}

} // namespace

QString BuildReportHtml(AppContext& ctx, const QDate& date) {
    rv::Session& s = ctx.session;
    // Reading the windows reports nothing: a damaged value prints as it is shown.
    const auto handler = std::exchange(s.onMessage, nullptr);
    const QString fileName = QString::fromStdString(s.DocPath).section(QLatin1Char('/'), -1);
    QString html =
        QStringLiteral("<html><body><h2>%1</h2><table cellpadding=\"2\">").arg(ProductName);
    html += Row(Tr(ctx, ModelWord), QString::fromStdString(s.CurModelCode).trimmed());
    html += Row(Tr(ctx, BandWord), QString::fromStdString(s.CurBand));
    html += Row(Tr(ctx, CaptionOf(Cap::PrintListColumn)), fileName);
    html += Row(Tr(ctx, DateWord), date.toString(Qt::ISODate));
    html += QStringLiteral("</table>") + ChannelTable(ctx) + SettingsSections(ctx);
    html += AlignmentReportHtml(ctx); // service mode: the radio's alignment table
    s.onMessage = handler;
    return html + QStringLiteral("</body></html>");
}

void PrintReport(AppContext& ctx, QPrinter& printer) {
    QTextDocument doc;
    Layout(ctx, doc);
    Paginate(doc, printer);
    doc.print(&printer);
}

QImage ReportPicture(AppContext& ctx, int width) {
    QTextDocument doc;
    Layout(ctx, doc);
    doc.setTextWidth(width);
    QImage picture(width, int(doc.size().height()) + 1, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    doc.drawContents(&p);
    return picture;
}

} // namespace rv::ui
