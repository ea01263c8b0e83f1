// Read and write with backup and verify, restore from a backup, and the comparisons.
#include "Captions.h"
#include "FrmCompare.h"
#include "FrmRestore.h"
#include "RadioJob.h"
#include "frmMain.h"

#include "data/DataFile.h"
#include "data/Defaults.h"
#include "jobs/JobTexts.h"
#include "jobs/RadioSerial.h"
#include "link/RadioHistoryFiles.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"
#include "ui/RadioPort.h"

#include <QAction>

namespace rv::app {

namespace {

using rv::jobs::SafeWrite;
using rv::jobs::SafeWriteResult;
using rv::jobs::SafeWriteStatus;
using L = rv::LangText;

const L RetryWrite{"Retry writes the radio again.", "重试将再次写入对讲机。"};
const L RestoreHint{"To restore it: Program > Restore From Backup…",
                    "恢复方法：编程 > 从备份恢复…"};
const L ConfirmRestore{"Write the backup %1 to the radio.\r\nDo you wish continue?",
                       "将备份 %1 写入对讲机。\r\n是否继续？"};
const L RadioName{"Radio", "对讲机"};
const L CompareFilter{"Data File (*.dat);;Memory Image (*.img)",
                      "数据文件 (*.dat);;存储映像 (*.img)"};

// The same words as Open gives for the same file.
void TellFileFault(ui::AppContext& ctx, QWidget* parent, const rv::FileFault& fault) {
    ui::Tell(ctx, parent,
             ui::Tr(ctx, rv::MessageOf(rv::Msg::FileError).text) + QLatin1Char('\n') +
                 QString::fromStdString(rv::FileFaultText(fault, ctx.lang())),
             rv::MessageOf(rv::Msg::FileError).icon);
}

// The whole of a data file or a memory image, as `accept` allows; nullopt, with the reason
// told, when it cannot be used.
std::optional<std::vector<std::uint8_t>>
ReadDocument(ui::AppContext& ctx, QWidget* parent, const QString& path, rv::DocumentFile accept) {
    rv::FileFault fault;
    auto bytes = rv::ReadDocumentFile(path.toStdString(), accept, fault);
    if (!bytes) TellFileFault(ctx, parent, fault);
    return bytes;
}

rv::MemoryImage ImageOf(const std::vector<std::uint8_t>& bytes) {
    rv::MemoryImage image;
    std::copy_n(bytes.begin(), image.size(), image.begin());
    return image;
}

} // namespace

bool frmMain::runTransfer(int mode) {
    const bool read = mode == rv::link::ReadRadio;
    if (!commitPendingEdits()) return false;
    const QString device = OpenablePort(ctx_, this);
    if (device.isEmpty()) return false;
    if (ui::Ask(ctx_, this, read ? rv::Msg::ConfirmRead : rv::Msg::ConfirmWrite) != ui::Answer::Ok)
        return false;
    return read ? readRadio(device) : writeRadio(device, nullptr);
}

std::optional<rv::MemoryImage> frmMain::readRadioImage(const QString& device) {
    const auto options = JobOptions();
    bool cancelled = false;
    const SafeWriteResult r = RunRadioJob(
        ctx_, this, rv::link::ReadRadio,
        [&](SafeWrite& job, QString* e) { return job.startRead(ctx_.session, device, options, e); },
        &cancelled);
    if (r.ok()) return r.before;
    // A cancel answered in a question or with the button needs no second word.
    const bool quiet = cancelled || r.status == SafeWriteStatus::Failed;
    if (!quiet && !r.message.isEmpty()) ui::Tell(ctx_, this, r.message, rv::MsgIcon::Exclamation);
    return std::nullopt;
}

bool frmMain::readRadio(const QString& device) {
    const auto image = readRadioImage(device);
    if (!image) return false;
    rv::jobs::TakeReadImage(ctx_.session, *image);
    // The document has been replaced; show it afresh under the name new.dat.
    closeCurAllWindows();
    ctx_.notifyReplaced();
    ctx_.markUnsaved();
    Change_Language();
    showDocument();
    if (const QString warning = rv::jobs::UnknownModelWarning(ctx_.session, *image);
        !warning.isEmpty())
        ui::Tell(ctx_, this, warning, rv::MsgIcon::Warning);
    ui::Ask(ctx_, this, rv::Msg::ReadCompleted);
    return true;
}

bool frmMain::writeRadio(const QString& device, const rv::MemoryImage* restore) {
    auto options = JobOptions();
    if (!restore) options.historyFile = QString::fromStdString(ctx_.session.DocPath);
    QString keptBackup;
    for (;;) {
        bool cancelled = false;
        const SafeWriteResult r = RunRadioJob(
            ctx_, this, rv::link::WriteRadio,
            [&](SafeWrite& job, QString* e) {
                return restore ? job.startRestore(ctx_.session, *restore, device, options, e)
                               : job.startWrite(ctx_.session, device, options, e);
            },
            &cancelled);
        switch (r.status) {
        case SafeWriteStatus::Ok: {
            const QString done = ui::Tr(ctx_, rv::MessageOf(rv::Msg::WriteCompleted).text);
            ui::Tell(ctx_, this,
                     options.verify ? done + QStringLiteral("\r\n") +
                                          ui::Tr(ctx_, rv::jobs::JobTexts::Verified)
                                    : done);
            return true;
        }
        case SafeWriteStatus::VerifyFailed:
            // The radio holds another image than the document: say where its old one is kept.
            if (!r.backupImage.isEmpty())
                keptBackup = ui::Tr(ctx_, rv::jobs::JobTexts::BackupKept) + r.backupImage +
                             QLatin1Char('\n') + ui::Tr(ctx_, RestoreHint) + QLatin1Char('\n');
            if (ctx_.prompt().message(
                    this, ProductName,
                    r.message + QLatin1Char('\n') + keptBackup + ui::Tr(ctx_, RetryWrite),
                    rv::MsgButtons::RetryCancel, rv::MsgIcon::Warning) != ui::Answer::Retry)
                return false;
            // The first backup holds the radio as it was; another would hold this write.
            options.backupDir.clear();
            continue;
        case SafeWriteStatus::PartlyWritten:
            ui::Tell(ctx_, this,
                     r.message + (r.backupImage.isEmpty()
                                      ? QString()
                                      : QLatin1Char('\n') + ui::Tr(ctx_, RestoreHint)),
                     rv::MsgIcon::Exclamation);
            return false;
        case SafeWriteStatus::Failed:
            // A cancel still says whether the radio was touched.
            if (cancelled) {
                if (!r.message.isEmpty()) ui::Tell(ctx_, this, r.message);
                return false;
            }
            [[fallthrough]];
        default:
            if (!r.message.isEmpty()) ui::Tell(ctx_, this, r.message, rv::MsgIcon::Exclamation);
            return false;
        }
    }
}

void frmMain::mnuRestore_Click() {
    if (!commitPendingEdits()) return;
    const QString dir = rv::jobs::DefaultBackupDir();
    // The radio on the port, when it answers, has its own backups chosen first.
    QString portError;
    const QString port = ui::ServicePortName(ctx_, &portError);
    const std::string serial =
        port.isEmpty() ? std::string() : rv::jobs::ReadRadioSerial(ctx_.session, port);
    FrmRestore chooser(ctx_, dir,
                       rv::link::ListBackups(dir).value_or(std::vector<rv::BackupEntry>{}), serial,
                       this);
    if (chooser.exec() != QDialog::Accepted || chooser.chosen().isEmpty()) return;
    const auto bytes = ReadDocument(ctx_, this, chooser.chosen(), rv::DocumentFile::Image);
    if (!bytes) return;
    const rv::MemoryImage image = ImageOf(*bytes);
    const QString device = OpenablePort(ctx_, this);
    if (device.isEmpty()) return;
    if (ctx_.prompt().message(this, ProductName,
                              ui::Tr(ctx_, ConfirmRestore).arg(FileNameOf(chooser.chosen())),
                              rv::MsgButtons::OkCancel, rv::MsgIcon::Question) != ui::Answer::Ok)
        return;
    writeRadio(device, &image);
}

void frmMain::mnuCompareFile_Click() {
    if (!commitPendingEdits()) return;
    const QString path =
        ctx_.prompt().openFileName(this, PlainCaption(ui::Tr(ctx_, MenuCaption("mnuCompareFile"))),
                                   QString(), ui::Tr(ctx_, CompareFilter));
    if (path.isEmpty()) return;
    const auto bytes = ReadDocument(ctx_, this, path, rv::DocumentFile::DataOrImage);
    if (!bytes) return;
    rv::Session other = ctx_.session;
    other.onMessage = nullptr;
    if (bytes->size() == rv::ImageBytes) {
        rv::jobs::TakeReadImage(other, ImageOf(*bytes));
    } else if (!rv::OpenDataFile(other, path.toStdString())) {
        TellFileFault(ctx_, this, other.LastFileFault);
        return;
    }
    showComparison(other, FileNameOf(path));
}

void frmMain::mnuCompareRadio_Click() {
    if (!commitPendingEdits()) return;
    const QString device = OpenablePort(ctx_, this);
    if (device.isEmpty()) return;
    // The radio is read into a copy: the open document never changes.
    const auto image = readRadioImage(device);
    if (!image) return;
    rv::Session radio = ctx_.session;
    radio.onMessage = nullptr;
    rv::jobs::TakeReadImage(radio, *image);
    if (const QString warning = rv::jobs::UnknownModelWarning(radio, *image); !warning.isEmpty())
        ui::Tell(ctx_, this, warning, rv::MsgIcon::Warning);
    showComparison(radio, ui::Tr(ctx_, RadioName));
}

void frmMain::showComparison(const rv::Session& other, const QString& otherName) {
    auto* window = new FrmCompare(ctx_, rv::CompareDocuments(ctx_.session, other), otherName, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void frmMain::buildSafetyToggles() {
    const std::pair<const char*, Safety> toggles[] = {
        {"mnuBackUpBeforeWriting", Safety::BackUpBeforeWriting},
        {"mnuVerifyAfterWriting", Safety::VerifyAfterWriting},
        {"mnuVerifyReads", Safety::VerifyReads}};
    for (const auto& [name, which] : toggles) {
        QAction* a = action(QString::fromUtf8(name));
        a->setCheckable(true);
        a->setChecked(SafetyChoice(which));
        connect(a, &QAction::toggled, this, [which](bool on) { SetSafetyChoice(which, on); });
    }
}

} // namespace rv::app
