#include "data/Catalogue.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

using rvtest::RunCli;

class ReportCommand : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCli({"new", "-o", doc}).status, 0);
        ASSERT_EQ(
            RunCli({"set", doc, "message.line1=FIELD TEAM 7", "channel.1.rx_frequency=440.125"})
                .status,
            0);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    /// The text layer of a PDF, blanks dropped (it places words by position).
    static QString PdfText(const QString& pdf) {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        EXPECT_FALSE(tool.isEmpty()) << "pdftotext (poppler-utils) is needed";
        QProcess p;
        p.start(tool, {pdf, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(60000));
        return QString::fromUtf8(p.readAllStandardOutput()).remove(QRegularExpression("\\s"));
    }
    static QString Label(const char* key, int lang) {
        return QString::fromStdString(rv::LabelOf(*rv::findRow(key), lang)).remove(' ');
    }

    QTemporaryDir dir;
    const QString doc = path("radio.dat");
};

TEST_F(ReportCommand, PdfHoldsTheSettingsInTheLanguageAskedAndTheServiceOnesOnlyWhenAsked) {
    const QString pdf = path("radio.pdf");
    for (const auto& [lang, code] : {std::pair{rv::English, "en"}, {rv::Chinese, "zh"}}) {
        for (const bool service : {false, true}) {
            QStringList args{"report", doc, "-o", pdf, "--lang", code};
            if (service) args << "--service";
            const auto r = RunCli(args);
            ASSERT_EQ(r.status, 0) << r.err.toStdString();
            const QString text = PdfText(pdf);
            for (const char* key : {"optional.squelch_level", "scan.revert_channel", "key.pf1",
                                    "message.line1", "channel.1.rx_frequency"})
                EXPECT_TRUE(text.contains(Label(key, lang))) << key << " " << code;
            EXPECT_TRUE(text.contains("FIELDTEAM7") && text.contains("440.12500")) << code;
            EXPECT_TRUE(text.contains("radio.dat")) << code;
            EXPECT_EQ(text.contains(Label("dtmf.stun_code", lang)), service) << code;
            EXPECT_EQ(text.contains(Label("fleetsync.baud_rate", lang)), service) << code;
        }
    }
}

// A refused command writes nothing and leaves what stood at the output as it was.
TEST_F(ReportCommand, RefusedCommandLeavesTheOutputAlone) {
    const QString out = path("kept.pdf");
    struct Case {
        QStringList args;
        int status;
    };
    const Case cases[] = {
        {{"report", doc, "-o", out, "--colour"}, 2},
        {{"report", doc, "-o", doc}, 2},
        {{"report", doc}, 2},
        {{"report", doc, "-o", out, "--lang", "fr"}, 2},
        {{"report", path("missing.dat"), "-o", out}, 1},
        {{"report", doc, "-o", path("no/such/folder/r.pdf")}, 1},
    };
    QFile docFile(doc);
    ASSERT_TRUE(docFile.open(QIODevice::ReadOnly));
    const QByteArray docBytes = docFile.readAll();
    docFile.close();
    for (const Case& c : cases) {
        QFile f(out);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("kept") == 4);
        f.close();
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << c.args.join(' ').toStdString();
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), "kept") << c.args.join(' ').toStdString();
        ASSERT_TRUE(docFile.open(QIODevice::ReadOnly));
        EXPECT_EQ(docFile.readAll(), docBytes) << c.args.join(' ').toStdString();
        docFile.close();
    }
}

} // namespace
