// Scenes written as JSON: what the user points the demo at.
#pragma once

#include <stdexcept>
#include <string>

#include "project/Project.h"
#include "scenes/Scene.h"

namespace dorvane_host {

// A scene that cannot be used, with one line that says where and why:
// "FILE: /json/path: expected WHAT, found WHAT".
class SceneError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a scene from JSON text. Effects are checked against the kinds the
// host has installed; `fallback_name` names a scene that does not name
// itself.
simhost::Scene ParseScene(const std::string& text, const std::string& fallback_name,
                          const simhost::Project& host_project);
// Reads a scene file; its messages start with the file's path.
simhost::Scene ReadSceneFile(const std::string& path, const simhost::Project& host_project);

}  // namespace dorvane_host
