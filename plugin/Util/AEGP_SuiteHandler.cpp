#include "AEGP_SuiteHandler.h"

#include "SuiteTable.h"

namespace {

constexpr int kKeyframeSlot = 1;
constexpr int kStreamSlot = 3;
constexpr int kCompSlot = 10;
constexpr int kDynamicStreamSlot = 16;
constexpr int kMemorySlot = 23;
constexpr int kEffectSlot = 33;
constexpr int kUtility7Slot = 37;
constexpr int kHandleSlot = 41;
constexpr int kPFInterfaceSlot = 47;
constexpr int kLayerSlot = 79;
constexpr int kUtility11Slot = 102;

}  // namespace

AEGP_SuiteHandler::AEGP_SuiteHandler(const SPBasicSuite* basic_suite)
    : basic_suite_(basic_suite), slots_() {
    if (basic_suite_ == nullptr) MissingSuiteError();
}

AEGP_SuiteHandler::~AEGP_SuiteHandler() { ReleaseAllSuites(); }

const void* AEGP_SuiteHandler::Acquire(int slot) {
    const void*& held = slots_[slot - 1];
    if (held != nullptr) return held;
    const SuiteBinding* binding = FindSuiteBinding(slot);
    const void* suite = nullptr;
    const SPErr err = basic_suite_->AcquireSuite(binding->name, binding->version, &suite);
    if (err != kSPNoError || suite == nullptr) MissingSuiteError();
    held = suite;
    return held;
}

void AEGP_SuiteHandler::ReleaseSuite(const char* name, int version) {
    basic_suite_->ReleaseSuite(name, version);
}

void AEGP_SuiteHandler::ReleaseAllSuites() {
    for (const SuiteBinding& binding : kSuiteReleaseOrder) {
        if (slots_[binding.slot - 1] != nullptr) ReleaseSuite(binding.name, binding.version);
    }
}

const AEGP_KeyframeSuite4* AEGP_SuiteHandler::KeyframeSuite4() {
    return AcquireAs<AEGP_KeyframeSuite4>(kKeyframeSlot);
}
const AEGP_StreamSuite4* AEGP_SuiteHandler::StreamSuite4() {
    return AcquireAs<AEGP_StreamSuite4>(kStreamSlot);
}
const AEGP_CompSuite8* AEGP_SuiteHandler::CompSuite8() {
    return AcquireAs<AEGP_CompSuite8>(kCompSlot);
}
const AEGP_DynamicStreamSuite4* AEGP_SuiteHandler::DynamicStreamSuite4() {
    return AcquireAs<AEGP_DynamicStreamSuite4>(kDynamicStreamSlot);
}
const AEGP_MemorySuite1* AEGP_SuiteHandler::MemorySuite1() {
    return AcquireAs<AEGP_MemorySuite1>(kMemorySlot);
}
const AEGP_EffectSuite3* AEGP_SuiteHandler::EffectSuite3() {
    return AcquireAs<AEGP_EffectSuite3>(kEffectSlot);
}
const AEGP_UtilitySuite3* AEGP_SuiteHandler::UtilitySuite3() {
    return AcquireAs<AEGP_UtilitySuite3>(kUtility7Slot);
}
const PF_HandleSuite1* AEGP_SuiteHandler::HandleSuite1() {
    return AcquireAs<PF_HandleSuite1>(kHandleSlot);
}
const AEGP_PFInterfaceSuite1* AEGP_SuiteHandler::PFInterfaceSuite1() {
    return AcquireAs<AEGP_PFInterfaceSuite1>(kPFInterfaceSlot);
}
const AEGP_LayerSuite7* AEGP_SuiteHandler::LayerSuite7() {
    return AcquireAs<AEGP_LayerSuite7>(kLayerSlot);
}
const AEGP_UtilitySuite5* AEGP_SuiteHandler::UtilitySuite5() {
    return AcquireAs<AEGP_UtilitySuite5>(kUtility11Slot);
}

// Each accessor's slot must carry the suite its return type declares.
static_assert(SlotBindsTo(kKeyframeSlot, kAEGPKeyframeSuite, kAEGPKeyframeSuiteVersion4), "");
static_assert(SlotBindsTo(kStreamSlot, kAEGPStreamSuite, kAEGPStreamSuiteVersion4), "");
static_assert(SlotBindsTo(kCompSlot, kAEGPCompSuite, kAEGPCompSuiteVersion8), "");
static_assert(SlotBindsTo(kDynamicStreamSlot, kAEGPDynamicStreamSuite,
                          kAEGPDynamicStreamSuiteVersion4), "");
static_assert(SlotBindsTo(kMemorySlot, kAEGPMemorySuite, kAEGPMemorySuiteVersion1), "");
static_assert(SlotBindsTo(kEffectSlot, kAEGPEffectSuite, kAEGPEffectSuiteVersion3), "");
static_assert(SlotBindsTo(kUtility7Slot, kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3), "");
static_assert(SlotBindsTo(kHandleSlot, kPFHandleSuite, kPFHandleSuiteVersion1), "");
static_assert(SlotBindsTo(kPFInterfaceSlot, kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1),
              "");
static_assert(SlotBindsTo(kLayerSlot, kAEGPLayerSuite, kAEGPLayerSuiteVersion7), "");
static_assert(SlotBindsTo(kUtility11Slot, kAEGPUtilitySuite, kAEGPUtilitySuiteVersion5), "");
