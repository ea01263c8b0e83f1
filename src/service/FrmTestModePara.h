#pragma once

#include <QDialog>
#include <QTimer>

#include "jobs/AlignmentStore.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QTabWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::service {

class Lamp;
class TestModeHost;
class TuneCurve;

/// The tuning dialog of one alignment item: a slider per point sent live to the radio,
/// or a polled level for the battery, VOX and RSSI items.
class FrmTestModePara : public QDialog {
    Q_OBJECT
public:
    FrmTestModePara(ui::AppContext& ctx, TestModeHost& host, int item, QWidget* parent = nullptr);
    ~FrmTestModePara() override;

    /// Shows the values that have arrived from the radio for the current point.
    void ShowData();
    /// Items 12 to 15 show a level instead of points.
    bool levelLayout() const { return item_ >= 12; }
    QTimer& timerGetPara() { return timerGetPara_; }
    /// Whether the item has points across the band, drawn as a curve beside the slider.
    bool hasCurve() const;

protected:
    void done(int r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void build();
    void showFrequencies();
    void showFrame();
    void setCaptions();
    void showFirstValues();
    void onSlider(int tab, int value);
    void onTabChanged(int tab);
    void onStart();
    void onPtt();
    void onOk();
    void poll();
    bool tabVisible(int tab) const;
    void showCurve();
    /// The receive frequency of point `tab` (1 Low .. 5 High) less or plus `offset`, in MHz.
    double pointMhz(int tab, double offset) const;
    void onValueTyped(int tab);
    /// Puts the radio's value back in a value box and says why the typed one was not sent.
    void putBack(int tab, const QString& reason);
    void onRestore();

    ui::AppContext& ctx_;
    TestModeHost& host_;
    int item_;
    bool pttReleased_ = true;
    bool unloaded_ = false;
    int shownTab_ = 0;
    QTabWidget* tabs_ = nullptr;
    std::array<QSlider*, 6> sliders_{};
    std::array<QProgressBar*, 7> bars_{};
    std::array<QLineEdit*, 7> texts_{};
    std::array<QLabel*, 7> rxFreq_{};
    std::array<QLabel*, 7> txFreq_{};
    std::array<QLabel*, 7> rxLabels_{};
    std::array<QLabel*, 7> txLabels_{};
    QGroupBox* level_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* ptt_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    Lamp* lamp_ = nullptr;
    QPushButton* restore_ = nullptr;
    QLabel* reason_ = nullptr;
    TuneCurve* curve_ = nullptr;
    /// The alignment drawn as the second line: kept on entry, or the one chosen to restore.
    std::optional<rv::jobs::AlignmentRecord> kept_;
    QTimer timerGetPara_;
};

/// Fills a test mode that talks to no radio with a kept and a tuned alignment of `item`, so
/// that its tuning window can be shown (the help pages' picture).
void LoadDemoTuning(TestModeHost& host, int item);

} // namespace rv::service
