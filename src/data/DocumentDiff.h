#pragma once

#include "Session.h"

#include <string>
#include <vector>

// Setting-by-setting comparison of two documents in the words the windows use.
namespace rv {

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
