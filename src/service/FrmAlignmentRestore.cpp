#include "FrmAlignmentRestore.h"

#include "Lamp.h"
#include "TestModeHost.h"
#include "jobs/SafeWrite.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rv::service {

namespace {

using rv::LangText;
using rv::jobs::PointChange;
using rv::jobs::PointLabel;

const LangText Title{"Restore Alignment", "恢复校准数据"};
const LangText Columns[3] = {{"Point", "数据点"}, {"Now", "当前值"}, {"Kept", "保存值"}};
const LangText WriteCaption{"&Write", "写入(&W)"};
const LangText CloseCaption{"&Close", "关闭(&C)"};
const LangText Reading{"Reading the radio's alignment...", "正在读取对讲机的校准数据……"};
const LangText Same{"The radio holds the kept alignment: nothing differs.",
                    "对讲机中的校准数据与保存的相同。"};
const LangText Unwritable{"(test mode cannot write it)", "（测试模式无法写入）"};
const LangText Writing{"Writing and reading back...", "正在写入并读回……"};
const LangText Verified{"Restored: %1 points written, and the whole alignment reads back as kept.",
                        "已恢复：写入 %1 个数据点，整个校准数据读回与保存的一致。"};
const LangText NotVerified{"Not restored. These points differ from the kept alignment: %1",
                           "未恢复。以下数据点与保存的校准数据不同：%1"};
const LangText Moved{"These points were not chosen but changed: %1",
                     "以下数据点未被选择却已改变：%1"};
const LangText Sharing{"The radio keeps one value for these points: writing %1 also sets %2. "
                       "Write them all?",
                       "对讲机为这些数据点只保存一个值：写入 %1 也会改变 %2。全部写入吗？"};
const LangText Interrupted{"Test mode ended before the restore was read back.",
                           "恢复尚未读回，测试模式已结束。"};
const LangText Choose{"Kept Alignment", "保存的校准数据"};
const LangText OtherSerial{"This alignment was kept from radio %1, but the radio connected is "
                           "%2. Write another radio's alignment to this one?",
                           "此校准数据保存自序号为 %1 的对讲机，而当前连接的对讲机序号为 %2。"
                           "要把另一台对讲机的校准数据写入这台吗？"};
const LangText Unknown{"(unknown)", "（未知）"};

rv::jobs::TuneBlock BlockOf(const rv::link::Bytes& b) {
    rv::jobs::TuneBlock out{};
    std::copy_n(b.begin(), std::min(b.size(), out.size()), out.begin());
    return out;
}

} // namespace

bool ChooseKeptAlignment(ui::AppContext& ctx, const TestModeHost& host, QWidget* parent,
                         rv::jobs::AlignmentRecord* kept) {
    const QString path =
        ctx.prompt().openFileName(parent, ui::Tr(ctx, Choose), rv::jobs::DefaultBackupDir(),
                                  ui::Tr(ctx, Choose) + QStringLiteral(" (*.align.json)"));
    if (path.isEmpty()) return false;
    QString error;
    if (!rv::jobs::LoadAlignment(path, kept, &error, ctx.lang())) {
        ui::Tell(ctx, parent, error, rv::MsgIcon::Error);
        return false;
    }
    const auto& radio = host.entryAlignment();
    if (const QString why = rv::jobs::KeptMismatch(*kept, radio, ctx.lang()); !why.isEmpty()) {
        ui::Tell(ctx, parent, why, rv::MsgIcon::Error);
        return false;
    }
    if (rv::jobs::SameRadio(*kept, radio)) return true;
    const auto name = [&](const QString& s) { return s.isEmpty() ? ui::Tr(ctx, Unknown) : s; };
    return ctx.prompt().message(
               parent, ui::Tr(ctx, Title),
               ui::Tr(ctx, OtherSerial).arg(name(kept->serial), name(host.serial())),
               rv::MsgButtons::OkCancel, rv::MsgIcon::Question) == ui::Answer::Ok;
}

