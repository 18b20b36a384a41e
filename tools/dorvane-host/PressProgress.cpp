#include "PressProgress.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace dorvane_host {

bool IsTerminal(std::FILE* stream) {
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

namespace {

constexpr auto kReportEvery = std::chrono::milliseconds(100);
constexpr long long kQueriesBetweenClockReads = 512;

}  // namespace

PressProgress::PressProgress(simhost::Host& host, long long frames, bool show, std::FILE* out)
    : host_(host), frames_(frames), out_(out), next_report_(std::chrono::steady_clock::now() + kReportEvery) {
    if (show && frames > 0) host_.state().ObserveCalls([this](std::string_view op) { OnCall(op); });
}

PressProgress::~PressProgress() {
    host_.state().ObserveCalls(nullptr);
    if (shown_) std::fprintf(out_, "\r%60s\r", "");
}

void PressProgress::OnCall(std::string_view op) {
    if (op != "AEGP_GetEffectCameraMatrix") return;
    ++queries_;
    if (queries_ % kQueriesBetweenClockReads != 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (now < next_report_) return;
    next_report_ = now + kReportEvery;
    // The first query reads the aspect; the rest are one a frame.
    const long long done = queries_ > 1 ? queries_ - 1 : 0;
    std::fprintf(out_, "\rRecording the camera: %3lld%% (%lld of %lld frames)", done * 100 / frames_, done, frames_);
    std::fflush(out_);
    shown_ = true;
}

}  // namespace dorvane_host
