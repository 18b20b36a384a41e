// Loads the plug-in into the simulated host, runs the commands a host sends
// when it first meets an effect, presses "Create Controls" on the built-in
// scene, and prints what the host saw.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <string>

#include "Host.h"
#include "project/DemoScene.h"

namespace {

std::string Printable(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\r' ? std::string("\\r") : std::string(1, c);
    return out;
}

std::string Hex(unsigned long value) {
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "0x%08lx", value);
    return buffer;
}

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

std::string MatchName(simhost::Project& project, AEGP_InstalledEffectKey key) {
    const simhost::InstalledEffect* effect = project.FindInstalled(key);
    return effect == nullptr ? "?" : effect->match_name;
}

std::string Format(const AEGP_StreamVal2& value, AEGP_StreamType type) {
    char buffer[96];
    if (type == AEGP_StreamType_OneD) {
        std::snprintf(buffer, sizeof(buffer), "%.6f", value.one_d);
    } else {
        std::snprintf(buffer, sizeof(buffer), "(%.4f, %.4f, %.4f)", value.three_d.x, value.three_d.y,
                      value.three_d.z);
    }
    return buffer;
}

void PrintControls(simhost::Host& host) {
    const simhost::Layer& layer = *host.project().FindLayer(host.Instance().layer_id);
    std::printf("\n%-14s %-22s %-4s %5s  %-32s %s\n", "Control", "Kind", "On", "Keys", "First", "Last");
    for (const simhost::EffectInstance& effect : layer.effects) {
        if (effect.uid == host.Instance().effect_uid || effect.params.size() < 2) continue;
        const simhost::Stream& value = effect.params[1];
        const bool keyed = !value.keyframes.empty();
        const std::string first = Format(keyed ? value.keyframes.front().value : value.value, value.type);
        const std::string last = keyed ? Format(value.keyframes.back().value, value.type) : "(static)";
        std::printf("%-14s %-22s %-4s %5zu  %-32s %s\n", Narrow(effect.name).c_str(),
                    MatchName(host.project(), effect.key).c_str(),
                    (effect.flags & AEGP_EffectFlags_ACTIVE) != 0 ? "on" : "off", value.keyframes.size(),
                    first.c_str(), last.c_str());
    }
}

int Fail(const char* step, PF_Err err) {
    std::cerr << step << " failed with host error " << err << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Drive the Dorvane plug-in in the simulated host"};
    std::string plugin = DORVANE_PLUGIN_PATH;
    bool show_trace = false;
    app.add_option("--plugin", plugin, "the built plug-in library")->capture_default_str();
    app.add_flag("--trace", show_trace, "print every host call");
    CLI11_PARSE(app, argc, argv);

    try {
        simhost::Host host(plugin);
        std::cout << "Loaded " << plugin << "\n";
        if (show_trace) host.PrintTraceTo(&std::cout);

        if (PF_Err err = host.About()) return Fail("About", err);
        std::cout << "About:          " << Printable(host.OutData().return_msg) << "\n";

        if (PF_Err err = host.GlobalSetup()) return Fail("Global set-up", err);
        const PF_OutData& setup = host.OutData();
        std::cout << "Version:        " << Hex(setup.my_version) << "\n"
                  << "Out flags:      " << Hex(static_cast<unsigned long>(setup.out_flags)) << "\n"
                  << "Out flags 2:    " << Hex(static_cast<unsigned long>(setup.out_flags2)) << "\n"
                  << "Registered as:  \"" << host.Registrations().back() << "\", plug-in id "
                  << host.LastPluginId() << "\n";

        if (PF_Err err = host.ParamsSetup()) return Fail("Parameter set-up", err);
        for (const simhost::AddedParam& param : host.Params()) {
            std::cout << "Parameter:      button \"" << param.label << "\" (id " << param.def.uu.id
                      << ", flags " << Hex(static_cast<unsigned long>(param.def.flags)) << ")\n";
        }
        std::cout << "Parameters:     " << host.OutData().num_params << "\n";

        simhost::UseDemoScene(host.project(), host.Instance().layer_id);
        const simhost::Composition& comp = host.project().comp;
        std::cout << "Scene:          " << comp.width << "x" << comp.height << " at "
                  << static_cast<double>(comp.frame_duration.scale) / comp.frame_duration.value
                  << " fps, a moving, zooming camera\n";
        if (PF_Err err = host.UserChangedParam(1)) return Fail("Create Controls", err);
        std::cout << "Create Controls: " << host.trace().Size() << " host calls, undo step \""
                  << host.undo().Steps().back().label << "\"\n";
        PrintControls(host);
        std::cout << "\n";

        if (PF_Err err = host.GlobalSetdown()) return Fail("Global set-down", err);
        const bool clean = host.ledger().Empty() && host.ledger().Violations().empty() &&
                           host.handles().Live() == 0;
        std::cout << "Host ledger:    " << (clean ? "nothing held" : host.ledger().Report()) << "\n";
        return clean ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
