// "AEGP Keyframe Suite" 4: the keyframes of a parameter stream.
#include "Host.h"
#include "services/ReferenceLookup.h"
#include "services/Services.h"

namespace simhost {

namespace {

A_Err GetStreamNumKFs(AEGP_StreamRefH stream, A_long* countPL) {
    return Guarded("AEGP_GetStreamNumKFs", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_GetStreamNumKFs", ArgList(stream));
        if (injected != A_Err_NONE) return injected;
        const StreamTarget* target = StreamTargetBehind(host, stream, "AEGP_GetStreamNumKFs");
        if (countPL == nullptr || target == nullptr) return A_Err_PARAMETER;
        const Stream* param = ParamStreamBehind(host, stream, "AEGP_GetStreamNumKFs");
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
    return Guarded("AEGP_DeleteKeyframe", [&]() -> A_Err {
        Host& host = Host::Active();
        const A_Err injected = host.Enter("AEGP_DeleteKeyframe", ArgList(stream, index));
        if (injected != A_Err_NONE) return injected;
        if (StreamTargetBehind(host, stream, "AEGP_DeleteKeyframe") == nullptr) return A_Err_PARAMETER;
        Stream* param = ParamStreamBehind(host, stream, "AEGP_DeleteKeyframe");
        if (param == nullptr || index < 0 ||
            static_cast<std::size_t>(index) >= param->keyframes.size()) {
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
