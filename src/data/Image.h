#pragma once

#include "Session.h"

#include <string>

namespace rv {

/// Every byte 0xFF but for the constants a blank image carries.
void InitImage(MemoryImage& image);

/// Fills the image from the document. Fails (and leaves the reason in `error`) on a
/// frequency or tone text that is not hex digits or an IdValue beyond 16 bits; nothing
/// may then be sent.
bool EncodeImage(const RadioData& doc, MemoryImage& image, std::string* error = nullptr);

/// Rebuilds the document from the image (radio-information members stay) and takes the
/// model and band from it. Never fails on content.
void DecodeImage(const MemoryImage& image, Session& s);

} // namespace rv
