#include "EffectLibrary.h"

#include <cstring>

#include "ParameterStream.h"
#include "Util/AEGP_SuiteHandler.h"
#include "Util/Held.h"
#include "Utf16Text.h"
#include "shared_array.h"

namespace {

// An effect's parameter 1; 0 is its input layer.
constexpr PF_ParamIndex kFirstParameter = 1;

// The host's buffer read as a string up to its first NUL; a host that fills
// all of it without one is not read past its end.
std::string MatchNameIn(const char (&buffer)[AEGP_MAX_EFFECT_MATCH_NAME_SIZE]) {
    const void* nul = std::memchr(buffer, '\0', sizeof buffer);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer)
                       : sizeof buffer;
    return std::string(buffer, length);
}

}  // namespace

A_Err GetEffectKey(PF_InData* in_data, const std::string& match_name,
                   AEGP_InstalledEffectKey* key) {
    if (key == nullptr) return A_Err_PARAMETER;
    *key = 0;
    if (in_data == nullptr) return A_Err_PARAMETER;

    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const AEGP_EffectSuite3* effects = suites.EffectSuite3();

    A_long count = 0;
    A_Err err = effects->AEGP_GetNumInstalledEffects(&count);

    char buffer[AEGP_MAX_EFFECT_MATCH_NAME_SIZE] = {};
    AEGP_InstalledEffectKey current = 0;
    for (A_long i = 0; i < count && err == A_Err_NONE; ++i) {
        err = effects->AEGP_GetNextInstalledEffect(current, &current);
        if (err == A_Err_NONE) err = effects->AEGP_GetEffectMatchName(current, buffer);
        if (err == A_Err_NONE && MatchNameIn(buffer) == match_name) {
            *key = current;
            break;
        }
    }
    return err;
}

A_Err SetEffectName(AEGP_PluginID plugin_id, PF_InData* in_data, AEGP_EffectRefH effect,
                    const std::string& name) {
    if (in_data == nullptr) return A_Err_PARAMETER;

    ParameterStream parameter(*in_data);
    AEGP_SuiteHandler& suites = parameter.Suites();
    Held<AEGP_StreamRefH> parent(parameter.Streams()->AEGP_DisposeStream);

    A_Err err = parameter.Open(plugin_id, effect, kFirstParameter);
    if (err == A_Err_NONE) {
        AEGP_StreamRefH obtained = nullptr;
        err = suites.DynamicStreamSuite4()->AEGP_GetNewParentStreamRef(plugin_id, parameter.Get(),
                                                                        &obtained);
        if (err == A_Err_NONE) parent.Adopt(obtained);
    }

    shared_array<A_UTF16Char> units(new A_UTF16Char[name.size() + 1]);
    CopyAsUtf16(name, units.get());

    if (err == A_Err_NONE) {
        err = suites.DynamicStreamSuite4()->AEGP_SetStreamName(parent.Get(), units.get());
    }

    parameter.Release(err);
    parent.Release(err);
    return err;
}
