#pragma once

#include "link/CloneEngine.h"
#include "link/CloneSession.h"
#include "link/LinkTexts.h"
#include "link/RadioProbe.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rv::jobs {

/// The model types the radio information offers, in list order.
const std::vector<std::string>& InfoModelTypes();
/// The bands of a model type, in list order; empty for a type outside the list.
std::vector<std::string> InfoBands(const std::string& modelType);

/// The band codes a band means: the code itself (0 to 255), a band name as the radio
/// information shows it ("400 - 470 MHz"), or a band of a model type whose range is such a
/// name ("136 - 174 MHz(M)"); a name that several codes show gives them all, the code most
/// models use for that band first. Empty for anything else, the model-type bands whose range
/// no code shows ("450 - 490 MHz(M)") included: the radio's codes for those are not known.
std::vector<int> InfoBandCodes(const std::string& band);
/// Why a band cannot be written (no code of it is known), in the language given; empty when
/// it can.
QString CheckInfoBand(const std::string& band, int language);

/// What the user changes in the radio information; a field left unset goes back exactly as
/// the radio has it.
struct InfoEdits {
    std::optional<std::string> modelType; ///< one of `InfoModelTypes`
    /// The band by its codes: a band several codes name keeps the radio's code when it is
    /// among them, otherwise takes the first.
    std::vector<int> bandCodes;
    std::optional<std::string> serial;
    std::optional<std::string> version; ///< as typed, with or without its leading V
    bool empty() const { return !modelType && bandCodes.empty() && !serial && !version; }
};

/// Why the edits cannot be written (a model type outside the list, a serial number or
/// version that does not fit its field, characters outside 1 to 127), in the language
/// given; empty when they can.
QString CheckInfoEdits(const InfoEdits& edits, int language);

/// A typed version as the version box keeps it: in the form of the radio's own version
/// (`radioBlock`) when one was read, otherwise with a leading "V"; an empty text is "V".
std::string VersionRule(const std::string& typed, const std::vector<std::uint8_t>& radioBlock);

/// One field an information write changes.
struct InfoFieldChange {
    const rv::LangText* field = nullptr;
    std::string from;
    std::string to;
};

/// Applies the edits to the radio information read into `s`: a new model type takes the type
/// letter "C", a version takes the radio's form. Returns the fields whose value changes.
std::vector<InfoFieldChange> ApplyInfoEdits(const InfoEdits& edits, rv::Session& s);

/// One line per change, "Serial number: A1234567 -> 20261207".
QString InfoChangesText(const std::vector<InfoFieldChange>& changes, int language);

/// Copies what an information read gave (the identity fields and the radio's own blocks)
/// from `from` into `to`.
void TakeRadioInfo(const rv::Session& from, rv::Session& to);

/// Reads the radio information, or writes edits to it. A write reads first unless the session
/// it is given holds a read of this radio, shows the changes (`confirm`) and writes only
/// those; with nothing to change nothing is written.
class RadioInfoJob : public QObject {
    Q_OBJECT
public:
    explicit RadioInfoJob(QObject* parent = nullptr);
    ~RadioInfoJob() override;

    /// The reply time-out; tests may shorten it.
    void setWaitInterval(int msecs) { waitMs_ = msecs; }
    bool startRead(const rv::Session& s, const QString& device, QString* error);
    bool startWrite(const rv::Session& s, const InfoEdits& edits, const QString& device,
                    QString* error);
    /// The answer to `confirm`: write the changes, or leave the radio as it is.
    void proceed(bool yes);
    void answer(link::CloneSession::Question q, bool yes);
    void cancel();
    bool isRunning() const { return running_; }

    /// The radio's information as last read (after a write: as written).
    const rv::Session& radio() const { return work_; }
    const std::vector<InfoFieldChange>& changes() const { return changes_; }
    /// The write completed (false for a read, for nothing to change, or declined).
    bool written() const { return written_; }

signals:
    void question(rv::link::CloneSession::Question q);
    /// The fields the write will change, old -> new; answer with `proceed`.
    void confirm(const std::vector<rv::jobs::InfoFieldChange>& changes);
    void finished(bool ok, const QString& message);

private:
    bool run(int mode, QString* error);
    void onFinished(bool ok, const QString& message);
    void end(bool ok, const QString& message = {});

    rv::Session work_;
    InfoEdits edits_;
    QString device_;
    std::unique_ptr<link::CloneSession> session_;
    std::vector<InfoFieldChange> changes_;
    int mode_ = 0; ///< the clone operation running
    int waitMs_ = 300;
    bool writing_ = false;
    bool running_ = false;
    bool written_ = false;
};

} // namespace rv::jobs
