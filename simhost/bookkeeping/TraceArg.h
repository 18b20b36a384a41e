// One argument of a traced host call, kept as data: what the effect passed,
// with every reference replaced by its stable name. It is turned into text
// only when the trace is printed.
#pragma once

#include <ostream>
#include <string>

#include "AE_EffectTypes.h"
#include "bookkeeping/RefId.h"

namespace simhost {

class TraceArg {
public:
    enum class Kind {
        Null,     // a null pointer
        Integer,  // any integral value: counts, indexes, flags, keys, modes
        Real,
        Time,     // value / scale seconds
        Text,
        Ref,      // a reference or handle the host handed out
        Unknown,  // an address the host never handed out
        Rect,
    };

    TraceArg() = default;
    static TraceArg Null() { return TraceArg(); }
    static TraceArg Integer(long long value);
    static TraceArg Real(double value);
    static TraceArg Time(const A_Time& time);
    static TraceArg Text(std::string text);
    static TraceArg Ref(const RefId& id);
    static TraceArg Unknown();
    static TraceArg Rect(const PF_Rect& rect);

    Kind kind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    // Each throws std::logic_error unless the argument is of that kind.
    long long AsInteger() const;
    double AsReal() const;
    A_Time AsTime() const;
    const std::string& AsText() const;
    RefId AsRef() const;
    PF_Rect AsRect() const;

    bool operator==(const TraceArg& other) const;
    bool operator!=(const TraceArg& other) const { return !(*this == other); }

private:
    void Expect(Kind kind) const;

    Kind kind_ = Kind::Null;
    long long integer_ = 0;  // Integer, and a Time's value
    A_u_long scale_ = 0;     // a Time's scale
    double real_ = 0.0;
    RefId ref_;
    PF_Rect rect_{};
    std::string text_;
};

// Integers in decimal, reals with six significant digits, times as
// "1001/30000 (0.0333667 s)", texts quoted with C escapes, references by
// name ("stream7"), rectangles as "{left, top, right, bottom}".
std::ostream& operator<<(std::ostream& out, const TraceArg& arg);
std::string ToString(const TraceArg& arg);

}  // namespace simhost
