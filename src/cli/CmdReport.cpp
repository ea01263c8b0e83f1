#include "Commands.h"

#include "jobs/Report.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace rv::cli {

int CmdReport(CliArgs& args) {
    const auto out = args.value("-o");
    if (!out || args.positional.size() != 1)
        return UsageError({"report needs FILE and -o OUT.pdf", "report 需要 FILE 和 -o OUT.pdf"},
                          args.usage);
    Session s = MakeSession(args);
    if (!OutputUsable(s, *out) || !OpenDocument(s, args.positional[0])) return 1;
    // Fonts and page layout want a GUI application; the tool has no screen to show on.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "rv52n-cli";
    char* argv[] = {name, nullptr};
    // Qt's own notes about the missing screen and runtime folder are nothing a user can act on.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QGuiApplication app(argc, argv);
    const rv::jobs::ReportScope scope{
        QDate::currentDate(), QFileInfo(QFile::decodeName(args.positional[0].c_str())).fileName(),
        args.has("--service")};
    const QByteArray pdf = rv::jobs::ReportPdf(rv::jobs::ReportHtml(s, scope));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pdf.constData());
    return WriteOutput(s, *out, {bytes, std::size_t(pdf.size())}) ? 0 : 1;
}

} // namespace rv::cli
