#pragma once

#include "Catalogue.h"
#include "Session.h"

#include <cstdint>
#include <type_traits>
#include <vector>

// What one change did to the document, kept small enough to hold for every undo step.
namespace rv {

static_assert(std::is_trivially_copyable_v<RadioData> && std::is_standard_layout_v<RadioData>,
              "a change is kept as the document's bytes");

/// The byte runs that differ between two versions of a document, old and new. Applied forward
/// or backward it gives either version back byte for byte, damaged and coupled values
/// included, whatever their shown texts are. (A model or band change replaces the document
/// rather than changing it.)
class DocumentDelta {
public:
    DocumentDelta(const RadioData& before, const RadioData& after);

    void apply(RadioData& doc, bool forward) const;
    /// The settings whose shown value differs, in catalogue order, texts in the language of
    /// `after` (the session with this change in it). Only the rows of the areas whose bytes
    /// changed are compared.
    std::vector<Change> changes(const Session& after) const;

private:
    struct Run {
        std::uint16_t offset;
        std::uint16_t length;
    };
    std::vector<Run> runs_;
    std::vector<std::uint8_t> before_;
    std::vector<std::uint8_t> after_;
};

} // namespace rv
