// Level 2: the commands a host sends outside a press, each leaving nothing
// held, and the render passing its input through unchanged at every depth.
#include <string>

#include "Checks.h"
#include "Host.h"
#include "WhatIsHeld.h"
#include "render/PixelWorld.h"
#include "SmartRenderSession.h"

namespace validator {

namespace {

void AboutNamesTheEffect(const CheckContext& context) {
    simhost::Host host(context.plugin_path);
    RequireEqual(host.About(), PF_Err_NONE, "About returning");
    const std::string text = host.OutData().return_msg;
    const std::string name = host.Properties().PascalString(simhost::FourCC("name")).value_or("");
    Require(text.rfind(name + ", v", 0) == 0, "an About text starting \"" + name + ", v\"", "\"" + text + "\"");
    RequireNothingHeld(host, "after About");
}

void GlobalSetupAndSetdown(const CheckContext& context) {
    simhost::Host host(context.plugin_path);
    RequireEqual(host.GlobalSetup(), PF_Err_NONE, "global set-up returning");
    Require(host.GlobalData() != nullptr, "a global block kept by the host", "none");
    RequireNothingHeld(host, "after global set-up");
    RequireEqual(host.GlobalSetdown(), PF_Err_NONE, "global set-down returning");
    Require(!host.state().handles().Exists(host.GlobalData()), "the global block freed by set-down", "it still live");
    host.InData().global_data = nullptr;
    RequireNothingHeld(host, "after global set-down");
}

void ParamsSetupAddsTheButton(const CheckContext& context) {
    simhost::Host host(context.plugin_path);
    RequireEqual(host.GlobalSetup(), PF_Err_NONE, "global set-up returning");
    RequireEqual(host.ParamsSetup(), PF_Err_NONE, "parameter set-up returning");
    RequireEqual(host.state().Params().size(), 1u, "parameters added:");
    const simhost::AddedParam& button = host.state().Params()[0];
    RequireEqual(button.def.param_type, PF_Param_BUTTON, "a button, parameter type");
    RequireEqual(button.label, std::string("Create Controls"), "the button's label");
    RequireEqual(host.OutData().num_params, 2, "parameters counted with the input:");
    RequireNothingHeld(host, "after parameter set-up");
}

// A frame of one depth, with padded rows, rendered from a patterned input
// into an output world holding something else.
void RenderPassesThrough(const CheckContext& context, simhost::PixelDepth depth) {
    simhost::Host host(context.plugin_path);
    RequireEqual(host.GlobalSetup(), PF_Err_NONE, "global set-up returning");
    simhost::PixelWorld input(depth, 7, 5, 12);
    simhost::PixelWorld output(depth, 7, 5, 12);
    input.FillPattern(3);
    output.FillPattern(99);
    const std::vector<unsigned char> before = input.PixelBytes();
    {
        simhost::SmartRenderSession session(host, input, output);
        RequireEqual(session.RenderFrame(), PF_Err_NONE, "pre-render and render returning");
    }
    Require(output.PixelBytes() == before, "the output equal to the input byte for byte", "other bytes");
    Require(input.PixelBytes() == before, "the input left as it was", "it changed");
    Require(output.PaddingIs(simhost::PixelWorld::kPaddingByte), "the output's row padding untouched",
            "bytes written past a row's pixels");
    RequireNothingHeld(host, "after the frame");
}

}  // namespace

std::vector<Check> CommandChecks() {
    return {
        {"commands.about", 2, "About answers with the effect's name and version and holds nothing.",
         AboutNamesTheEffect},
        {"commands.global-setup-setdown", 2,
         "Global set-up leaves the host one global block, and set-down frees it.", GlobalSetupAndSetdown},
        {"commands.params-setup", 2, "Parameter set-up adds the one button, Create Controls.",
         ParamsSetupAddsTheButton},
        {"commands.render-8bpc", 2,
         "Smart pre-render and render copy an 8-bit input to the output byte for byte.",
         [](const CheckContext& context) { RenderPassesThrough(context, simhost::PixelDepth::Eight); }},
        {"commands.render-16bpc", 2,
         "Smart pre-render and render copy a 16-bit input to the output byte for byte.",
         [](const CheckContext& context) { RenderPassesThrough(context, simhost::PixelDepth::Sixteen); }},
        {"commands.render-32bpc", 2,
         "Smart pre-render and render copy a 32-bit float input to the output byte for byte.",
         [](const CheckContext& context) { RenderPassesThrough(context, simhost::PixelDepth::Float); }},
    };
}

}  // namespace validator
