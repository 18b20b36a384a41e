#include "bookkeeping/Trace.h"

#include <algorithm>

namespace simhost {

std::vector<std::string> Trace::Ops() const {
    std::vector<std::string> ops;
    ops.reserve(calls_.size());
    for (const HostCall& call : calls_) ops.push_back(call.op);
    return ops;
}

size_t Trace::Count(const std::string& op) const {
    return static_cast<size_t>(
        std::count_if(calls_.begin(), calls_.end(), [&](const HostCall& call) { return call.op == op; }));
}

std::string Trace::Describe() const {
    std::string out;
    for (const HostCall& call : calls_) out += call.op + "(" + call.args + ")\n";
    return out;
}

}  // namespace simhost
