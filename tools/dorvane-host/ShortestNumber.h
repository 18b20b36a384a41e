// Numbers written so that reading them back gives the same double, in as
// few digits as that takes.
#pragma once

#include <string>

namespace dorvane_host {

// "0.1", "-0", "1e+100", "1.7777777777777777"; "nan", "inf" and "-inf" for
// what is not a finite number.
std::string Shortest(double value);

}  // namespace dorvane_host
