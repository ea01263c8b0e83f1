// Find Radio in the Communication Port dialog.
#include "Captions.h"
#include "FrmSetComm.h"
#include "jobs/FleetTexts.h"
#include "jobs/PortFinder.h"
#include "ui/AppContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace rv::app {

using rv::jobs::PortTexts;

namespace {

const QString OtherTarget = QStringLiteral("other");

} // namespace

void FrmSetComm::setBusy(bool busy) {
    for (QWidget* w : {static_cast<QWidget*>(refresh_), static_cast<QWidget*>(find_), ok_})
        w->setEnabled(!busy);
}

void FrmSetComm::findRadio() {
    if (finder_) return;
    QList<rv::jobs::ProbeTarget> targets;
    for (const auto& port : ports_)
        if (port.number >= 1 && port.number <= 8)
            targets << rv::jobs::ProbeTarget{QString::number(port.number), port.device};
    const QString other = otherPath_->text().trimmed();
    if (!other.isEmpty()) targets << rv::jobs::ProbeTarget{OtherTarget, other};
    finder_ = new rv::jobs::PortFinder(ctx_.lang(), this);
    finder_->setStopAtFirst(true);
    if (openCheck_) finder_->setOpenCheck(openCheck_);
    connect(finder_, &rv::jobs::PortFinder::finished, this, &FrmSetComm::onFindFinished);
    setBusy(true);
    status_->setText(ui::Tr(ctx_, PortTexts::Searching));
    finder_->start(targets);
}

void FrmSetComm::onFindFinished() {
    setBusy(false);
    const rv::jobs::ProbeResult* found = finder_->firstAnswer();
    if (!found) {
        // A device path typed in that is no usable port says why, as OK would; ports that
        // may not be opened say which group to join.
        QStringList why;
        for (const QString& t : {finder_->openFailureOf(OtherTarget), finder_->permissionAdvice()})
            if (!t.isEmpty()) why << t;
        status_->setText(why.isEmpty() ? ui::Tr(ctx_, PortTexts::NoRadio)
                                       : why.join(QLatin1Char('\n')));
    } else {
        const bool other = found->target.port == OtherTarget;
        const int index =
            other ? static_cast<int>(options_.size()) - 1 : found->target.port.toInt() - 1;
        options_[index]->setChecked(true);
        const QString where = other ? found->target.device : options_[index]->text();
        status_->setText(ui::Tr(ctx_, PortTexts::RadioFound)
                             .arg(where, QString::fromStdString(found->ident->modelCode),
                                  QString::fromStdString(found->ident->band)));
    }
    finder_->deleteLater();
    finder_ = nullptr;
}

} // namespace rv::app
