#include "ParameterStream.h"

ParameterStream::ParameterStream(const PF_InData& in_data)
    : suites_(in_data.pica_basicP), streams_(suites_.StreamSuite4()), stream_(streams_->AEGP_DisposeStream) {}

A_Err ParameterStream::Open(AEGP_PluginID plugin_id, AEGP_EffectRefH effect, PF_ParamIndex param_index) {
    AEGP_StreamRefH obtained = nullptr;
    const A_Err err = streams_->AEGP_GetNewEffectStreamByIndex(plugin_id, effect, param_index, &obtained);
    if (err == A_Err_NONE) stream_.Adopt(obtained);
    return err;
}
