#pragma once

#include "FrmTestModePara.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QGroupBox;

namespace rv::ui {
class AppContext;
}

namespace rv::service {

class Lamp;
class TestModeHost;

/// The service test mode window: test channel and signalling, band, transmitter key and
/// the choice of the alignment item to tune. Closing it leaves test mode.
class FrmTestMode : public QWidget {
    Q_OBJECT
public:
    FrmTestMode(ui::AppContext& ctx, TestModeHost& host, QWidget* parent = nullptr);
    ~FrmTestMode() override;

    /// Releases the transmitter key if it is down (and tells the radio).
    void TestModeUnSetPTT();
    /// The tuning window while it is open.
    FrmTestModePara* tuningWindow() const { return para_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void build();
    void setCaptions();
    void fillLists();
    void showChannel(int position);
    void showSignal(int number);
    void showKey(bool released);
    void onChannelChosen(int index);
    void onSignalChosen(int index);
    void setBand(bool wide);
    void onPtt();
    void onItemChosen(int row);
    void onTune();
    void openTuningWindow();

    ui::AppContext& ctx_;
    TestModeHost& host_;
    QComboBox* channel_ = nullptr;
    QComboBox* signal_ = nullptr;
    QGroupBox* channelGroup_ = nullptr;
    QGroupBox* signalGroup_ = nullptr;
    QLabel* channelLabel_ = nullptr;
    QLabel* signalLabel_ = nullptr;
    std::array<QLabel*, 4> rxTxLabels_{};
    QLabel* channelRx_ = nullptr;
    QLabel* channelTx_ = nullptr;
    QLabel* signalRx_ = nullptr;
    QLabel* signalTx_ = nullptr;
    QListWidget* items_ = nullptr;
    QPushButton* wide_ = nullptr;
    QPushButton* narrow_ = nullptr;
    QPushButton* ptt_ = nullptr;
    QPushButton* tune_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* close_ = nullptr;
    std::array<Lamp*, 7> lamps_{};
    int selectedRow_ = -1;
    QPointer<FrmTestModePara> para_;
};

} // namespace rv::service
