#pragma once

#include <QString>
#include <optional>

namespace rv::ui {

/// The section of the help page that explains a window, by its form name ("FrmScanInfo");
/// an empty topic is the top of the page. Nothing for a window without a section.
std::optional<QString> HelpTopicOf(const QString& formName);

} // namespace rv::ui
