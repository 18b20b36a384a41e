// Basic host types shared by every part of the effect interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// The host's 32-bit integer is spelled `long` on Windows and `int` elsewhere;
// only the width crosses the boundary, but the spelling decides which type a
// catch clause matches, so it follows the host exactly.
#ifdef _WIN32
typedef long A_long;
typedef unsigned long A_u_long;
#else
typedef int A_long;
typedef unsigned int A_u_long;
#endif

typedef char A_char;
typedef unsigned char A_u_char;
typedef short A_short;
typedef unsigned short A_u_short;
typedef unsigned char A_Boolean;
typedef A_u_short A_UTF16Char;
typedef double A_FpLong;
typedef float A_FpShort;
typedef std::uint64_t A_u_longlong;
typedef std::int64_t A_intptr_t;
typedef A_u_longlong A_HandleSize;
typedef A_long A_Err;
typedef void* A_Handle;

enum {
    A_Err_NONE = 0,
    A_Err_GENERIC = 1,
    A_Err_STRUCT = 2,
    A_Err_PARAMETER = 3,
    A_Err_ALLOC = 4,
    A_Err_WRONG_THREAD = 5,
    A_Err_CONST_PROJECT_MODIFICATION = 6,
    A_Err_MISSING_SUITE = 13
};

struct A_Time {
    A_long value;
    A_u_long scale;
};

struct A_Ratio {
    A_long num;
    A_u_long den;
};

struct A_Matrix4 {
    A_FpLong mat[4][4];  // mat[row][col]
};

struct A_FloatPoint {
    A_FpLong x, y;
};

struct A_FloatRect {
    A_FpLong left, top, right, bottom;
};

struct A_LRect {
    A_long left, top, right, bottom;
};
typedef A_LRect A_Rect;

static_assert(sizeof(A_long) == 4 && sizeof(A_u_long) == 4, "A_long is 32-bit on every host");
static_assert(std::is_signed<A_long>::value, "A_long is signed");
#ifdef _WIN32
static_assert(std::is_same<A_long, long>::value, "Windows host spells A_long as long");
#else
static_assert(std::is_same<A_long, int>::value, "non-Windows host spells A_long as int");
#endif
static_assert(sizeof(A_Boolean) == 1 && sizeof(A_UTF16Char) == 2, "small types");
static_assert(sizeof(void*) == 8, "the host is 64-bit only");
static_assert(sizeof(A_Time) == 8 && alignof(A_Time) == 4, "A_Time layout");
static_assert(offsetof(A_Time, scale) == 4, "A_Time layout");
static_assert(sizeof(A_Ratio) == 8 && offsetof(A_Ratio, den) == 4, "A_Ratio layout");
static_assert(sizeof(A_Matrix4) == 128 && alignof(A_Matrix4) == 8, "A_Matrix4 layout");
static_assert(sizeof(A_FloatPoint) == 16 && sizeof(A_FloatRect) == 32, "float records");
static_assert(sizeof(A_LRect) == 16 && alignof(A_LRect) == 4, "A_LRect layout");
static_assert(offsetof(A_LRect, top) == 4 && offsetof(A_LRect, right) == 8 &&
                  offsetof(A_LRect, bottom) == 12,
              "A_LRect layout");
