#pragma once

#include "link/AlignmentStore.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace rv::ui {

class AppContext;
class TestModeHost;

/// Writes a kept alignment back: the points whose kept value differs from the radio's,
/// kept -> now, each to be chosen; written, stored and read back to verify.
class FrmAlignmentRestore : public QDialog {
    Q_OBJECT
public:
    FrmAlignmentRestore(AppContext& ctx, TestModeHost& host, const rv::link::AlignmentRecord& kept,
                        QWidget* parent = nullptr);

    /// The radio's block is read afresh before anything is listed.
    void refresh();

private:
    void showChanges();
    void onWrite();
    void onRestored(const std::vector<rv::service::PointChange>& unverified);

    AppContext& ctx_;
    TestModeHost& host_;
    rv::link::AlignmentRecord kept_;
    std::vector<rv::service::PointChange> changes_;
    QTreeWidget* tree_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* write_ = nullptr;
    bool restoring_ = false;
    int chosenCount_ = 0;
    std::vector<std::uint8_t> shownBlock_;
};

/// Asks for a kept alignment and, for one of another radio, whether to use it anyway;
/// false when the user cancels or the file is not a kept alignment (after saying so).
bool ChooseKeptAlignment(AppContext& ctx, const TestModeHost& host, QWidget* parent,
                         rv::link::AlignmentRecord* kept);

} // namespace rv::ui
