#include "HelpTopics.h"

namespace rv::ui {

namespace {

struct Topic {
    const char* form;
    const char* anchor;
};

// The anchors are the ids of the sections in both help pages.
const Topic Topics[] = {
    {"frmMain", ""},
    {"frmCommChInfo", "channel-information"},
    {"FrmCHInfoEdit", "channel-edit"},
    {"FrmOptFeatures", "optional-features"},
    {"FrmKeyAssignm", "key-assignment"},
    {"FrmScanInfo", "scan-information"},
    {"FrmDTMF", "dtmf"},
    {"FrmFleetSync", "fleetsync"},
    {"FrmTestFre", "test-frequency"},
    {"FrmEmbMsg", "embedded-message"},
    {"FrmModelInfo", "model-information"},
    {"FrmSetComm", "communication-port"},
    {"FrmFleet", "fleet-programming"},
    {"FrmSetLanguage", "language-setup"},
    {"FrmPrintList", "print"},
    {"FrmProgress", "read-edit-write"},
    {"FrmTestMode", "test-mode"},
    {"FrmTestModePara", "tuning"},
    {"FrmRadioInfo", "radio-information"},
    {"FrmRadioInfoSet", "set-radio-information"},
};

} // namespace

std::optional<QString> HelpTopicOf(const QString& formName) {
    for (const Topic& t : Topics)
        if (formName == QLatin1String(t.form)) return QString::fromLatin1(t.anchor);
    return std::nullopt;
}

} // namespace rv::ui
