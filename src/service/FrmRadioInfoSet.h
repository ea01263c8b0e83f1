#pragma once

#include "FrmRadioInfo.h"

namespace rv::ui {

/// "Set Radio Information": edits the radio's identity and reads or writes it.
class FrmRadioInfoSet : public RadioInfoFields {
    Q_OBJECT
public:
    FrmRadioInfoSet(AppContext& ctx, QWidget* parent = nullptr);

    /// Copies the boxes into the document's radio-information fields.
    void storeFields();
    /// The version rule: empty becomes "V"; a text without a leading "V" gets one, cut to 5.
    static QString FixVersion(const QString& typed);
    /// Today's date as the serial number, eight digits.
    static QString TodaySerial();

protected:
    void done(int r) override;
    /// Shows the identity; the band box says why it cannot be changed.
    void showIdentity();
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void onRead();
    void onWrite();
    void onTimeSync();
    void setBusy(bool busy);

    QLineEdit* version_ = nullptr;
    QPushButton* read_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* timeSync_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace rv::ui
