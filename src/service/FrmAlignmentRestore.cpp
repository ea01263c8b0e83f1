#include "FrmAlignmentRestore.h"

#include "TestModeHost.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"
#include "jobs/SafeWrite.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

using rv::LangText;
using rv::service::PointChange;

const LangText Title{"", "Restore Alignment", "恢复校准数据"};
const LangText Columns[3] = {
    {"", "Point", "数据点"}, {"", "Kept", "保存值"}, {"", "Now", "当前值"}};
const LangText WriteCaption{"", "&Write", "写入(&W)"};
const LangText CloseCaption{"", "&Close", "关闭(&C)"};
const LangText Reading{"", "Reading the radio's alignment...", "正在读取对讲机的校准数据……"};
const LangText Same{"", "The radio holds the kept alignment: nothing differs.",
                    "对讲机中的校准数据与保存的相同。"};
const LangText Unwritable{"", "(test mode cannot write it)", "（测试模式无法写入）"};
const LangText Writing{"", "Writing and reading back...", "正在写入并读回……"};
const LangText Verified{"", "Written and read back: %1 points.", "已写入并读回：%1 个数据点。"};
const LangText NotVerified{"", "These points did not read back: %1", "以下数据点读回不符：%1"};
const LangText Choose{"", "Kept Alignment", "保存的校准数据"};
const LangText OtherSerial{"",
                           "This alignment was kept from radio %1, but the radio connected is "
                           "%2. Write another radio's alignment to this one?",
                           "此校准数据保存自序号为 %1 的对讲机，而当前连接的对讲机序号为 %2。"
                           "要把另一台对讲机的校准数据写入这台吗？"};
const LangText Unknown{"", "(unknown)", "（未知）"};

rv::service::TuneBlock BlockOf(const rv::service::Bytes& b) {
    rv::service::TuneBlock out{};
    std::copy_n(b.begin(), std::min(b.size(), out.size()), out.begin());
    return out;
}

} // namespace

bool ChooseKeptAlignment(AppContext& ctx, const TestModeHost& host, QWidget* parent,
                         rv::link::AlignmentRecord* kept) {
    const QString path =
        ctx.prompt().openFileName(parent, Tr(ctx, Choose), rv::jobs::DefaultBackupDir(),
                                  Tr(ctx, Choose) + QStringLiteral(" (*.align.json)"));
    if (path.isEmpty()) return false;
    QString error;
    if (!rv::link::LoadAlignment(path, kept, &error, ctx.lang())) {
        Tell(ctx, parent, error, rv::MsgIcon::Error);
        return false;
    }
    if (kept->serial == host.serial()) return true;
    const auto name = [&](const QString& s) { return s.isEmpty() ? Tr(ctx, Unknown) : s; };
    return ctx.prompt().message(parent, Tr(ctx, Title),
                                Tr(ctx, OtherSerial).arg(name(kept->serial), name(host.serial())),
                                rv::MsgButtons::OkCancel, rv::MsgIcon::Question) == Answer::Ok;
}

FrmAlignmentRestore::FrmAlignmentRestore(AppContext& ctx, TestModeHost& host,
                                         const rv::link::AlignmentRecord& kept, QWidget* parent)
    : QDialog(parent), ctx_(ctx), host_(host), kept_(kept) {
    setObjectName(QStringLiteral("FrmAlignmentRestore"));
    setWindowTitle(Tr(ctx_, Title) + QStringLiteral(" - ") + kept_.serial + QLatin1Char(' ') +
                   kept_.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeChanges"));
    tree_->setRootIsDecorated(false);
    tree_->setHeaderLabels({Tr(ctx_, Columns[0]), Tr(ctx_, Columns[1]), Tr(ctx_, Columns[2])});
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("LabelResult"));
    result_->setWordWrap(true);
    write_ = new QPushButton(Tr(ctx_, WriteCaption), this);
    write_->setObjectName(QStringLiteral("CommandWrite"));
    auto* close = new QPushButton(Tr(ctx_, CloseCaption), this);
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
    connect(&host_, &TestModeHost::ended, this, &QDialog::reject);
    refresh();
}

void FrmAlignmentRestore::refresh() {
    write_->setEnabled(false);
    result_->setText(Tr(ctx_, Reading));
    host_.engine().ReadBlock();
}

void FrmAlignmentRestore::showChanges() {
    const auto& block = host_.state().Block;
    // Values of single points arrive too: the list (and what is ticked) stays until the
    // block itself is read again.
    if (block.size() != kept_.block.size() || block == shownBlock_) return;
    shownBlock_ = block;
    changes_ = rv::service::DiffAlignment(kept_.block, BlockOf(block));
    tree_->clear();
    for (const auto& c : changes_) {
        auto* row = new QTreeWidgetItem(tree_);
        QString label = QString::fromStdString(rv::service::PointLabel(c.at, ctx_.lang()));
        if (!c.writable) label += QLatin1Char(' ') + Tr(ctx_, Unwritable);
        row->setText(0, label);
        row->setText(1, QString::number(c.kept));
        row->setText(2, QString::number(c.now));
        row->setFlags(c.writable ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
        row->setCheckState(0, c.writable ? Qt::Checked : Qt::Unchecked);
    }
    write_->setEnabled(!changes_.empty());
    if (changes_.empty())
        result_->setText(Tr(ctx_, Same));
    else if (result_->text() == Tr(ctx_, Reading))
        result_->clear();
}

void FrmAlignmentRestore::onWrite() {
    std::vector<PointChange> chosen;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        if (tree_->topLevelItem(i)->checkState(0) == Qt::Checked)
            chosen.push_back(changes_[static_cast<std::size_t>(i)]);
    if (chosen.empty()) return;
    restoring_ = true;
    chosenCount_ = static_cast<int>(chosen.size());
    write_->setEnabled(false);
    result_->setText(Tr(ctx_, Writing));
    host_.engine().RestoreAlignment(chosen);
}

void FrmAlignmentRestore::onRestored(const std::vector<PointChange>& unverified) {
    if (!restoring_) return;
    const int written = chosenCount_;
    restoring_ = false;
    shownBlock_.clear();
    showChanges();
    if (unverified.empty()) {
        result_->setText(Tr(ctx_, Verified).arg(written));
        return;
    }
    QStringList names;
    for (const auto& c : unverified)
        names << QStringLiteral("%1 (%2 -> %3)")
                     .arg(QString::fromStdString(rv::service::PointLabel(c.at, ctx_.lang())))
                     .arg(c.kept)
                     .arg(c.now);
    result_->setText(Tr(ctx_, NotVerified).arg(names.join(QStringLiteral(", "))));
}

} // namespace rv::ui
