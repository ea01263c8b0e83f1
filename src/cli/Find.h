#pragma once

#include "jobs/PortFinder.h"

#include <cstdio>

namespace rv::cli {

/// How `find` runs.
struct FindOptions {
    int language = 1;
    bool json = false;
    rv::link::OpenCheck openCheck; ///< empty: the ordinary open of each device
};

/// Probes the ports one after the other and prints each radio that answers (port, device,
/// model, band). 0 when one did; 1 with "No radio answered." (or the permission advice
/// when no port could be opened for lack of it) otherwise.
int FindRadios(const QList<rv::jobs::ProbeTarget>& targets, const FindOptions& options,
               std::FILE* out, std::FILE* err);

} // namespace rv::cli
