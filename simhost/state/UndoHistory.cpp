#include "state/UndoHistory.h"

namespace simhost {

void UndoHistory::Start(const std::string& label, const Project& project) {
    if (depth_++ == 0) open_ = Step{label, project};
}

bool UndoHistory::End() {
    if (depth_ == 0) return false;
    if (--depth_ == 0) {
        steps_.push_back(std::move(*open_));
        open_.reset();
    }
    return true;
}

std::optional<std::string> UndoHistory::Undo(Project& project) {
    if (steps_.empty() || IsOpen()) return std::nullopt;
    Step step = std::move(steps_.back());
    steps_.pop_back();
    project = std::move(step.before);
    return step.label;
}

}  // namespace simhost
