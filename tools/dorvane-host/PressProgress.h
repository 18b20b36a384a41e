// Progress of a long press on a terminal: the press runs inside the
// effect, so progress is counted from the camera queries it makes.
#pragma once

#include <chrono>
#include <cstdio>
#include <string_view>

#include "Host.h"

namespace dorvane_host {

// Whether `stream` is a terminal, where progress is worth showing.
bool IsTerminal(std::FILE* stream);

class PressProgress {
public:
    // Reports on `out` while `host` serves the press of a layer of `frames`
    // frames, if `show`; otherwise stays silent.
    PressProgress(simhost::Host& host, long long frames, bool show, std::FILE* out);
    ~PressProgress();
    PressProgress(const PressProgress&) = delete;
    PressProgress& operator=(const PressProgress&) = delete;

private:
    void OnCall(std::string_view op);

    simhost::Host& host_;
    long long frames_;
    std::FILE* out_;
    long long queries_ = 0;
    bool shown_ = false;
    std::chrono::steady_clock::time_point next_report_;
};

}  // namespace dorvane_host
