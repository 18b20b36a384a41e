#include "bookkeeping/Trace.h"

#include <algorithm>
#include <sstream>

namespace simhost {

std::ostream& operator<<(std::ostream& out, const HostCall& call) {
    out << call.op << '(';
    const char* separator = "";
    for (const TraceArg& arg : call.args) {
        out << separator << arg;
        separator = ", ";
    }
    return out << ')';
}

void Trace::Start(std::string label) {
    label_ = std::move(label);
    result_.reset();
    calls_.clear();
    size_ = 0;
}

std::vector<std::string> Trace::Ops() const {
    std::vector<std::string> ops;
    ops.reserve(calls_.size());
    for (const HostCall& call : calls_) ops.emplace_back(call.op);
    return ops;
}

size_t Trace::Count(std::string_view op) const {
    return static_cast<size_t>(
        std::count_if(calls_.begin(), calls_.end(), [&](const HostCall& call) { return call.op == op; }));
}

std::vector<HostCall> Trace::CallsOf(std::string_view op) const {
    std::vector<HostCall> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [&](const HostCall& call) { return call.op == op; });
    return found;
}

void Trace::Print(std::ostream& out) const {
    out << "== " << label_ << "\n";
    for (const HostCall& call : calls_) out << call << "\n";
    if (calls_.size() != size_) out << "(" << size_ - calls_.size() << " calls not recorded)\n";
    if (result_) out << "== " << label_ << " returned " << *result_ << "\n";
}

std::string Trace::Describe() const {
    std::ostringstream out;
    Print(out);
    return out.str();
}

}  // namespace simhost
