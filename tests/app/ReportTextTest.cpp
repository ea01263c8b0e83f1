#include "AppFixture.h"
#include "app/FrmPrintList.h"
#include "app/PrintReport.h"
#include "data/Catalogue.h"
#include "data/ChannelCommit.h"

#include <QFont>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

// The printed words that mix digits with letters (D023N, PF1, RV52N): where shaping
// chose glyphs that no character maps to, the PDF's text layer lost their digits.
QStringList MixedWords(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9]*[A-Za-z][0-9][A-Za-z0-9]*|"
                                                        "[0-9]+[A-Za-z][A-Za-z0-9]*"));
    QStringList words;
    for (auto it = word.globalMatch(doc.toPlainText()); it.hasNext();)
        words << it.next().captured();
    words.removeDuplicates();
    return words;
}

using ReportText = rv::test::AppTest;

TEST_F(ReportText, PdfTextLayerGivesBackEveryPrintedWordInBothLanguages) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed";
    // The CJK fonts are the ones whose shaping lost the digits beside Latin letters.
    const QFont appFont = QGuiApplication::font();
    QGuiApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC")));
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::Chinese, QLocale::China)}) {
        start(locale);
        rv::SetChannelField(ctx->session, 1, rv::ChannelFieldKind::RxFreq, "440.125");
        rv::SetChannelField(ctx->session, 1, rv::ChannelFieldKind::RxCode, "D023N");
        rv::app::FrmPrintList dialog(*ctx);
        ASSERT_TRUE(dialog.savePdf(path("report.pdf")));
        QProcess p;
        p.start(pdftotext, {path("report.pdf"), QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());

        const QString html = rv::app::BuildReportHtml(*ctx, QDate::currentDate());
        const QStringList words = MixedWords(html);
        EXPECT_TRUE(words.contains(QStringLiteral("D023N")) && words.contains("RV52N"))
            << words.join(' ').toStdString();
        for (const QString& w : words)
            EXPECT_TRUE(text.contains(w)) << locale.name().toStdString() << ": " << w.toStdString();
        // Every Chinese character comes back as itself, never as a look-alike radical, so
        // that a search for a window's words finds them.
        QTextDocument shown;
        shown.setHtml(html);
        QString missing;
        for (const QChar c : shown.toPlainText())
            if (c.script() == QChar::Script_Han && !text.contains(c)) missing += c;
        EXPECT_TRUE(missing.isEmpty()) << missing.toStdString();
        // The message lines print under their labels (the text layer drops the blanks).
        const auto label = rv::LabelOf(*rv::findRow("message.line1"), ctx->lang());
        EXPECT_TRUE(QString(text).remove(' ').contains(QString::fromStdString(label).remove(' ')));
    }
    QGuiApplication::setFont(appFont);
}

} // namespace