FrmAlignmentRestore::FrmAlignmentRestore(ui::AppContext& ctx, TestModeHost& host,
                                         const rv::jobs::AlignmentRecord& kept, QWidget* parent)
    : QDialog(parent), ctx_(ctx), host_(host), kept_(kept) {
    setObjectName(QStringLiteral("FrmAlignmentRestore"));
    setWindowTitle(ui::Tr(ctx_, Title) + QStringLiteral(" - ") + kept_.serial + QLatin1Char(' ') +
                   kept_.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    tree_ = Named<QTreeWidget>("TreeChanges", this);
    tree_->setRootIsDecorated(false);
    tree_->setHeaderLabels(
        {ui::Tr(ctx_, Columns[0]), ui::Tr(ctx_, Columns[1]), ui::Tr(ctx_, Columns[2])});
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    result_ = Named<QLabel>("LabelResult", this);
    result_->setWordWrap(true);
    write_ = new QPushButton(ui::Tr(ctx_, WriteCaption), this);
    write_->setObjectName(QStringLiteral("CommandWrite"));
    auto* close = new QPushButton(ui::Tr(ctx_, CloseCaption), this);
    close->setObjectName(QStringLiteral("CommandClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(write_);
    buttons->addWidget(close);
    auto* main = new QVBoxLayout(this);
    main->addWidget(tree_);
    main->addWidget(result_);
    main->addLayout(buttons);
    resize(420, 360);

    connect(write_, &QPushButton::clicked, this, &FrmAlignmentRestore::onWrite);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&host_, &TestModeHost::valuesArrived, this, [this] {
        if (!restoring_) showChanges();
    });
    connect(&host_, &TestModeHost::restoreFinished, this, &FrmAlignmentRestore::onRestored);
    connect(&host_, &TestModeHost::ended, this, [this] {
        // The host outlives this dialog until the event loop: it says what was written.
        if (restoring_)
            host_.tell(ui::Tr(ctx_, Interrupted) + QLatin1Char('\n') +
                           rv::jobs::WrittenSoFarText(host_.engine().restoreStored(), ctx_.lang()),
                       rv::MsgIcon::Error);
        restoring_ = false;
        reject();
    });
    refresh();
}

void FrmAlignmentRestore::refresh() {
    write_->setEnabled(false);
    result_->setText(ui::Tr(ctx_, Reading));
    host_.engine().ReadBlock();
}

void FrmAlignmentRestore::showChanges() {
    const auto& block = host_.state().Block;
    // Values of single points arrive too: the list (and what is ticked) stays until the
    // block itself is read again.
    if (block.size() != kept_.block.size() || block == shownBlock_) return;
    shownBlock_ = block;
    changes_ = rv::jobs::DiffAlignment(kept_.block, BlockOf(block));
    tree_->clear();
    for (const auto& c : changes_) {
        auto* row = new QTreeWidgetItem(tree_);
        QString label = QString::fromStdString(PointLabel(c.at, ctx_.lang()));
        if (!c.writable) label += QLatin1Char(' ') + ui::Tr(ctx_, Unwritable);
        row->setText(0, label);
        row->setText(1, QString::number(c.now));
        row->setText(2, QString::number(c.kept));
        row->setFlags(c.writable ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
        row->setCheckState(0, c.writable ? Qt::Checked : Qt::Unchecked);
    }
    write_->setEnabled(!changes_.empty());
    if (changes_.empty())
        result_->setText(ui::Tr(ctx_, Same));
    else if (result_->text() == ui::Tr(ctx_, Reading))
        result_->clear();
}

bool FrmAlignmentRestore::sharingAccepted(const std::vector<PointChange>& chosen) {
    QStringList written, others;
    for (const auto& c : chosen) {
        const auto sharing = rv::jobs::PointsSharing(c.at);
        if (sharing.empty()) continue;
        written << QString::fromStdString(PointLabel(c.at, ctx_.lang()));
        for (const auto& p : sharing) {
            const QString name = QString::fromStdString(PointLabel(p, ctx_.lang()));
            const bool chosenToo = std::any_of(chosen.begin(), chosen.end(),
                                               [&](const PointChange& o) { return o.at == p; });
            if (!chosenToo && !others.contains(name)) others << name;
        }
    }
    if (others.isEmpty()) return true;
    const QString sep = ctx_.lang() == rv::Chinese ? QStringLiteral("、") : QStringLiteral(", ");
    return ctx_.prompt().message(this, windowTitle(),
                                 ui::Tr(ctx_, Sharing).arg(written.join(sep), others.join(sep)),
                                 rv::MsgButtons::OkCancel, rv::MsgIcon::Question) == ui::Answer::Ok;
}

void FrmAlignmentRestore::onWrite() {
    std::vector<PointChange> chosen;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        if (tree_->topLevelItem(i)->checkState(0) == Qt::Checked)
            chosen.push_back(changes_[static_cast<std::size_t>(i)]);
    if (chosen.empty() || !sharingAccepted(chosen)) return;
    restoring_ = true;
    write_->setEnabled(false);
    result_->setText(ui::Tr(ctx_, Writing));
    auto& run = host_.restoreRun();
    run = rv::jobs::RestoreRun{};
    run.kept = kept_.block;
    run.chosen = chosen;
    run.start(host_.engine(), BlockOf(host_.state().Block));
}

void FrmAlignmentRestore::onRestored() {
    if (!restoring_) return;
    restoring_ = false;
    shownBlock_.clear();
    showChanges();
    const auto& run = host_.restoreRun();
    const auto names = [&](const auto& list, auto label) {
        QStringList out;
        for (const auto& x : list)
            out << label(x);
        return out.join(QStringLiteral(", "));
    };
    if (run.check.restored) {
        result_->setText(ui::Tr(ctx_, Verified).arg(run.chosen.size()));
        return;
    }
    QString text =
        ui::Tr(ctx_, NotVerified).arg(names(run.check.differing, [&](const PointChange& c) {
            return QStringLiteral("%1 (%2 -> %3)")
                .arg(QString::fromStdString(PointLabel(c.at, ctx_.lang())))
                .arg(c.now)
                .arg(c.kept);
        }));
    if (!run.check.moved.empty())
        text +=
            QLatin1Char('\n') +
            ui::Tr(ctx_, Moved).arg(names(run.check.moved, [&](const rv::jobs::AlignmentPoint& p) {
                return QString::fromStdString(PointLabel(p, ctx_.lang()));
            }));
    result_->setText(text);
}

} // namespace rv::service
