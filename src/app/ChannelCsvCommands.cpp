// File menu commands that bring channels in from a CSV file and take them out to one.
#include "FrmImportCsv.h"
#include "data/ChannelCsv.h"
#include "editors/ChannelTransaction.h"
#include "frmMain.h"
#include "link/AtomicFile.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace rv::app {

namespace {

const rv::LangText CsvFilter{"CSV file (*.csv)", "CSV 文件 (*.csv)"};
const rv::LangText ImportCaption{"Import Channels", "导入信道"};
const rv::LangText ExportCaption{"Export Channels", "导出信道"};

// A channel list is a few kilobytes; anything far larger is not one.
constexpr qint64 CsvLimit = 4 * 1024 * 1024;

std::optional<std::string> ReadCsv(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > CsvLimit) return std::nullopt;
    const QByteArray bytes = f.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

void frmMain::mnuFileImportCsv_Click() {
    if (!commitPendingEdits()) return;
    const QString dir = QFileInfo(QString::fromStdString(ctx_.session.DocPath)).absolutePath();
    const QString path =
        ctx_.prompt().openFileName(this, ui::Tr(ctx_, ImportCaption), dir, ui::Tr(ctx_, CsvFilter));
    if (path.isEmpty()) return;
    const auto csv = ReadCsv(path);
    if (!csv) {
        ui::Ask(ctx_, this, rv::Msg::FileError);
        return;
    }
    previewChannelImport(*csv, FileNameOf(path));
}

void frmMain::previewChannelImport(const std::string& csv, const QString& source) {
    FrmImportCsv preview(ctx_, csv, source, this);
    if (preview.exec() != QDialog::Accepted) return;
    {
        // One step for the whole import, so one Ctrl+Z takes it back.
        editors::ChannelTransaction step(ctx_, this, this, ui::Tr(ctx_, ImportCaption));
        rv::ApplyChannelImport(ctx_.session, preview.plan());
    }
    showChildWindow(QStringLiteral("frmCommChInfo"));
}

void frmMain::mnuFileExportCsv_Click() {
    if (!commitPendingEdits()) return;
    const QFileInfo doc(QString::fromStdString(ctx_.session.DocPath));
    const QString proposed = doc.absoluteDir().filePath(doc.completeBaseName() + ".csv");
    QString path = ctx_.prompt().saveFileName(this, ui::Tr(ctx_, ExportCaption), proposed,
                                              ui::Tr(ctx_, CsvFilter));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    const std::string text = rv::ExportChannelsCsv(ctx_.session);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!rv::WriteFileAtomically(path.toStdString(), {bytes, text.size()}))
        ui::Ask(ctx_, this, rv::Msg::FileError);
}

} // namespace rv::app
