#include "bookkeeping/Faults.h"

#include <algorithm>

namespace simhost {

void Faults::RefuseSuite(std::string name, int version, Refusal how) {
    suites_.push_back({std::move(name), version, how});
}

void Faults::RefuseAcquisition(int nth, Refusal how) { acquisitions_.push_back({nth, how}); }

void Faults::FailCall(int nth, A_Err code) { calls_.push_back({std::string(), nth, code}); }

void Faults::FailOperation(std::string op, int nth, A_Err code) {
    calls_.push_back({std::move(op), nth, code});
}

void Faults::Clear() {
    suites_.clear();
    acquisitions_.clear();
    calls_.clear();
}

bool Faults::Armed() const { return !suites_.empty() || !acquisitions_.empty() || !calls_.empty(); }

std::optional<Refusal> Faults::OnAcquire(std::string_view name, int version, int acquisition) {
    for (const SuiteRefusal& refusal : suites_) {
        if (refusal.name == name && refusal.version == version) return refusal.how;
    }
    auto found = std::find_if(acquisitions_.begin(), acquisitions_.end(),
                              [&](const AcquisitionRefusal& refusal) { return refusal.nth == acquisition; });
    if (found == acquisitions_.end()) return std::nullopt;
    const Refusal how = found->how;
    acquisitions_.erase(found);
    return how;
}

std::optional<A_Err> Faults::OnCall(std::string_view op, int call, int opCall) {
    auto found = std::find_if(calls_.begin(), calls_.end(), [&](const CallFailure& failure) {
        return failure.op.empty() ? failure.nth == call : failure.op == op && failure.nth == opCall;
    });
    if (found == calls_.end()) return std::nullopt;
    const A_Err code = found->code;
    calls_.erase(found);
    return code;
}

}  // namespace simhost
