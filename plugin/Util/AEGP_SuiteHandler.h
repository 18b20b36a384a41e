// Per-call access to the host's suites: acquired on first use, released when
// the handler goes out of scope.
#pragma once

#include "AE_EffectSuites.h"
#include "AE_GeneralPlug.h"
#include "SPBasic.h"

class AEGP_SuiteHandler {
public:
    static constexpr int kSlotCount = 108;

    explicit AEGP_SuiteHandler(const SPBasicSuite* basic_suite);
    ~AEGP_SuiteHandler();

    AEGP_SuiteHandler(const AEGP_SuiteHandler&) = delete;
    AEGP_SuiteHandler& operator=(const AEGP_SuiteHandler&) = delete;
    AEGP_SuiteHandler(AEGP_SuiteHandler&&) = delete;
    AEGP_SuiteHandler& operator=(AEGP_SuiteHandler&&) = delete;

    const AEGP_KeyframeSuite4* KeyframeSuite4();
    const AEGP_StreamSuite4* StreamSuite4();
    const AEGP_CompSuite8* CompSuite8();
    const AEGP_DynamicStreamSuite4* DynamicStreamSuite4();
    const AEGP_MemorySuite1* MemorySuite1();
    const AEGP_EffectSuite3* EffectSuite3();
    const AEGP_UtilitySuite3* UtilitySuite3();
    const PF_HandleSuite1* HandleSuite1();
    const AEGP_PFInterfaceSuite1* PFInterfaceSuite1();
    const AEGP_LayerSuite7* LayerSuite7();
    const AEGP_UtilitySuite5* UtilitySuite5();

    void ReleaseSuite(const char* name, int version);

    [[noreturn]] void MissingSuiteError() const;

private:
    void ReleaseAllSuites();
    const void* Acquire(int slot);

    template <class Suite>
    const Suite* AcquireAs(int slot) {
        return static_cast<const Suite*>(Acquire(slot));
    }

    const SPBasicSuite* basic_suite_;
    const void* slots_[kSlotCount];  // slot n is slots_[n - 1]
};
