#pragma once

#include "jobs/AlignmentStore.h"

#include <QString>

namespace rv::ui {

class AppContext;

/// The alignment table of a kept alignment: one row per item, one column per point.
QString AlignmentTableHtml(const rv::jobs::AlignmentRecord& r, int language);

/// The report's alignment section (service mode only): the alignment of the radio in test
/// mode now, else the newest one kept for the document's serial number; empty when none.
QString AlignmentReportHtml(const AppContext& ctx);

} // namespace rv::ui
