// The ANSI group of the utility callbacks: text and arithmetic.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "Host.h"
#include "services/Services.h"

namespace simhost {

namespace {

int Sprintf(A_char* buffer, const A_char* format, ...) {
    Host& host = Host::Active();
    if (host.Enter("sprintf", ArgList(format)) != A_Err_NONE) return -1;
    if (buffer == nullptr || format == nullptr) {
        host.ledger().Violation("sprintf without a buffer or a format");
        return -1;
    }
    // Every buffer the effect formats into is a return message.
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, PF_MAX_EFFECT_MSG_LEN + 1, format, args);
    va_end(args);
    if (written > PF_MAX_EFFECT_MSG_LEN) host.ledger().Violation("sprintf output was cut to fit");
    return written;
}

A_char* Strcpy(A_char* dest, const A_char* src) {
    Host& host = Host::Active();
    if (host.Enter("strcpy", ArgList(src)) != A_Err_NONE) return nullptr;
    if (dest == nullptr || src == nullptr) {
        host.ledger().Violation("strcpy without a destination or a source");
        return dest;
    }
    return std::strcpy(dest, src);
}

A_FpLong Atan(A_FpLong x) {
    Host::Active().Note("atan", ArgList(x));
    return std::atan(x);
}

A_FpLong Atan2(A_FpLong y, A_FpLong x) {
    Host::Active().Note("atan2", ArgList(y, x));
    return std::atan2(y, x);
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
