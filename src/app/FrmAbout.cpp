#include "FrmAbout.h"

#include "Captions.h"
#include "DialogKit.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace rv::app {

namespace {

const rv::LangText AboutTitle{"About RV52N", "关于 RV52N"};
const rv::LangText SysInfoCaption{"&System Info...", "系统信息(&S)..."};
const rv::LangText Subtitle{"Programming software for the RV52N hand-held FM radio",
                            "RV52N 手持调频对讲机编程软件"};
const rv::LangText Licence{
    "Copyright 2026 The RV52N developers.\n"
    "This program is free software, released under the GNU General Public License, "
    "version 3 or (at your option) any later version. It comes with NO WARRANTY, to the "
    "extent permitted by law. The licence text is in the file LICENSE, on Debian in "
    "/usr/share/common-licenses/GPL-3.",
    "版权所有 2026 RV52N 开发者。\n"
    "本程序是自由软件，依据 GNU 通用公共许可证第 3 版或（由您选择）任何更新的版本发布。"
    "在法律允许的范围内，本程序不提供任何担保。许可证全文见 LICENSE 文件，Debian 系统中见 "
    "/usr/share/common-licenses/GPL-3。"};

} // namespace

FrmAbout::FrmAbout(ui::AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(ctx_.lang() == rv::Chinese ? QStringLiteral("frmAbout")
                                             : QStringLiteral("FrmAbout2"));
    setWindowTitle(ui::Tr(ctx_, AboutTitle));
    auto* title = new QLabel(ProductName);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(ui::Tr(ctx_, Subtitle));
    auto* version = new QLabel(QStringLiteral("版本 ") + ProgramVersion);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* licence = new QLabel(ui::Tr(ctx_, Licence));
    licence->setObjectName(QStringLiteral("lblLicence"));
    licence->setWordWrap(true);
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = NamedButton(ctx_, CaptionOf(Cap::Ok), "cmdOK");
    ok->setDefault(true);
    auto* sysInfo = NamedButton(ctx_, SysInfoCaption, "cmdSysInfo");
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
    layout->addWidget(licence);
    layout->addStretch();
    layout->addLayout(buttons);
}

void FrmAbout::onSysInfo() {
    // There is no system information tool to start here; show what the program knows.
    const QString info = QStringLiteral("%1\n%2 %3\nQt %4")
                             .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                                  QSysInfo::kernelVersion(), QString::fromLatin1(qVersion()));
    ui::Tell(ctx_, this, info, rv::MsgIcon::None);
}

} // namespace rv::app
