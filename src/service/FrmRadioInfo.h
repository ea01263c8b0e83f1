#pragma once

#include "jobs/RadioInfo.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rv::ui {
class AppContext;
}

namespace rv::service {

/// The bands of a model type, in list order (empty for an unknown type).
QStringList RadioInfoBands(const QString& modelType);

/// Starts a radio-information job on the chosen port.
using JobStart = std::function<bool(rv::jobs::RadioInfoJob&, const QString& port, QString* error)>;
/// Runs a radio-information job started by `start` on the chosen port, asking the user
/// through the prompt; `done` gets the job (null when it did not start) and whether it succeeded.
/// Null when it could not start (the user has been told, and `done` has run).
rv::jobs::RadioInfoJob*
StartRadioInfoJob(ui::AppContext& ctx, QWidget* parent, const JobStart& start,
                  std::function<void(const rv::jobs::RadioInfoJob*, bool)> done);
/// Puts what a radio-information read delivered into the document, as an undo step of its own.
void TakeReadRadioInfo(ui::AppContext& ctx, const rv::Session& radio);
/// Reads the radio information and shows it in `FrmRadioInfo`.
void ReadRadioInfo(ui::AppContext& ctx, QWidget* parent, std::function<void(bool)> done = {});

/// The identity fields shared by both dialogs: model type, band and serial number.
class RadioInfoFields : public QDialog {
    Q_OBJECT
public:
    RadioInfoFields(ui::AppContext& ctx, const QString& formName, QWidget* parent);

protected:
    /// Shows `ModelType`, the band of `FrequencyCode` and `SerialNumber`.
    void showIdentity();
    /// Fills the band list of a model type and shows its first entry.
    virtual void fillBands(const QString& modelType);
    void setIdentityCaptions();
    /// The band text shown for the document's band code and a model type.
    QString bandText(const QString& modelType) const;

    ui::AppContext& ctx_;
    QComboBox* model_ = nullptr;
    QComboBox* band_ = nullptr;
    QLineEdit* serial_ = nullptr;
    QLabel* modelLabel_ = nullptr;
    QLabel* bandLabel_ = nullptr;
    QLabel* serialLabel_ = nullptr;
};

/// "Radio Information": what a radio-information read delivered.
class FrmRadioInfo : public RadioInfoFields {
    Q_OBJECT
public:
    FrmRadioInfo(ui::AppContext& ctx, QWidget* parent = nullptr);
};

} // namespace rv::service
