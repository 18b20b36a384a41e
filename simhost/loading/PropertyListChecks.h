// What the host makes of a plug-in's property list: whether it loads the
// code at all, which function it calls, and what it warns about once global
// set-up has reported the effect's version and flags.
#pragma once

#include <string>
#include <vector>

#include "AE_Effect.h"
#include "loading/PropertyList.h"

namespace simhost {

// The key under which this platform's host finds the entry function.
std::uint32_t EntryPointKey();

// The entry function's name for this platform. Throws PropertyListError
// for a list that is not an effect's or names no entry function here.
std::string EffectEntryName(const PropertyList& list);

// One message for each of eVER, eGLO and eGL2 that differs from what
// global set-up put into `out`.
std::vector<std::string> GlobalSetupMismatches(const PropertyList& list, const PF_OutData& out);

}  // namespace simhost
