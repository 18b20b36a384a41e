// The ANSI group of the utility callbacks: text and arithmetic.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "services/Serve.h"
#include "services/Services.h"

namespace simhost {

namespace {

int Sprintf(A_char* buffer, const A_char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = ServeOr(Op::sprintf, Args(format), -1, [&](ServiceContext& host) {
        if (buffer == nullptr || format == nullptr) {
            host.Misuse("without a buffer or a format");
            return -1;
        }
        // Every buffer the effect formats into is a return message.
        const int length = std::vsnprintf(buffer, PF_MAX_EFFECT_MSG_LEN + 1, format, args);
        if (length > PF_MAX_EFFECT_MSG_LEN) host.Misuse("output was cut to fit");
        return length;
    });
    va_end(args);
    return written;
}

A_char* Strcpy(A_char* dest, const A_char* src) {
    return ServeOr(Op::strcpy, Args(src), static_cast<A_char*>(nullptr), [&](ServiceContext& host) {
        if (dest == nullptr || src == nullptr) {
            host.Misuse("without a destination or a source");
            return dest;
        }
        return std::strcpy(dest, src);
    });
}

A_FpLong Atan(A_FpLong x) {
    return Observe(Op::atan, Args(x), [&](ServiceContext&) { return std::atan(x); });
}

A_FpLong Atan2(A_FpLong y, A_FpLong x) {
    return Observe(Op::atan2, Args(y, x), [&](ServiceContext&) { return std::atan2(y, x); });
}

}  // namespace

PF_ANSICallbacksBlock AnsiCallbacksTable() {
    PF_ANSICallbacksBlock ansi{};
    ansi.atan = Atan;
    ansi.atan2 = Atan2;
    ansi.sprintf = Sprintf;
    ansi.strcpy = Strcpy;
    return ansi;
}

}  // namespace simhost
