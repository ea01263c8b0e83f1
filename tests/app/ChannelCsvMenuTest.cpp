#include "AppFixture.h"
#include "app/FrmImportCsv.h"
#include "data/ChannelCommit.h"
#include "data/ChannelCsv.h"
#include "editors/frmCommChInfo.h"

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

using rv::test::AppTest;

namespace {

const QByteArray Plan = "Location,Name,Frequency,Duplex,Offset,Tone,cToneFreq,Mode,Power\n"
                        "1,A,446.00625,,0,TSQL,67.0,NFM,Low\n"
                        "2,B,480.0,,0,,,FM,High\n"
                        "5,C,430.0,off,0,,,FM,High\n";

// The cells of a preview row, joined with " | ".
std::string RowTexts(const QTableWidget* t, int row) {
    QStringList texts;
    for (int c = 0; c < t->columnCount(); ++c)
        texts << (t->item(row, c) ? t->item(row, c)->text() : QString());
    return texts.join(" | ").toStdString();
}

QStringList HeaderTexts(const QTableWidget* t) {
    QStringList texts;
    for (int c = 0; c < t->columnCount(); ++c)
        texts << t->horizontalHeaderItem(c)->text();
    return texts;
}

} // namespace

class ChannelCsvMenuTest : public AppTest {
protected:
    QString writeCsv(const QByteArray& bytes) {
        QFile f(path("plan.csv"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path("plan.csv");
    }
    /// Runs File > Import Channels on `file`; `onPreview` handles the preview once it is up.
    void importVia(const QString& file,
                   const std::function<void(rv::app::FrmImportCsv&)>& onPreview) {
        prompt->fileNames.push_back(file);
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* d = qobject_cast<rv::app::FrmImportCsv*>(QApplication::activeModalWidget());
            if (!d) return;
            poll.stop();
            seen = true;
            onPreview(*d);
        });
        poll.start(10);
        act("mnuFileImportCsv")->trigger();
        EXPECT_TRUE(seen);
    }
    static QTableWidget* table(rv::app::FrmImportCsv& d) {
        return d.findChild<QTableWidget*>("gridPreview");
    }
    static void click(rv::app::FrmImportCsv& d, const char* button) {
        d.findChild<QPushButton*>(button)->click();
    }
    void undoInGrid() {
        auto* grid = qobject_cast<rv::editors::frmCommChInfo*>(main->findWindow("frmCommChInfo"));
        ASSERT_NE(grid, nullptr);
        QTest::keyClick(grid->findChild<QTableView*>("MSFlexGrid1"), Qt::Key_Z,
                        Qt::ControlModifier);
    }
};

TEST_F(ChannelCsvMenuTest, PreviewListsEveryRowAndOkIsOneUndoableStep) {
    start();
    rv::SetChannelField(ctx->session, 3, rv::ChannelFieldKind::RxFreq, "440");
    ctx->markSaved();
    const rv::RadioData before = ctx->doc();
    EXPECT_EQ(act("mnuFileImportCsv")->text(), "&Import Channels…");
    importVia(writeCsv(Plan), [&](rv::app::FrmImportCsv& d) {
        auto* t = table(d);
        EXPECT_EQ(HeaderTexts(t), (QStringList{"Row", "Channel", "Action", "Details"}));
        ASSERT_EQ(t->rowCount(), 3);
        EXPECT_EQ(RowTexts(t, 0), "2 | 1 | New | RX 446.00625, TX 446.00625, Dec 67.0, "
                                  "Enc 67.0, Power Low, W/N Narrow");
        EXPECT_EQ(RowTexts(t, 1), "3 | 2 | Skipped | outside the band (Frequency \"480.0\")");
        // Clearing the other channels shows channel 3 going, before anything changes.
        d.findChild<QCheckBox*>("chkReplaceAll")->setChecked(true);
        ASSERT_EQ(t->rowCount(), 4);
        EXPECT_EQ(RowTexts(t, 3), " | 3 | Cleared | ");
        const QString summary = d.findChild<QLabel*>("lblSummary")->text();
        EXPECT_TRUE(summary.startsWith("Rows imported: 2; rows skipped: 1; channels cleared: 1."))
            << summary.toStdString();
        EXPECT_EQ(ctx->doc(), before);
        click(d, "Command1");
    });
    EXPECT_EQ(ctx->doc().ChannelCount, 2);
    EXPECT_EQ(rv::ChannelOf(ctx->doc(), 3), nullptr);
    EXPECT_EQ(rv::ChannelOf(ctx->doc(), 1)->TxPower, 0);
    EXPECT_TRUE(prompt->asked.isEmpty());

    undoInGrid();
    EXPECT_EQ(ctx->doc(), before);
}

TEST_F(ChannelCsvMenuTest, ChinesePreviewCancelAndUndo) {
    start(QLocale(QLocale::Chinese, QLocale::China));
    const rv::RadioData before = ctx->doc();
    EXPECT_EQ(act("mnuFileImportCsv")->text(), "导入信道(&I)…");
    EXPECT_EQ(act("mnuFileExportCsv")->text(), "导出信道(&E)…");
    importVia(writeCsv(Plan), [&](rv::app::FrmImportCsv& d) {
        auto* t = table(d);
        EXPECT_EQ(HeaderTexts(t), (QStringList{"行", "信道", "操作", "详细内容"}));
        EXPECT_EQ(RowTexts(t, 2),
                  "4 | 5 | 新建 | 接收 430.00000，发射 -，解码 无，功率 高，带宽 宽带");
        EXPECT_EQ(d.findChild<QCheckBox*>("chkRenumber")->text(), "按文件顺序从信道 1 开始填充");
        click(d, "Command2");
    });
    EXPECT_EQ(ctx->doc(), before);

    importVia(path("plan.csv"), [&](rv::app::FrmImportCsv& d) { click(d, "Command1"); });
    EXPECT_EQ(ctx->doc().ChannelCount, 2);
    undoInGrid();
    EXPECT_EQ(ctx->doc(), before);
}

TEST_F(ChannelCsvMenuTest, FileWithoutLocationNeedsFillingFromOne) {
    start();
    importVia(writeCsv("Frequency,Mode\n446.1,FM\n446.2,NFM\n"), [&](rv::app::FrmImportCsv& d) {
        auto* ok = d.findChild<QPushButton*>("Command1");
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_TRUE(
            d.findChild<QLabel*>("lblSummary")->text().startsWith("The header has no Location"));
        d.findChild<QCheckBox*>("chkRenumber")->setChecked(true);
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_EQ(table(d)->rowCount(), 2);
        ok->click();
    });
    EXPECT_EQ(rv::ChannelFieldText(ctx->session, *rv::ChannelOf(ctx->doc(), 2),
                                   rv::ChannelFieldKind::RxFreq),
              "446.20000");
}

TEST_F(ChannelCsvMenuTest, ExportWritesTheChannelsAndReportsAFailure) {
    start();
    rv::SetChannelField(ctx->session, 4, rv::ChannelFieldKind::RxFreq, "446");
    prompt->fileNames.push_back(path("out"));
    act("mnuFileExportCsv")->trigger();
    QFile f(path("out.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), rv::ExportChannelsCsv(ctx->session));
    EXPECT_EQ(prompt->dialogs.last(), "save:" + QDir::current().filePath("new.csv"));

    prompt->fileNames.push_back(path("missing/out.csv"));
    act("mnuFileExportCsv")->trigger();
    EXPECT_EQ(prompt->asked, QStringList{"file error."});
}
