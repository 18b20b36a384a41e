// "AEGP Keyframe Suite" 4: the keyframes of a parameter stream.
#include "services/ReferenceLookup.h"
#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetStreamNumKFs(AEGP_StreamRefH stream, A_long* countPL) {
    return Serve(Op::AEGP_GetStreamNumKFs, Args(stream), [&](ServiceContext& host) -> A_Err {
        const StreamTarget* target = StreamTargetBehind(host, stream);
        if (countPL == nullptr || target == nullptr) return A_Err_PARAMETER;
        const Stream* param = ParamStreamOf(host, *target);
        if (target->IsGroup() || (param != nullptr && !param->HasValue())) {
            // A group or a button has no keyframes to count.
            *countPL = AEGP_NumKF_NO_DATA;
            return A_Err_NONE;
        }
        if (param == nullptr) return A_Err_PARAMETER;
        *countPL = static_cast<A_long>(param->keyframes.size());
        return A_Err_NONE;
    });
}

A_Err DeleteKeyframe(AEGP_StreamRefH stream, AEGP_KeyframeIndex index) {
    return Serve(Op::AEGP_DeleteKeyframe, Args(stream, index), [&](ServiceContext& host) -> A_Err {
        Stream* param = ParamStreamBehind(host, stream);
        if (param == nullptr || index < 0 || static_cast<std::size_t>(index) >= param->keyframes.size()) {
            return A_Err_PARAMETER;
        }
        // Without its last keyframe a stream keeps the value it had there.
        if (param->keyframes.size() == 1) param->value = param->keyframes.front().value;
        param->keyframes.erase(param->keyframes.begin() + index);
        return A_Err_NONE;
    });
}

AEGP_KeyframeSuite4 KeyframeSuite4Table() {
    AEGP_KeyframeSuite4 suite{};
    suite.AEGP_GetStreamNumKFs = GetStreamNumKFs;
    suite.AEGP_DeleteKeyframe = DeleteKeyframe;
    FillKeyframeBatchOps(suite);
    return suite;
}

const AEGP_KeyframeSuite4 kKeyframeSuite4 = KeyframeSuite4Table();

}  // namespace

void OfferKeyframeSuite(SuiteDirectory& suites) {
    suites.Offer(kAEGPKeyframeSuite, kAEGPKeyframeSuiteVersion4, &kKeyframeSuite4);
}

}  // namespace simhost
