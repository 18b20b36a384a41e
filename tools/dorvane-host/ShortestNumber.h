// Numbers as text: for files, so that reading them back gives the same
// double in as few digits as that takes; for people, in a column's width.
#pragma once

#include <string>

namespace dorvane_host {

// "0.1", "-0", "1e+100", "1.7777777777777777"; "nan", "inf" and "-inf" for
// what is not a finite number.
std::string Shortest(double value);

// A number for reading in a column about `width` characters wide: with
// `decimals` decimals, fewer where its whole digits need the room, and in
// scientific notation where it is too large to fit or too small to show ("1.2e+308", "3.5e-07"); "nan",
// "inf" and "-inf" as Shortest writes them.
std::string ReadableNumber(double value, int width, int decimals);

}  // namespace dorvane_host
