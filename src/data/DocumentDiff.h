#pragma once

#include "Session.h"

#include <string>
#include <vector>

// Setting-by-setting comparison of two documents in the words the windows use.
namespace rv {

/// One setting as a window shows it: its area (window or channel), its label, its value.
struct ShownSetting {
    std::string area;
    std::string item;
    std::string value;
};

/// Every setting the radio's memory holds, in the session's language, in catalogue order
/// (by area, then by number); a channel or list slot that holds nothing shows empty values.
std::vector<ShownSetting> ShownSettings(const Session& s);

/// A setting whose shown value differs: `a` in the first document, `b` in the second.
struct SettingDifference {
    std::string area;
    std::string item;
    std::string a;
    std::string b;
};

/// The differing settings of two documents, in window order; texts in `a`'s language.
std::vector<SettingDifference> CompareDocuments(const Session& a, const Session& b);

/// "(none)" in a language: the value of a setting one side does not hold.
std::string NoneText(int language);

} // namespace rv
