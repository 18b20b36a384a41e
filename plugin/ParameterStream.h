// The opening every routine on one parameter of an effect shares: a suite
// handler of the routine's own, the stream suite, and the parameter's
// stream, held until the routine gives it back. A refused suite throws the
// handler's error code from the constructor.
#pragma once

#include "AE_Effect.h"
#include "AE_GeneralPlug.h"
#include "Util/AEGP_SuiteHandler.h"
#include "Util/Held.h"

class ParameterStream {
public:
    explicit ParameterStream(const PF_InData& in_data);
    ParameterStream(const ParameterStream&) = delete;
    ParameterStream& operator=(const ParameterStream&) = delete;

    // Takes the stream of the effect's parameter at param_index, which is
    // held only once the host has given it.
    A_Err Open(AEGP_PluginID plugin_id, AEGP_EffectRefH effect, PF_ParamIndex param_index);

    AEGP_SuiteHandler& Suites() { return suites_; }
    const AEGP_StreamSuite4* Streams() const { return streams_; }
    AEGP_StreamRefH Get() const { return stream_.Get(); }

    // Gives the stream back, if held, folding the host's code into `err`.
    void Release(A_Err& err) { stream_.Release(err); }

private:
    AEGP_SuiteHandler suites_;
    const AEGP_StreamSuite4* const streams_;
    Held<AEGP_StreamRefH> stream_;
};
