// The host's undo: each outermost undo group is one step that restores the
// project exactly as it was when the group opened.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/Project.h"

namespace simhost {

class UndoHistory {
public:
    struct Step {
        std::string label;
        Project before;
    };

    // Groups nest, as on the host: only the outermost one makes a step.
    void Start(const std::string& label, const Project& project);
    // False when no group is open.
    bool End();
    bool IsOpen() const { return depth_ > 0; }
    int Depth() const { return depth_; }

    // Restores the project as it was before the latest step; the step's
    // label, or nothing when there is no step to undo.
    std::optional<std::string> Undo(Project& project);
    const std::vector<Step>& Steps() const { return steps_; }

private:
    int depth_ = 0;
    std::optional<Step> open_;
    std::vector<Step> steps_;
};

}  // namespace simhost
