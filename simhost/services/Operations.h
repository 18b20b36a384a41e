// Every operation the host serves, named as the host's interface names it:
// the names the trace shows and faults are armed by.
#pragma once

#include <cstddef>
#include <string_view>

namespace simhost {

#define SIMHOST_FOR_EACH_OPERATION(X)                                                                  \
    /* the basic suite */                                                                              \
    X(AcquireSuite) X(ReleaseSuite) X(IsEqual) X(AllocateBlock) X(FreeBlock) X(ReallocateBlock)       \
    X(Undefined)                                                                                       \
    /* the utility and interaction callbacks */                                                        \
    X(sprintf) X(strcpy) X(atan) X(atan2) X(add_param) X(copy)                                         \
    X(host_new_handle) X(host_lock_handle) X(host_unlock_handle) X(host_dispose_handle)                 \
    X(host_get_handle_size) X(host_resize_handle)                                                      \
    /* the smart-render callbacks */                                                                   \
    X(checkout_layer) X(checkout_layer_pixels) X(checkin_layer_pixels) X(checkout_output)              \
    /* "AEGP Utility Suite" */                                                                         \
    X(AEGP_RegisterWithAEGP) X(AEGP_StartUndoGroup) X(AEGP_EndUndoGroup)                               \
    /* "AEGP PF Interface Suite" */                                                                    \
    X(AEGP_GetEffectLayer) X(AEGP_ConvertEffectToCompTime) X(AEGP_GetEffectCamera)                     \
    X(AEGP_GetEffectCameraMatrix)                                                                      \
    /* "AEGP Effect Suite" */                                                                          \
    X(AEGP_GetLayerNumEffects) X(AEGP_GetLayerEffectByIndex) X(AEGP_GetInstalledKeyFromLayerEffect)    \
    X(AEGP_GetEffectFlags) X(AEGP_SetEffectFlags) X(AEGP_DisposeEffect) X(AEGP_ApplyEffect)            \
    X(AEGP_GetNumInstalledEffects) X(AEGP_GetNextInstalledEffect) X(AEGP_GetEffectName)                \
    X(AEGP_GetEffectMatchName)                                                                         \
    /* "AEGP Stream Suite" */                                                                          \
    X(AEGP_GetEffectNumParamStreams) X(AEGP_GetNewEffectStreamByIndex) X(AEGP_DisposeStream)           \
    X(AEGP_GetStreamName) X(AEGP_GetStreamType) X(AEGP_GetNewStreamValue) X(AEGP_DisposeStreamValue)   \
    X(AEGP_SetStreamValue)                                                                             \
    /* "AEGP Dynamic Stream Suite" */                                                                  \
    X(AEGP_GetNewParentStreamRef) X(AEGP_SetStreamName)                                                \
    /* "AEGP Memory Suite" */                                                                          \
    X(AEGP_NewMemHandle) X(AEGP_FreeMemHandle) X(AEGP_LockMemHandle) X(AEGP_UnlockMemHandle)           \
    X(AEGP_GetMemHandleSize) X(AEGP_ResizeMemHandle) X(AEGP_SetMemReportingOn) X(AEGP_GetMemStats)     \
    /* "AEGP Keyframe Suite" */                                                                        \
    X(AEGP_GetStreamNumKFs) X(AEGP_DeleteKeyframe) X(AEGP_StartAddKeyframes) X(AEGP_AddKeyframes)      \
    X(AEGP_SetAddKeyframe) X(AEGP_EndAddKeyframes)                                                     \
    /* "AEGP Layer Suite" and "AEGP Comp Suite" */                                                     \
    X(AEGP_GetLayerParentComp) X(AEGP_GetLayerInPoint) X(AEGP_GetLayerDuration)                        \
    X(AEGP_GetCompFrameDuration)

#define SIMHOST_OPERATION_ENUMERATOR(name) name,
enum class Op : unsigned char { SIMHOST_FOR_EACH_OPERATION(SIMHOST_OPERATION_ENUMERATOR) };
#undef SIMHOST_OPERATION_ENUMERATOR

#define SIMHOST_OPERATION_COUNT(name) +1
constexpr std::size_t kOperationCount = 0 SIMHOST_FOR_EACH_OPERATION(SIMHOST_OPERATION_COUNT);
#undef SIMHOST_OPERATION_COUNT

std::string_view OpName(Op op);

}  // namespace simhost
