#include "Screenshot.h"

#include "FrmModelInfo.h"
#include "FrmPrintList.h"
#include "FrmSetComm.h"
#include "FrmSetLanguage.h"
#include "PrintReport.h"
#include "frmMain.h"
#include "service/FrmRadioInfo.h"
#include "service/FrmRadioInfoSet.h"
#include "service/FrmTestMode.h"
#include "service/FrmTestModePara.h"
#include "service/TestModeHost.h"

#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>

namespace rv::app {

namespace {

/// A page of the report is drawn this wide: landscape A4 at 96 dots per inch.
constexpr int ReportWidth = 1123;

/// The window as a picture, with a title strip in place of the window manager's frame
/// (there is none under a bare X server).
QImage Framed(QWidget& window) {
    const QPixmap content = window.grab();
    const int strip = window.fontMetrics().height() + 12;
    QImage picture(content.width(), content.height() + strip, QImage::Format_RGB32);
    picture.fill(window.palette().color(QPalette::Highlight));
    QPainter p(&picture);
    p.setPen(window.palette().color(QPalette::HighlightedText));
    p.setFont(window.font());
    // The title as a window manager shows it: the unsaved-changes mark put in or left out.
    const QString title =
        window.windowHandle() ? window.windowHandle()->title() : window.windowTitle();
    p.drawText(QRect(8, 0, content.width() - 16, strip), Qt::AlignVCenter | Qt::AlignLeft, title);
    p.drawPixmap(0, strip, content);
    p.end();
    return picture;
}

using Maker = std::function<QWidget*(ui::AppContext&, frmMain&)>;

template <class Dialog> QWidget* Make(ui::AppContext& c, frmMain& w) {
    return new Dialog(c, &w);
}

const std::map<QString, Maker>& Dialogs() {
    static const std::map<QString, Maker> m{
        {QStringLiteral("FrmModelInfo"), Make<FrmModelInfo>},
        {QStringLiteral("FrmSetComm"), Make<FrmSetComm>},
        {QStringLiteral("FrmSetLanguage"), Make<FrmSetLanguage>},
        {QStringLiteral("FrmPrintList"), Make<FrmPrintList>},
        {QStringLiteral("FrmRadioInfo"), Make<service::FrmRadioInfo>},
        {QStringLiteral("FrmRadioInfoSet"), Make<service::FrmRadioInfoSet>},
        {QStringLiteral("FrmTestMode"),
         [](ui::AppContext& c, frmMain& w) {
             // The window alone, on a test mode that never talks to a radio.
             auto* host = new service::TestModeHost(c, &w, &w);
             return new service::FrmTestMode(c, *host, &w);
         }},
        {QStringLiteral("FrmTestModePara"),
         [](ui::AppContext& c, frmMain& w) {
             // The tuning window of RF High Power with its curve and the kept alignment.
             auto* host = new service::TestModeHost(c, &w, &w);
             service::LoadDemoTuning(*host, 1);
             return new service::FrmTestModePara(c, *host, 1, &w);
         }},
    };
    return m;
}

QImage Picture(ui::AppContext& ctx, frmMain& main, const QString& window) {
    if (window.isEmpty()) return Framed(main);
    if (window == QLatin1String("report")) return ReportPicture(ctx, ReportWidth);
    if (const auto it = Dialogs().find(window); it != Dialogs().end()) {
        std::unique_ptr<QWidget> dialog(it->second(ctx, main));
        dialog->show();
        QApplication::processEvents();
        return Framed(*dialog);
    }
    QWidget* child = main.showChildWindow(window);
    if (!child) return {};
    QApplication::processEvents();
    // The document area draws the child's own title bar.
    auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
    return (sub ? static_cast<QWidget*>(sub) : child)->grab().toImage();
}

} // namespace

bool SaveScreenshot(ui::AppContext& ctx, frmMain& main, const QString& window,
                    const QString& path) {
    const QImage picture = Picture(ctx, main, window);
    return !picture.isNull() && picture.save(path);
}

} // namespace rv::app
