// Level 1: the host reads the property list before any code, takes the
// version and flags global set-up reports only when they are the listed
// ones, and calls the entry point the list names.
#include <string>

#include "Checks.h"
#include "Host.h"
#include "loading/PluginLibrary.h"
#include "loading/PropertyListAcceptance.h"
#include "loading/PropertyListChecks.h"

namespace validator {

namespace {

void PropertyListIsAnEffects(const CheckContext& context) {
    try {
        const simhost::PropertyList list = simhost::AcceptEffectPropertyList(context.plugin_path);
        const std::optional<std::string> name = list.PascalString(simhost::FourCC("name"));
        Require(name && !name->empty(), "the list to name the effect", "no name");
    } catch (const simhost::PropertyListError& error) {
        throw CheckFailure("an effect's property list", error.what());
    }
}

void GlobalSetupAgreesWithTheList(const CheckContext& context) {
    simhost::Host host(context.plugin_path);
    const PF_Err err = host.GlobalSetup();
    RequireEqual(err, PF_Err_NONE, "global set-up returning");
    std::string warnings;
    for (const std::string& warning : host.Warnings()) warnings += (warnings.empty() ? "" : "; ") + warning;
    Require(warnings.empty(), "the version and flags of the property list", warnings);
    RequireEqual(host.GlobalSetdown(), PF_Err_NONE, "global set-down returning");
}

void EntryPointFoundByName(const CheckContext& context) {
    std::string name;
    try {
        name = simhost::EffectEntryName(simhost::AcceptEffectPropertyList(context.plugin_path));
    } catch (const simhost::PropertyListError& error) {
        throw CheckFailure("a listed entry point", error.what());
    }
    const simhost::PluginLibrary library(context.plugin_path);
    Require(library.Find(name) != nullptr, "the library to export " + name, "no such symbol");
}

}  // namespace

std::vector<Check> RegistrationChecks() {
    return {
        {"registration.property-list", 1,
         "The property list is found where this platform's host looks and read by its rules, and is an effect's.",
         PropertyListIsAnEffects},
        {"registration.version-and-flags", 1,
         "The version and flags global set-up reports equal those in the property list.",
         GlobalSetupAgreesWithTheList},
        {"registration.entry-point", 1, "The library exports the entry point the property list names.",
         EntryPointFoundByName},
    };
}

}  // namespace validator
