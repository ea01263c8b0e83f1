#include "FrmAbout.h"

#include "Captions.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

const rv::LangText AboutTitle{"", "About RV52N", "关于 RV52N"};
const rv::LangText SysInfoCaption{"", "&System Info...", "系统信息(&S)..."};
const rv::LangText Subtitle{"", "Programming software for the RV52N hand-held FM radio",
                            "RV52N 手持调频对讲机编程软件"};

} // namespace

FrmAbout::FrmAbout(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(ctx_.lang() == rv::Chinese ? QStringLiteral("frmAbout")
                                             : QStringLiteral("FrmAbout2"));
    setWindowTitle(Tr(ctx_, AboutTitle));
    auto* title = new QLabel(ProductName);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(Tr(ctx_, Subtitle));
    auto* version = new QLabel(QStringLiteral("版本 ") + ProgramVersion);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* ok = new QPushButton(Tr(ctx_, CaptionOf(Cap::Ok)));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(Tr(ctx_, SysInfoCaption));
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::onSysInfo);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addWidget(version);
    layout->addStretch();
    layout->addLayout(buttons);
}

void FrmAbout::onSysInfo() {
    // There is no system information tool to start here; show what the program knows.
    const QString info = QStringLiteral("%1\n%2 %3\nQt %4")
                             .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                                  QSysInfo::kernelVersion(), QString::fromLatin1(qVersion()));
    Tell(ctx_, this, info, rv::MsgIcon::None);
}

} // namespace rv::ui
