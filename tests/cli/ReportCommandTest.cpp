#include "data/Catalogue.h"

#include <QFile>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

using rvtest::RunCli;

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ReportCommand, PdfHoldsTheSettingsInTheLanguageAskedAndServiceOnesOnlyWhenAsked) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("radio.dat"), pdf = dir.filePath("radio.pdf");
    ASSERT_EQ(RunCli({"new", "-o", doc}).status, 0);
    ASSERT_EQ(RunCli({"set", doc, "channel.1.rx_frequency=440.125"}).status, 0);
    for (const auto& [lang, code] : {std::pair{rv::English, "en"}, {rv::Chinese, "zh"}}) {
        for (const bool service : {false, true}) {
            const auto r = RunCli(QStringList{"report", doc, "-o", pdf, "--lang", code} +
                                  (service ? QStringList{"--service"} : QStringList{}));
            ASSERT_EQ(r.status, 0) << r.err.toStdString();
            QProcess p; // the text layer, blanks dropped: it places words by position
            p.start("pdftotext", {pdf, "-"});
            ASSERT_TRUE(p.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
            const QString text = QString::fromUtf8(p.readAllStandardOutput()).remove(' ');
            const auto has = [&](const char* key) {
                return text.contains(
                    QString::fromStdString(rv::LabelOf(*rv::findRow(key), lang)).remove(' '));
            };
            for (const char* key : {"optional.squelch_level", "scan.revert_channel", "key.pf1",
                                    "message.line1", "channel.1.rx_frequency"})
                EXPECT_TRUE(has(key)) << key << code;
            EXPECT_TRUE(text.contains("440.12500")) << code;
            EXPECT_EQ(has("dtmf.stun_code") && has("fleetsync.baud_rate"), service) << code;
        }
    }
    // Refused before any work: nothing written, neither over the input nor the output.
    const QByteArray kept = Bytes(doc);
    for (const auto& [args, status] : {std::pair{QStringList{doc, "-o", pdf, "--colour"}, 2},
                                       {{doc, "-o", doc}, 2},
                                       {{doc}, 2},
                                       {{dir.filePath("none.dat"), "-o", pdf}, 1},
                                       {{doc, "-o", dir.filePath("no/such/r.pdf")}, 1}}) {
        const QByteArray before = Bytes(pdf);
        EXPECT_EQ(RunCli(QStringList{"report"} + args).status, status) << args.size();
        EXPECT_EQ(Bytes(pdf), before);
        EXPECT_EQ(Bytes(doc), kept);
    }
}

} // namespace
