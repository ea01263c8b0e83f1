#pragma once

#include "jobs/AlignmentStore.h"

#include <QString>

namespace rv::ui {
class AppContext;
}

namespace rv::service {

/// The report's alignment section (service mode only): the alignment of the radio in test
/// mode now, else the newest one kept for the document's serial number; empty when none.
QString AlignmentReportHtml(const ui::AppContext& ctx);

} // namespace rv::service
