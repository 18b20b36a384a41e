// Loads the plug-in into the simulated host, runs the commands a host sends
// when it first meets an effect, and prints what the host saw.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <string>

#include "Host.h"

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

        if (PF_Err err = host.About()) return Fail("About", err);
        std::cout << "About:          " << Printable(host.OutData().return_msg) << "\n";

        if (PF_Err err = host.GlobalSetup()) return Fail("Global set-up", err);
        const PF_OutData& setup = host.OutData();
        std::cout << "Version:        " << Hex(setup.my_version) << "\n"
                  << "Out flags:      " << Hex(static_cast<unsigned long>(setup.out_flags)) << "\n"
                  << "Out flags 2:    " << Hex(static_cast<unsigned long>(setup.out_flags2)) << "\n"
                  << "Registered as:  \"" << host.Registrations().back() << "\", plug-in id "
                  << host.LastPluginId() << "\n";
        if (show_trace) std::cout << host.trace().Describe();

        if (PF_Err err = host.ParamsSetup()) return Fail("Parameter set-up", err);
        for (const simhost::AddedParam& param : host.Params()) {
            std::cout << "Parameter:      button \"" << param.label << "\" (id " << param.def.uu.id
                      << ", flags " << Hex(static_cast<unsigned long>(param.def.flags)) << ")\n";
        }
        std::cout << "Parameters:     " << host.OutData().num_params << "\n";

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
