#include "jobs/FleetDocuments.h"

#include "data/FleetRules.h"

#include <algorithm>
#include <map>
#include <set>

namespace rv::jobs {

struct FleetDocuments::State {
    rv::Session base;
    rv::FleetPlanner planner;
    std::set<QString> portsSeen; ///< ports whose first radio has been planned
    int highest = 0;             ///< the highest number planned
};

namespace {

// A radio asking for its document, and where the answer goes.
struct Asking {
    FleetRecord radio;
    RadioDocuments::Reply reply;
};

// The documents of one run over `ports`. The first radio of every port is held until each
// port has either read its radio's serial number or ended without one; then all of them are
// planned and checked together, so that no radio is written while another's values may
// still collide with its own. Radios that come later (repeating) are planned one by one,
// against all planned before.
class PlannedDocuments : public RadioDocuments {
public:
    PlannedDocuments(std::shared_ptr<FleetDocuments::State> state, const QList<ProbeTarget>& ports)
        : state_(std::move(state)), ports_(ports) {}

    void ask(const FleetRecord& radio, Reply reply) override {
        if (gathered_) return reply(planAlone(radio));
        held_[radio.target.device] = {radio, std::move(reply)};
        release();
    }

    void passed(const ProbeTarget& target) override {
        settled_.insert(target.device);
        release();
    }

private:
    int language() const { return state_->base.CurLanguage; }

    int portNumber(const QString& device) const {
        for (int i = 0; i < ports_.size(); ++i)
            if (ports_[i].device == device) return i + 1;
        return 0;
    }

    void release() {
        if (gathered_) return;
        for (const auto& p : ports_)
            if (!settled_.count(p.device) && !held_.count(p.device)) return;
        gathered_ = true;
        std::vector<rv::FleetPlanner::Radio> radios;
        std::vector<Asking> asking;
        for (const auto& p : ports_) // in port order, so that radio k is on the k-th port
            if (auto it = held_.find(p.device); it != held_.end()) {
                state_->portsSeen.insert(p.device);
                radios.push_back({portNumber(p.device), it->second.radio.serial});
                asking.push_back(std::move(it->second));
            }
        held_.clear();
        std::vector<rv::RadioPlan> plans;
        const auto refusals = state_->planner.planAll(radios, &plans);
        for (std::size_t i = 0; i < asking.size(); ++i)
            asking[i].reply(refusals.empty() ? answerOf(plans[i]) : refused(refusals));
    }

    Answer planAlone(const FleetRecord& radio) {
        // The first radio of a port is numbered by the port's place; later ones (repeating)
        // after every port's first, so no two radios share a number.
        int number = std::max(state_->highest, static_cast<int>(ports_.size())) + 1;
        if (state_->portsSeen.insert(radio.target.device).second)
            number = portNumber(radio.target.device);
        rv::RadioPlan plan;
        const auto refusals = state_->planner.plan(number, radio.serial, &plan);
        return refusals.empty() ? answerOf(plan) : refused(refusals);
    }

    Answer refused(const std::vector<std::string>& refusals) const {
        QStringList lines;
        for (const auto& r : refusals)
            lines << QString::fromStdString(r);
        return {std::nullopt, lines.join(QLatin1Char('\n')), {}, {}};
    }

    Answer answerOf(const rv::RadioPlan& plan) const {
        state_->highest = std::max(state_->highest, plan.number);
        Answer a{std::nullopt, {}, {}, rv::ValuesText(plan.values)};
        if (!plan.inUnits) {
            a.result = NotInUnitsWord();
            a.why = language() == rv::Chinese
                        ? QStringLiteral("其序号在该文件中没有对应的行")
                        : QStringLiteral("its serial number has no row there");
            return a;
        }
        rv::Session own = state_->base;
        if (auto why = rv::ApplyPlan(own, plan))
            a.why = QString::fromStdString(*why);
        else
            a.document = std::move(own);
        return a;
    }

    std::shared_ptr<FleetDocuments::State> state_;
    QList<ProbeTarget> ports_;
    std::map<QString, Asking> held_; ///< first radios waiting for the others, by device
    std::set<QString> settled_;      ///< ports whose first radio ended without asking
    bool gathered_ = false;          ///< the first radios are planned
};

} // namespace

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

std::shared_ptr<RadioDocuments> FleetDocuments::documentFor(const QList<ProbeTarget>& ports) {
    return std::make_shared<PlannedDocuments>(state_, ports);
}

QString NotInUnitsWord() {
    return QString::fromStdString(rv::NotInUnitsText(rv::English));
}

} // namespace rv::jobs
