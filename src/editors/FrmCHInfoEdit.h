#pragma once

#include "SettingsLayout.h"
#include "data/ChannelCommit.h"
#include "ui/ChildWindow.h"

#include <array>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rv::editors {

class frmCommChInfo;

/// The channel edit dialog: every setting of one channel, committed field by field through
/// `SetChannelField`. It follows the grid's row and reloads after every commit.
class FrmCHInfoEdit : public ui::ChildWindow {
    Q_OBJECT
public:
    explicit FrmCHInfoEdit(ui::AppContext& ctx, QWidget* parent = nullptr);

    void changeShowByLanguage() override;
    void reShow() override;

    /// Loads a channel into the controls: with `fromGrid` the grid's edit row, otherwise
    /// the channel in the selector.
    void SetGridEditData(bool fromGrid);
    /// The channel shown (1..16).
    int channel() const { return channel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void layOut();
    void fillLists(const rv::ChannelInfo* ch);
    void commit(rv::ChannelFieldKind kind, const QString& text);
    void commitFrequency(QLineEdit* box, rv::ChannelFieldKind kind);
    void onComboActivated(int box);
    /// Leaving a tone box commits the entry typed in it, or refuses a text that names none.
    void commitTypedTone(int box);
    void onDocumentEdited(QObject* source) override;
    void onChannelShortcut(const QKeyEvent& key);
    frmCommChInfo* grid() const;

    QComboBox* selector_ = nullptr;
    QLabel* selectorLabel_ = nullptr;
    QLineEdit* rxBox_ = nullptr;
    QLineEdit* txBox_ = nullptr;
    std::array<QComboBox*, 9> boxes_{};
    std::array<QCheckBox*, 3> checks_{};
    std::array<QLabel*, 11> labels_{};
    CommandButtons buttons_;
    int channel_ = 1;
    bool loading_ = false;
};

} // namespace rv::editors
