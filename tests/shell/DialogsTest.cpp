#include "ShellFixture.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "shell/FrmAbout.h"
#include "shell/FrmModelInfo.h"
#include "shell/FrmPrintList.h"
#include "shell/PrintReport.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

using rv::test::Items;
using rv::test::ShellTest;
using rv::ui::Answer;

class ModelInfoTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
    }
    /// Runs the dialog the way the menu does, with `model` and `band` chosen.
    void choose(const QString& model, const QString& band) {
        rv::ui::FrmModelInfo dialog(*ctx, main.get());
        dialog.findChild<QComboBox*>("Combo1")->setCurrentText(model);
        dialog.findChild<QComboBox*>("Combo2")->setCurrentText(band);
        dialog.findChild<QPushButton*>("Command1")->click();
        if (dialog.changed()) main->LoadNewDoc();
    }
};

TEST_F(ModelInfoTest, ModelChoiceRefillsBandsAndSelectsTheFirst) {
    rv::ui::FrmModelInfo dialog(*ctx);
    auto* models = dialog.findChild<QComboBox*>("Combo1");
    auto* bands = dialog.findChild<QComboBox*>("Combo2");
    EXPECT_EQ(Items(models), (QStringList{"592", "582", "7415", "6415"}));
    EXPECT_EQ(models->currentText(), "7415");
    EXPECT_EQ(bands->currentText(), "400 - 470 MHz");
    models->setCurrentText("582");
    EXPECT_EQ(Items(bands), (QStringList{"136 - 174 MHz", "245 - 246 MHz"}));
    EXPECT_EQ(bands->currentText(), "136 - 174 MHz");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1_0")->text(), "Model Type");
}

TEST_F(ModelInfoTest, UnchangedChoiceKeepsTheDocument) {
    modify();
    choose("7415", "400 - 470 MHz");
    EXPECT_TRUE(prompt->asked.isEmpty());
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 8);
}

TEST_F(ModelInfoTest, WarningCancelledKeepsModelAndDocument) {
    modify();
    prompt->answers = {Answer::Cancel};
    choose("7415", "450 - 520 MHz");
    EXPECT_EQ(prompt->asked, QStringList{"Frequency data will be cleared."});
    EXPECT_EQ(prompt->titles, QStringList{"Warning"});
    EXPECT_EQ(ctx->session.CurBand, "400 - 470 MHz");
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 8);
}

TEST_F(ModelInfoTest, BandChangeClearsTheDocumentAndShowsTheNewBand) {
    modify();
    choose("592", "450 - 520 MHz");
    EXPECT_EQ(ctx->session.CurModelCode, "592");
    EXPECT_EQ(ctx->session.CurBand, "450 - 520 MHz");
    EXPECT_EQ(ctx->session.BandLow, 450);
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 5);
    EXPECT_EQ(main->windowTitle(), "RV52N[592:450 - 520 MHz][File Name:new.dat]");
    EXPECT_EQ(main->findChild<QLabel*>("Panel2")->text(), "592[450 - 520 MHz]");
    // The saved file carries the codes of the pair and reopens as the same pair.
    prompt->fileNames = {path("m.dat")};
    ASSERT_TRUE(main->mnuFileSaveAs_Click());
    rv::Session reopened;
    ASSERT_TRUE(rv::OpenDataFile(reopened, path("m.dat").toStdString()));
    EXPECT_EQ(reopened.Doc.ModelInfo.BandCode, 48);
    EXPECT_EQ(reopened.Doc.ModelInfo.ModelByte, 248);
    EXPECT_EQ(reopened.CurModelCode, "592");
    EXPECT_EQ(reopened.CurBand, "450 - 520 MHz");
}

TEST_F(ShellTest, AboutShowsNameAndVersionByLanguage) {
    start();
    rv::ui::FrmAbout english(*ctx);
    EXPECT_EQ(english.objectName(), "FrmAbout2");
    EXPECT_EQ(english.findChild<QLabel*>("lblTitle")->text(), "RV52N");
    EXPECT_EQ(english.findChild<QLabel*>("lblVersion")->text(), "版本 1.0.0");
    ctx->session.CurLanguage = rv::Chinese;
    rv::ui::FrmAbout chinese(*ctx);
    EXPECT_EQ(chinese.objectName(), "frmAbout");
}

class PrintTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
        auto& c = ctx->doc().Channels[0];
        c = rv::NewChannel(3);
        c.RxFreq.set("44012500");
        c.TxFreq.set("FFFFFFFF");
        c.TxPower = 0;
        ctx->doc().ChannelCount = 1;
    }
};

TEST_F(PrintTest, ReportHoldsTitleBlockChannelsAndSettings) {
    const QString html = rv::ui::BuildReportHtml(ctx->session, QDate(2026, 12, 7));
    for (const char* part : {"RV52N", "7415", "400 - 470 MHz", "new.dat", "2026-12-07", "440.12500",
                             "Low", "Squelch level"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part;
    // A new document has no priority channel (255).
    EXPECT_TRUE(html.contains("<td>Priority channel</td><td>None</td>"));
    // No transmit frequency: neither frequency nor encode tone is printed for it.
    EXPECT_FALSE(html.contains("FFFFFFFF"));
    ctx->session.CurLanguage = rv::Chinese;
    EXPECT_TRUE(rv::ui::BuildReportHtml(ctx->session, QDate(2026, 12, 7)).contains("接收频率"));
}

TEST_F(PrintTest, SaveAsPdfWorksWithoutAPrinter) {
    rv::ui::FrmPrintList dialog(*ctx);
    prompt->fileNames = {path("report")};
    dialog.findChild<QPushButton*>("CommandPdf")->click();
    QFile pdf(path("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_TRUE(prompt->asked.isEmpty());

    EXPECT_FALSE(dialog.savePdf(path("no/such/folder/r.pdf")));
}
