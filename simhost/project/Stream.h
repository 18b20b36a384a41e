// One parameter stream of an effect instance: a static value, keyframes
// ordered by time, and an optional expression.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "AE_GeneralPlug.h"

namespace simhost {

struct Keyframe {
    double layer_seconds;  // keyed in layer time
    AEGP_StreamVal2 value;
};

// A stand-in for an expression: it maps every numeric component c of the
// value before it to c * scale + offset, so that reads before and after the
// expression differ in a way a test can predict.
struct Expression {
    std::string text;
    double scale = 1.0;
    double offset = 0.0;
};

struct Stream {
    AEGP_StreamType type = AEGP_StreamType_NO_DATA;
    std::u16string name;  // the parameter's name as the user sees it
    AEGP_StreamVal2 value{};
    std::vector<Keyframe> keyframes;  // ascending by time; a key's index is its position
    std::optional<Expression> expression;

    // Whether the stream carries a value at all (a button or a group does not).
    bool HasValue() const { return type != AEGP_StreamType_NO_DATA; }

    // The value at a layer time: the static value without keyframes; with
    // keyframes, held before the first and after the last, and in between
    // linear in every numeric component (other kinds hold the earlier key).
    // With pre_expression false the expression, if any, is applied.
    AEGP_StreamVal2 ValueAt(double layer_seconds, bool pre_expression) const;

    // Adds a keyframe at a layer time, replacing one already there; returns
    // its index.
    int SetKeyframe(double layer_seconds, const AEGP_StreamVal2& key_value);
};

// How many numeric components a value of this kind has; 0 for kinds that
// do not interpolate (layer and mask references, markers, ...).
int NumericComponents(AEGP_StreamType type);
// The i-th numeric component of a value of this kind.
double& Component(AEGP_StreamVal2& value, AEGP_StreamType type, int i);

}  // namespace simhost
