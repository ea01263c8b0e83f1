#pragma once

#include "Session.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

/// The model codes in the order of the model list.
inline const std::array<std::string, 4> ModelCodes{"592", "582", "7415", "6415"};

/// The bands a model offers, in list order (empty for an unknown model).
std::vector<std::string> BandsOfModel(std::string_view modelCode);

int BandCodeOf(std::string_view bandText, std::string_view modelCode);
std::string BandTextOf(int bandCode, std::string_view modelCode);
int ModelByteOf(std::string_view modelCode);
std::string ModelCodeOf(int bandCode, int modelByte);

/// The document's ModelInfo from the current model and band.
void SetModelInfo(Session& s);

/// The current model and band from the document's ModelInfo, then the band limits.
/// A band code / model pair that names no band keeps the previous model and band.
void TakeModelInfo(Session& s);

} // namespace rv
