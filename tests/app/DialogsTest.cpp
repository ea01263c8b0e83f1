#include "AppFixture.h"
#include "app/FrmAbout.h"
#include "app/FrmModelInfo.h"
#include "app/FrmPrintList.h"
#include "app/PrintReport.h"
#include "app/frmMain.h"
#include "data/Catalogue.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "editors/EditorRegistry.h"
#include "link/AtomicFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>

#include <memory>

using rv::app::PlainCaption;
using rv::test::Items;
using rv::test::AppTest;
using rv::ui::Answer;

class ModelInfoTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        start();
    }
    /// Runs the dialog the way the menu does, with `model` and `band` chosen.
    void choose(const QString& model, const QString& band) {
        rv::app::FrmModelInfo dialog(*ctx, main.get());
        dialog.findChild<QComboBox*>("Combo1")->setCurrentText(model);
        dialog.findChild<QComboBox*>("Combo2")->setCurrentText(band);
        dialog.findChild<QPushButton*>("Command1")->click();
        if (dialog.changed()) main->LoadNewDoc();
    }
};

TEST_F(ModelInfoTest, ModelChoiceRefillsBandsAndSelectsTheFirst) {
    rv::app::FrmModelInfo dialog(*ctx);
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
    EXPECT_EQ(main->windowTitle(), "RV52N[592:450 - 520 MHz][File Name:new.dat][*]");
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

TEST_F(AppTest, AboutShowsNameAndVersionByLanguage) {
    start();
    rv::app::FrmAbout english(*ctx);
    EXPECT_EQ(english.objectName(), "FrmAbout2");
    EXPECT_EQ(english.findChild<QLabel*>("lblTitle")->text(), "RV52N");
    EXPECT_EQ(english.findChild<QLabel*>("lblVersion")->text(), "版本 1.0.0");
    EXPECT_TRUE(english.findChild<QLabel*>("lblLicence")
                    ->text()
                    .contains("GNU General Public License, version 3 or"));
    ctx->session.CurLanguage = rv::Chinese;
    rv::app::FrmAbout chinese(*ctx);
    EXPECT_EQ(chinese.objectName(), "frmAbout");
    EXPECT_TRUE(
        chinese.findChild<QLabel*>("lblLicence")->text().contains("GNU 通用公共许可证第 3 版"));
}

class PrintTest : public AppTest {
protected:
    QString report() { return rv::app::BuildReportHtml(*ctx, QDate(2026, 12, 7)); }
    void SetUp() override {
        AppTest::SetUp();
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
    const QString html = report();
    for (const char* part : {"RV52N", "7415", "400 - 470 MHz", "new.dat", "2026-12-07", "440.12500",
                             "Low", "<td>Squelch Level</td><td>5</td>"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part;
    // No transmit frequency: neither frequency nor encode tone is printed for it.
    EXPECT_FALSE(html.contains("FFFFFFFF"));
    ctx->session.CurLanguage = rv::Chinese;
    EXPECT_TRUE(report().contains("<td>静躁电平</td><td>5</td>"));
}

// What a technician files must be what the windows show, under their own captions.
TEST_F(PrintTest, ReportShowsEveryChannelColumnAndEveryOpenWindow) {
    const QString html = report();
    const QStringList columns{
        "CH No.",          "RX Frequency", "TX FreQuency", "QT/DQT Dec",
        "QT/DQT Enc",      "TX Power",     "Scan Add",     "Opt Signal",
        "PTT ID",          "W/N",          "SP Unmute",    "Busy Channel Lockout",
        "Autodial Memory", "Beat Shift"};
    EXPECT_TRUE(html.contains("<th>" + columns.join("</th><th>") + "</th>"));
    for (const char* part : {"<h3>Optional Features</h3>", "<td>VOX Delay Time[s]</td>",
                             "<h3>Key Assignment</h3>", "<td>PF1</td>", "<h3>Scan Information</h3>",
                             "<td>Revert Channel</td>", "<h3>Embedded Message</h3>"})
        EXPECT_TRUE(html.contains(part)) << part;
    EXPECT_FALSE(html.contains("Compander")); // no window offers it
    // The service windows only for the service program.
    EXPECT_FALSE(html.contains("<h3>DTMF</h3>"));
    ctx->serviceMode = true;
    auto& code = ctx->doc().DtmfCodes[0];
    code.No = 1;
    code.Code.set("1234");
    ctx->doc().DtmfCodeCount = 1;
    const QString service = report();
    for (const char* part : {"<h3>DTMF</h3>", "<td>Autodial Memory 1</td>", "<h3>FleetSync</h3>",
                             "<h3>Test Frequency</h3>", "<td>Stun Code</td>"})
        EXPECT_TRUE(service.contains(part)) << part;
}

// Each setting a window shows, and only those, prints under the window's caption with its
// label and value as shown; a list's entries (the windows' grids) where they hold something.
TEST_F(PrintTest, ReportPrintsWhatEveryWindowShows) {
    ctx->serviceMode = true;
    for (const auto& [key, value] :
         {std::pair{"autodial.2.code", "12"}, {"testfreq.3.rx", "440.5"}, {"message.line1", "A"}})
        ASSERT_FALSE(rv::commitText(ctx->session, key, value).refusal) << key;
    ctx->doc().EmbMsg2.set("B");
    for (const int lang : {rv::English, rv::Chinese}) {
        ctx->session.CurLanguage = lang;
        const QString html = report();
        for (const char* form : {"FrmOptFeatures", "FrmKeyAssignm", "FrmScanInfo", "FrmDTMF",
                                 "FrmFleetSync", "FrmTestFre", "FrmEmbMsg"}) {
            std::unique_ptr<QWidget> window(rv::editors::CreateEditorWindow(*ctx, form));
            QStringList seen; // captions, and the texts of unlabelled boxes such as message lines
            for (QWidget* w : window->findChildren<QWidget*>()) {
                for (QWidget* up = w; up && up != window.get(); up = up->parentWidget())
                    if (up->isHidden() && up->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
                        !qobject_cast<QStackedWidget*>(up->parentWidget())) // tab pages aside
                        w = nullptr;
                if (auto* label = qobject_cast<QLabel*>(w)) seen << PlainCaption(label->text());
                if (auto* box = qobject_cast<QCheckBox*>(w)) seen << PlainCaption(box->text());
                auto* line = qobject_cast<QLineEdit*>(w);
                if (line && !line->text().isEmpty() && !qobject_cast<QComboBox*>(w->parent()))
                    seen << line->text();
            }
            const QString head = "<h3>" + window->windowTitle().toHtmlEscaped() + "</h3>";
            const QString section = html.section(head, 1).section("<h3>", 0, 0);
            for (const rv::SettingRow& row : rv::Catalogue()) {
                if (QString::fromStdString(rv::InLanguage(row.area, lang)) != window->windowTitle())
                    continue;
                const QString label = QString::fromStdString(rv::LabelOf(row, lang));
                const QString value = QString::fromStdString(row.show(row, ctx->session));
                const bool listed = row.key[row.key.find('.') + 1] <= '9';
                const bool printed =
                    listed ? !value.isEmpty() : seen.contains(label) || seen.contains(value);
                const QString cell = "<td>" + label.toHtmlEscaped() + "</td><td>";
                EXPECT_EQ(section.contains(cell), printed) << row.key << lang;
                const QRegularExpression shown(QRegularExpression::escape(cell) + "(<pre[^>]*>)?" +
                                               QRegularExpression::escape(value.toHtmlEscaped()));
                EXPECT_TRUE(!printed || section.contains(shown)) << row.key << lang;
            }
        }
    }
}

// The report prints the stored channel as the Scan window shows it, with or without priority.
TEST_F(PrintTest, PriorityChannelIsTheStoredOne) {
    auto& scan = ctx->doc().ScanInfo;
    scan.PriorityChannel = 3;
    for (const int type : {0, 1}) {
        scan.PriorityType = rv::Int16(type);
        EXPECT_TRUE(report().contains("<td>Priority Channel</td><td>3</td>")) << type;
    }
}

TEST_F(PrintTest, EmbeddedMessageKeepsItsSpacesInAFixedWidthFont) {
    ctx->doc().EmbMsg1.set("CH 1   & 2 ");
    const QString html = report();
    EXPECT_TRUE(html.contains(
        QRegularExpression("<pre style=\"font-family: monospace[^\"]*\">CH 1   &amp; 2 </pre>")));
}

TEST_F(PrintTest, SaveAsPdfWorksWithoutAPrinter) {
    rv::app::FrmPrintList dialog(*ctx);
    prompt->fileNames = {path("report")};
    dialog.findChild<QPushButton*>("CommandPdf")->click();
    QFile pdf(path("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_TRUE(prompt->asked.isEmpty());

    EXPECT_FALSE(dialog.savePdf(path("no/such/folder/r.pdf")));
}

TEST_F(PrintTest, PdfIsLandscapeAndProposedBesideTheDocument) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("customer"));
    const QString doc = path("customer/radio.dat");
    ASSERT_TRUE(rv::SaveDataFile(ctx->session, doc.toStdString()));
    ctx->session.DocPath = doc.toStdString();
    rv::app::FrmPrintList dialog(*ctx);
    prompt->fileNames = {path("customer/radio.pdf")};
    dialog.findChild<QPushButton*>("CommandPdf")->click();
    EXPECT_EQ(prompt->dialogs.last(), "save:" + path("customer/radio.pdf"));
    QFile pdf(path("customer/radio.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const auto box = QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")
                         .match(QString::fromLatin1(pdf.readAll()));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble());
}
