#include "FrmPrintList.h"

#include "Captions.h"
#include "PrintReport.h"
#include "frmMain.h"
#include "jobs/Report.h"
#include "link/AtomicFile.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rv::app {

namespace {

const rv::LangText SavePdfCaption{"Save as P&DF...", "保存为 PDF(&D)..."};
const rv::LangText PdfFilter{"PDF File (*.pdf)", "PDF 文件 (*.pdf)"};

/// The report's PDF file beside the document; a document never saved proposes the
/// documents folder.
QString ProposedPdf(const std::string& docPath) {
    const QFileInfo doc(QString::fromStdString(docPath));
    const QString name = doc.completeBaseName() + QStringLiteral(".pdf");
    if (doc.exists()) return doc.absoluteDir().filePath(name);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name);
}

} // namespace

FrmPrintList::FrmPrintList(ui::AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FrmPrintList"));
    setWindowTitle(PlainCaption(ui::Tr(ctx_, CaptionOf(Cap::Print))));
    auto* list = new QTreeWidget;
    list->setObjectName(QStringLiteral("ListView1"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({ui::Tr(ctx_, CaptionOf(Cap::PrintListColumn))});
    auto* item =
        new QTreeWidgetItem(list, {FileNameOf(QString::fromStdString(ctx_.session.DocPath))});
    list->setCurrentItem(item);

    auto* buttons = new QDialogButtonBox;
    auto* print =
        buttons->addButton(ui::Tr(ctx_, CaptionOf(Cap::Print)), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("CommandPrint"));
    auto* pdf = buttons->addButton(ui::Tr(ctx_, SavePdfCaption), QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("CommandPdf"));
    auto* close =
        buttons->addButton(ui::Tr(ctx_, CaptionOf(Cap::Close)), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CommandClose"));
    connect(print, &QPushButton::clicked, this, &FrmPrintList::onPrint);
    connect(pdf, &QPushButton::clicked, this, &FrmPrintList::onSavePdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(420, 220);
}

void FrmPrintList::onPrint() {
    QPrinter printer(QPrinter::HighResolution);
    // The channel table needs the width of a landscape page.
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintReport(ctx_, printer);
}

bool FrmPrintList::savePdf(const QString& path) {
    const QByteArray pdf = rv::jobs::ReportPdf(BuildReportHtml(ctx_, QDate::currentDate()));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pdf.constData());
    return rv::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                   {bytes, std::size_t(pdf.size())});
}

void FrmPrintList::onSavePdf() {
    const QString proposed = ProposedPdf(ctx_.session.DocPath);
    QString path = ctx_.prompt().saveFileName(this, QString(), proposed, ui::Tr(ctx_, PdfFilter));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    if (!savePdf(path)) ui::Ask(ctx_, this, rv::Msg::FileError);
}

} // namespace rv::app
