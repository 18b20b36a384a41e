// The host calls of one command, in the order the effect made them, with
// their arguments as data. Nothing is formatted until the trace is printed.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "bookkeeping/TraceArg.h"

namespace simhost {

struct HostCall {
    std::string_view op;  // the operation's name, as the host's interface spells it
    std::vector<TraceArg> args;
    bool failable;  // whether a fault armed for this call can make it fail
};

// "AEGP_DisposeStream(stream7)"
std::ostream& operator<<(std::ostream& out, const HostCall& call);

class Trace {
public:
    // Starts afresh for a command, or for a routine of the effect's that
    // the host calls, under the label the printed trace marks it with.
    void Start(std::string label);
    // The command's result, for the printed trace's closing mark.
    void Finish(long result) { result_ = result; }

    // Callers ask Recording() first, so that a trace that is off costs no
    // more than a count.
    void Record(std::string_view op, std::vector<TraceArg> args, bool failable) {
        ++size_;
        if (recording_) calls_.push_back({op, std::move(args), failable});
    }
    // A call made while the trace is not recording: only counted.
    void Tally() { ++size_; }

    // Off, the trace only counts calls: for long runs whose every call
    // would not fit in memory.
    void SetRecording(bool on) { recording_ = on; }
    bool Recording() const { return recording_; }

    const std::vector<HostCall>& Calls() const { return calls_; }
    size_t Size() const { return size_; }
    std::vector<std::string> Ops() const;
    size_t Count(std::string_view op) const;
    // The calls of `op`, in order.
    std::vector<HostCall> CallsOf(std::string_view op) const;

    // The command's mark, its calls one a line, and the closing mark with
    // the result:
    //   == PF_Cmd_GLOBAL_SETUP
    //   AcquireSuite("PF Handle Suite", 2)
    //   ...
    //   == PF_Cmd_GLOBAL_SETUP returned 0
    void Print(std::ostream& out) const;
    std::string Describe() const;

private:
    std::string label_;
    std::optional<long> result_;
    std::vector<HostCall> calls_;
    size_t size_ = 0;
    bool recording_ = true;
};

}  // namespace simhost
