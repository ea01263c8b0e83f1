#pragma once

#include "FrmRadioInfo.h"

#include <cstdint>
#include <vector>

namespace rv::service {

/// "Set Radio Information": edits the radio's identity and reads or writes it.
class FrmRadioInfoSet : public RadioInfoFields {
    Q_OBJECT
public:
    FrmRadioInfoSet(ui::AppContext& ctx, QWidget* parent = nullptr);

    /// Copies the boxes into the document's radio-information fields. A value that does not
    /// fit its field is not stored: false, after a message naming the field and its width.
    bool storeFields();
    /// What the boxes change against what they showed (the radio's values after a read here).
    rv::jobs::InfoEdits edits() const;
    /// The version rule: the text in the form of the radio's own version (`radioBlock`, the
    /// version block of the last read), with or without a leading "V"; without a block, a
    /// text without a leading "V" gets one. Nothing is cut.
    static QString FixVersion(const QString& typed, const std::vector<std::uint8_t>& radioBlock);

protected:
    void done(int r) override;
    /// Shows the identity; the band box shows the radio's band until another is chosen.
    void showIdentity();
    /// Bands whose code is not known are offered but cannot be chosen; the first band that
    /// can be is shown, or the radio's band when there is none.
    void fillBands(const QString& modelType) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void onRead();
    void onWrite();
    void onTimeSync();
    void setBusy(bool busy);
    /// Shows the document's radio information, which becomes what an edit is measured against.
    void takeShownAsRead();
    /// A band other than the shown one was chosen.
    bool bandChanged() const;
    /// A message naming the first edit that breaks the information rules; false then.
    bool editsFit(const rv::jobs::InfoEdits& e);

    QLineEdit* version_ = nullptr;
    QPushButton* read_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* timeSync_ = nullptr;
    QPushButton* close_ = nullptr;
    QString shownModel_, shownBand_, shownSerial_, shownVersion_;
    /// The radio was read in this window: its own blocks are in the session.
    bool readHere_ = false;
};

} // namespace rv::service
