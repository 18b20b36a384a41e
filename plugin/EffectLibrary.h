// Lookup of installed effects and renaming of effect instances. Each routine
// builds its own suite handler and keeps nothing between calls; a refused
// suite throws the handler's error code.
#pragma once

#include <string>

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"

// The key of the first installed effect whose match name equals match_name
// byte for byte, or 0 when none does (not an error). The key is 0 after any
// failure.
A_Err GetEffectKey(PF_InData* in_data, const std::string& match_name,
                   AEGP_InstalledEffectKey* key);

// Gives the effect instance the display name `name` (bytes up to the first
// NUL, each becoming one UTF-16 unit).
A_Err SetEffectName(AEGP_PluginID plugin_id, PF_InData* in_data, AEGP_EffectRefH effect,
                    const std::string& name);
