#include "Report.h"

#include "data/Catalogue.h"
#include "data/ChannelCommit.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cctype>

namespace rv::jobs {

namespace {

const rv::LangText ModelWord{"Model", "机型"};
const rv::LangText BandWord{"Band", "频段"};
const rv::LangText FileWord{"File Name", "文件名"};
const rv::LangText DateWord{"Date", "日期"};
const rv::LangText ChannelsHeading{"Channel Information", "信道信息"};
const rv::LangText NoChannels{"No channels programmed.", "没有已编程的信道。"};

// The channel table's columns in the order of the grid, then those only the channel dialog
// shows. The compander has none: no window offers it.
const char* const ChannelColumns[] = {
    "rx_frequency", "tx_frequency", "decode_tone", "encode_tone", "tx_power",
    "scan_add",     "opt_signal",   "ptt_id",      "wide_narrow", "sp_unmute",
    "busy_lockout", "autodial",     "beat_shift",
};

// The settings windows in the order of the tree, each named by one of its settings; the
// service ones only in a service report.
struct Window {
    const char* anyKey;
    bool service;
};
const Window Windows[] = {
    {"optional.beep", false},      {"key.pf1", false},
    {"scan.priority", false},      {"dtmf.speed", true},
    {"fleetsync.own_fleet", true}, {"testfreq.1.rx", true},
    {"message.line1", false},
};

// An entry of a list (autodial codes, the fleet list, the test frequencies): "fleet.3.id".
bool IsListEntry(const std::string& key) {
    const auto dot = key.find('.');
    return dot != std::string::npos && dot + 1 < key.size() &&
           std::isdigit(static_cast<unsigned char>(key[dot + 1]));
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Cell(const QString& text, const char* tag = "td") {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

QString Row(const QString& a, const QString& b) {
    return QStringLiteral("<tr>") + Cell(a) + Cell(b) + QStringLiteral("</tr>");
}

QString Heading(const QString& text) {
    return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

const rv::SettingRow& ChannelRow(int n, const char* column) {
    return *rv::findRow("channel." + std::to_string(n) + "." + column);
}

QString ChannelTable(const rv::Session& s) {
    const int lang = s.CurLanguage;
    const QString heading = Heading(Q(rv::InLanguage(ChannelsHeading, lang)));
    QString rows;
    for (int n = 1; n <= 16; ++n) {
        if (!rv::ChannelOf(s.Doc, n)) continue;
        rows += QStringLiteral("<tr>") + Cell(QString::number(n));
        for (const char* column : ChannelColumns) {
            const rv::SettingRow& row = ChannelRow(n, column);
            rows += Cell(Q(row.show(row, s)));
        }
        rows += QStringLiteral("</tr>");
    }
    if (rows.isEmpty())
        return heading + QStringLiteral("<p>%1</p>").arg(Q(rv::InLanguage(NoChannels, lang)));
    QString head = Cell(Q(rv::InLanguage(rv::ChannelNumberHeading, lang)), "th");
    for (const char* column : ChannelColumns)
        head += Cell(Q(rv::LabelOf(ChannelRow(1, column), lang)), "th");
    // The heading row comes again at the top of every page the table runs onto.
    return heading +
           QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr>") +
           head + QStringLiteral("</tr></thead>") + rows + QStringLiteral("</table>");
}

/// The settings of one window under its caption, one line each; the entries of a list
/// only where they hold something.
QString WindowSection(const rv::Session& s, const rv::LangText& area) {
    QString rows;
    for (const rv::SettingRow& row : rv::Catalogue()) {
        if (row.area != area || row.hidden) continue;
        const std::string value = row.show(row, s);
        if (value.empty() && IsListEntry(row.key)) continue;
        // A text prints every character in its place, spaces included.
        const QString shown =
            row.kind == rv::RowKind::Text
                ? QStringLiteral("<td><pre style=\"font-family: monospace\">%1</pre></td>")
                      .arg(Q(value).toHtmlEscaped())
                : Cell(Q(value));
        rows += QStringLiteral("<tr>") + Cell(Q(rv::LabelOf(row, s.CurLanguage))) + shown +
                QStringLiteral("</tr>");
    }
    return Heading(Q(rv::InLanguage(area, s.CurLanguage))) +
           QStringLiteral("<table cellpadding=\"2\">%1</table>").arg(rows);
}

} // namespace

QString ReportHtml(const rv::Session& s, const ReportScope& scope, const QString& appendix) {
    const int lang = s.CurLanguage;
    const auto word = [lang](const rv::LangText& t) { return Q(rv::InLanguage(t, lang)); };
    QString html = QStringLiteral("<html><body><h2>RV52N</h2><table cellpadding=\"2\">");
    html += Row(word(ModelWord), Q(s.CurModelCode).trimmed());
    html += Row(word(BandWord), Q(s.CurBand));
    html += Row(word(FileWord), scope.fileName);
    html += Row(word(DateWord), scope.date.toString(Qt::ISODate));
    html += QStringLiteral("</table>") + ChannelTable(s);
    for (const Window& w : Windows)
        if (!w.service || scope.service) html += WindowSection(s, rv::findRow(w.anyKey)->area);
    return html + appendix + QStringLiteral("</body></html>");
}

void LayOutReport(QTextDocument& doc, const QString& html) {
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
    doc.setHtml(html);
}

namespace {

/// Lays the report out on pages of the device's size; a table that fits on one page but
/// would run over a page break starts on a new page instead.
void Paginate(QTextDocument& doc, const QPagedPaintDevice& device) {
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QPaintDevice* screen = doc.documentLayout()->paintDevice();
    const qreal scale = device.logicalDpiY() / qreal(screen ? screen->logicalDpiY() : 96);
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

void PrintReportHtml(const QString& html, QPagedPaintDevice& device) {
    QTextDocument doc;
    LayOutReport(doc, html);
    Paginate(doc, device);
    doc.print(&device);
}

QByteArray ReportPdf(const QString& html) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        PrintReportHtml(html, pdf);
    }
    return bytes;
}

} // namespace rv::jobs
