#pragma once

#include "jobs/AlignmentStore.h"

#include <QString>

namespace rv::ui {

class AppContext;

/// The report's alignment section (service mode only): the alignment of the radio in test
/// mode now, else the newest one kept for the document's serial number; empty when none.
QString AlignmentReportHtml(const AppContext& ctx);

} // namespace rv::ui
