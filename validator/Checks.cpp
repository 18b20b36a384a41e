#include "Checks.h"

namespace validator {

std::vector<Check> AllChecks() {
    std::vector<Check> all;
    for (std::vector<Check> (*level)() :
         {RegistrationChecks, CommandChecks, PressChecks, FaultChecks, SpanChecks}) {
        for (Check& check : level()) all.push_back(std::move(check));
    }
    return all;
}

}  // namespace validator
