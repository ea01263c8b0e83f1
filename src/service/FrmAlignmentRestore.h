#pragma once

#include "jobs/AlignmentStore.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::service {

class TestModeHost;

/// Writes a kept alignment back: the points whose kept value differs from the radio's,
/// now -> kept, each to be chosen; written, stored, and the whole block read back.
class FrmAlignmentRestore : public QDialog {
    Q_OBJECT
public:
    FrmAlignmentRestore(ui::AppContext& ctx, TestModeHost& host,
                        const rv::jobs::AlignmentRecord& kept, QWidget* parent = nullptr);

    /// The radio's block is read afresh before anything is listed.
    void refresh();

private:
    void showChanges();
    void onWrite();
    void onRestored();
    /// Asks about chosen points that share their address with others; false: not written.
    bool sharingAccepted(const std::vector<rv::jobs::PointChange>& chosen);

    ui::AppContext& ctx_;
    TestModeHost& host_;
    rv::jobs::AlignmentRecord kept_;
    std::vector<rv::jobs::PointChange> changes_;
    QTreeWidget* tree_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* write_ = nullptr;
    bool restoring_ = false;
    std::vector<std::uint8_t> shownBlock_;
};

/// Asks for a kept alignment and, for one of another radio, whether to use it anyway;
/// false when the user cancels or the file is not a kept alignment (after saying so).
bool ChooseKeptAlignment(ui::AppContext& ctx, const TestModeHost& host, QWidget* parent,
                         rv::jobs::AlignmentRecord* kept);

} // namespace rv::service
