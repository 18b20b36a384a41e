// Failures a test asks the host to produce: refused suites and host calls
// that return an error.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "A.h"

namespace simhost {

// How the host refuses a suite: with an error code, or by reporting success
// and handing back no table.
enum class Refusal { ErrorCode, NullTable };

class Faults {
public:
    // Every acquisition of this suite is refused until Clear().
    void RefuseSuite(std::string name, int version, Refusal how = Refusal::ErrorCode);
    // The n-th acquisition (1-based) of the next command is refused, once.
    void RefuseAcquisition(int nth, Refusal how = Refusal::ErrorCode);
    // The n-th host call (1-based, counted from the start of a command)
    // returns `code` instead of doing its work, once.
    void FailCall(int nth, A_Err code);
    // The n-th call of the named operation in a command fails, once.
    void FailOperation(std::string op, int nth, A_Err code);
    void Clear();
    bool Armed() const;
    // Whether any host call is armed to fail: most calls meet none.
    bool CallsArmed() const { return !calls_.empty(); }

    // Consulted by the host; a fault that fires is spent.
    std::optional<Refusal> OnAcquire(std::string_view name, int version, int acquisition);
    std::optional<A_Err> OnCall(std::string_view op, int call, int opCall);

private:
    struct SuiteRefusal {
        std::string name;
        int version;
        Refusal how;
    };
    struct AcquisitionRefusal {
        int nth;
        Refusal how;
    };
    struct CallFailure {
        std::string op;  // empty: any operation
        int nth;
        A_Err code;
    };
    std::vector<SuiteRefusal> suites_;
    std::vector<AcquisitionRefusal> acquisitions_;
    std::vector<CallFailure> calls_;
};

}  // namespace simhost
