#include "FrmProgress.h"

#include "Captions.h"
#include "ui/AppContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace rv::app {

FrmProgress::FrmProgress(const ui::AppContext& ctx, int mode, QWidget* parent)
    : QDialog(parent), label1_(new QLabel), label2_(new QLabel), bar_(new QProgressBar),
      cancel_(new QPushButton) {
    setObjectName(QStringLiteral("FrmProgress"));
    setModal(true);
    setWindowTitle(ProgressTitle(ctx.lang(), mode));
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setText(ui::Tr(ctx, CaptionOf(Cap::ProgressLabel)));
    label2_->setObjectName(QStringLiteral("Label2"));
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    cancel_->setObjectName(QStringLiteral("CommandCancel"));
    cancel_->setText(ui::Tr(ctx, CaptionOf(Cap::Cancel)));
    connect(cancel_, &QPushButton::clicked, this, &FrmProgress::reject);

    // Label1 ends just left of the percentage.
    auto* line = new QHBoxLayout;
    line->addStretch();
    line->addWidget(label1_);
    line->addSpacing(1);
    line->addWidget(label2_);
    line->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    setMinimumWidth(360);
    SetProgressValue(0);
}

void FrmProgress::SetProgressValue(int value) {
    const int v = std::clamp(value, 0, 100);
    bar_->setValue(v);
    label2_->setText(QString::number(v) + QLatin1Char('%'));
}

void FrmProgress::finish() {
    finished_ = true;
    done(Accepted);
}

void FrmProgress::reject() {
    // Escape, the close box and Cancel only ask; the window goes when the transfer has ended.
    if (finished_) return QDialog::reject();
    cancel_->setEnabled(false);
    emit cancelRequested();
}

} // namespace rv::app
