#pragma once

#include "data/FleetUnits.h"
#include "jobs/FleetStation.h"

#include <QList>

#include <memory>
#include <string>
#include <vector>

namespace rv::jobs {

/// The documents of a fleet whose radios each get values of their own: the fleet's document
/// with the radio's plan stored (`--each` values counted by the radio's number, the row of its
/// serial number in the units file). The radio on the k-th port is radio k; radios that come
/// later on a repeating port are numbered on.
class FleetDocuments {
public:
    FleetDocuments(const rv::Session& base, const rv::FleetValues& values);

    /// Before the run: every value the run can give, checked by its setting's rule, and the
    /// identities that would be the same in two radios, for `ports` ports. Empty when the run
    /// may start.
    std::vector<std::string> checkAhead(int ports) const;
    /// What the fleet's stations ask for each radio they identified on one of `ports`: the
    /// first radios of all ports are checked together, once all their serial numbers are read.
    std::shared_ptr<RadioDocuments> documentFor(const QList<ProbeTarget>& ports);

    struct State;

private:
    std::shared_ptr<State> state_;
};

/// The result word (as the log keeps it) of a radio whose serial number has no row in the
/// units file.
QString NotInUnitsWord();

} // namespace rv::jobs
