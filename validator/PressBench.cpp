#include "PressBench.h"

#include <optional>

#include "ExactSpan.h"
#include "WhatIsHeld.h"
#include "scenes/DemoScene.h"
#include "project/ProjectDump.h"

namespace validator {

namespace {

std::string ErrorText(PF_Err err) { return "error " + std::to_string(err); }

// The first line in which two dumps of the project differ.
std::string FirstDifference(const std::string& expected, const std::string& found) {
    std::size_t start = 0;
    while (true) {
        const std::size_t expected_end = expected.find('\n', start);
        const std::size_t found_end = found.find('\n', start);
        const std::string expected_line = expected.substr(start, expected_end - start);
        const std::string found_line = found.substr(start, found_end - start);
        if (expected_line != found_line || expected_end == std::string::npos || found_end == std::string::npos) {
            return "\"" + found_line + "\" where the project had \"" + expected_line + "\"";
        }
        start = expected_end + 1;
    }
}

}  // namespace

std::string Describe(const A_Time& time) {
    return "{" + std::to_string(time.value) + ", " + std::to_string(time.scale) + "}";
}

PressBench::PressBench(const std::string& plugin_path) : host(plugin_path) {
    simhost::UseDemoScene(host.state().project(), host.state().Instance().layer_id);
    const PF_Err global = host.GlobalSetup();
    Require(global == PF_Err_NONE, "global set-up to succeed", ErrorText(global));
    const PF_Err params = host.ParamsSetup();
    Require(params == PF_Err_NONE, "parameter set-up to succeed", ErrorText(params));
}

simhost::Layer& PressBench::TheLayer() { return *host.state().project().FindLayer(host.state().Instance().layer_id); }

AEGP_InstalledEffectKey PressBench::KeyOf(const std::string& match_name) {
    const simhost::InstalledEffect* effect = host.state().project().FindInstalledByMatchName(match_name);
    Require(effect != nullptr, "the host to have " + match_name + " installed", "no such effect");
    return effect->key;
}

simhost::EffectInstance& PressBench::AddEffect(const std::string& match_name, const std::string& name) {
    const int uid = host.state().project().ApplyEffect(host.state().Instance().layer_id, KeyOf(match_name));
    simhost::EffectInstance* effect = host.state().project().FindEffect(host.state().Instance().layer_id, uid);
    effect->name = simhost::Utf16FromAscii(name);
    return *effect;
}

std::vector<const simhost::EffectInstance*> PressBench::Find(const std::string& match_name,
                                                             const std::string& name) {
    const AEGP_InstalledEffectKey key = KeyOf(match_name);
    std::vector<const simhost::EffectInstance*> found;
    for (const simhost::EffectInstance& effect : TheLayer().effects) {
        if (effect.key == key && effect.name == simhost::Utf16FromAscii(name)) found.push_back(&effect);
    }
    return found;
}

void PressBench::SetSpan(const A_Time& in_point, const A_Time& duration, const A_Time& frame_duration) {
    TheLayer().in_point = in_point;
    TheLayer().duration = duration;
    host.state().project().comp.frame_duration = frame_duration;
}

std::string PressBench::Dump() const { return simhost::DumpProject(host.state().project()); }

void PressBench::Press() {
    const PF_Err err = host.UserChangedParam(1);
    Require(err == PF_Err_NONE, "the press to succeed", ErrorText(err));
}

void RequirePressRecorded(PressBench& bench) {
    const simhost::Layer& layer = bench.TheLayer();
    const ExactSpan exact(layer.in_point, layer.duration, bench.host.state().project().comp.frame_duration);
    const std::uint64_t frames = exact.CountUpTo(1u << 24);
    std::size_t keyed = 0;
    for (const ControlSpec& control : kControls) {
        const auto found = bench.Find(control.kind, control.name);
        Require(!found.empty(), std::string("a control ") + control.name, "none");
        const simhost::EffectInstance& effect = *found.front();
        Require((effect.flags & AEGP_EffectFlags_ACTIVE) == 0, std::string(control.name) + " switched off",
                "it on");
        const std::size_t keys = effect.params.at(1).keyframes.size();
        RequireEqual(keys, control.keyed ? frames : 0u, std::string(control.name) + " with keys:");
        if (control.keyed) ++keyed;
    }
    // The times as the effect handed them over: each frame's to every
    // animated control in turn.
    const std::vector<simhost::HostCall> added = bench.host.state().trace().CallsOf("AEGP_AddKeyframes");
    RequireEqual(added.size(), keyed * frames, "keys added:");
    for (std::size_t i = 0; i < added.size(); ++i) {
        const std::uint64_t k = i / keyed;
        const A_Time time = added[i].args.at(2).AsTime();
        const std::optional<std::int64_t> ticks = exact.Ticks(k);
        const A_Time expected{static_cast<A_long>(ticks.value_or(0)), exact.Scale()};
        Require(time.value == expected.value && time.scale == expected.scale,
                "frame " + std::to_string(k) + " keyed at " + Describe(expected), Describe(time));
    }
    RequireNothingHeld(bench.host, "after the press");
}

void RequireUndoRestores(PressBench& bench, const std::string& before, std::size_t steps_before) {
    RequireEqual(bench.UndoSteps(), steps_before + 1, "undo steps:");
    const std::optional<std::string> undone = bench.host.Undo();
    Require(undone == std::optional<std::string>(kUndoLabel), std::string("the undo step \"") + kUndoLabel + "\"",
            undone ? "\"" + *undone + "\"" : "none");
    const std::string after = bench.Dump();
    Require(after == before, "the project as it was before the press after one undo",
            FirstDifference(before, after));
}

}  // namespace validator
