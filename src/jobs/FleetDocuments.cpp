#include "jobs/FleetDocuments.h"

#include "data/FleetRules.h"

#include <algorithm>
#include <set>

namespace rv::jobs {

struct FleetDocuments::State {
    rv::Session base;
    rv::FleetPlanner planner;
    std::set<QString> portsSeen; ///< ports whose first radio has been planned
    int highest = 0;             ///< the highest number planned
};

FleetDocuments::FleetDocuments(const rv::Session& base, const rv::FleetValues& values)
    : state_(std::make_shared<State>(
          State{base, rv::FleetPlanner(values, rv::CatalogueRules(base), base.CurLanguage), {}})) {}

std::vector<std::string> FleetDocuments::checkAhead(int ports) const {
    std::vector<std::string> refusals;
    for (const auto& key : state_->planner.values().keys())
        if (auto why = rv::PerRadioKeyRefusal(key, state_->base.CurLanguage); !why.empty())
            refusals.push_back(why);
    if (!refusals.empty()) return refusals;
    return state_->planner.checkAhead(ports);
}

DocumentForRadio FleetDocuments::documentFor(const QList<ProbeTarget>& ports) {
    return [state = state_, ports](FleetRecord& radio, QString* why) -> std::optional<rv::Session> {
        // The first radio of a port is numbered by the port's place; later ones (repeating)
        // after every port's first, so no two radios share a number.
        int number = std::max(state->highest, static_cast<int>(ports.size())) + 1;
        for (int i = 0; i < ports.size(); ++i)
            if (ports[i].device == radio.target.device &&
                state->portsSeen.insert(ports[i].device).second)
                number = i + 1;
        rv::RadioPlan plan;
        const auto refusals = state->planner.plan(number, radio.serial, &plan);
        const int language = state->base.CurLanguage;
        if (!refusals.empty()) {
            QStringList lines;
            for (const auto& r : refusals)
                lines << QString::fromStdString(r);
            *why = lines.join(QLatin1Char('\n'));
            return std::nullopt;
        }
        state->highest = std::max(state->highest, plan.number);
        radio.values = rv::ValuesText(plan.values);
        if (!plan.inUnits) {
            radio.result = NotInUnitsWord();
            *why = language == rv::Chinese ? QStringLiteral("其序列号在该文件中没有对应的行")
                                           : QStringLiteral("its serial number has no row there");
            return std::nullopt;
        }
        rv::Session own = state->base;
        if (auto refused = rv::ApplyPlan(own, plan)) {
            *why = QString::fromStdString(*refused);
            return std::nullopt;
        }
        return own;
    };
}

QString NotInUnitsWord() {
    return QString::fromStdString(rv::NotInUnitsText(rv::English));
}

} // namespace rv::jobs
