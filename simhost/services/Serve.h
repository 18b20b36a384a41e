// Serving a host call, the one way every service does it. A service names
// its operation once and passes its arguments as they came; the helper
// counts and traces the call, returns the code of a fault a test armed for
// it in place of its work, and turns anything the body throws into a host
// error and a violation, so that nothing unwinds through the effect's frames.
// The body receives the context of the command under way.
#pragma once

#include <exception>
#include <string>
#include <type_traits>

#include "services/CallArgs.h"
#include "services/ServiceContext.h"

namespace simhost {

namespace detail {

enum class CallKind { Work, Release, Unfailable };

template <CallKind kind, class Result, class... T, class Body, class OnFailure>
Result Run(Op op, const CallArgs<T...>& args, Body& body, OnFailure on_failure) noexcept {
    ServiceContext& host = ServiceContext::Active();
    try {
        const A_Err fault =
            host.Enter(op, kind != CallKind::Unfailable, [&] { return ToTraceArgs(host, args); });
        if constexpr (kind == CallKind::Release) {
            const A_Err released = body(host, fault != A_Err_NONE);
            return fault != A_Err_NONE ? fault : released;
        } else {
            if (fault != A_Err_NONE) return on_failure(fault);
            return body(host);
        }
    } catch (const std::exception& e) {
        host.Misuse(std::string("failed inside the host: ") + e.what());
    } catch (...) {
        host.Misuse("failed inside the host");
    }
    return on_failure(A_Err_GENERIC);
}

inline A_Err Code(A_Err code) { return code; }

}  // namespace detail

// A call that returns an error code.
template <class... T, class Body>
A_Err Serve(Op op, const CallArgs<T...>& args, Body&& body) noexcept {
    return detail::Run<detail::CallKind::Work, A_Err>(op, args, body, detail::Code);
}

// A call that gives something back: a disposal, a free, an unlock, the end
// of a keyframe batch or of an undo group. A failed release still releases:
// the effect cannot retry it, so a host that kept the thing would only leak
// it. The body always runs, told whether the call fails (and so should do
// no more than release); a fault armed for the call is its result all the
// same.
template <class... T, class Body>
A_Err ServeRelease(Op op, const CallArgs<T...>& args, Body&& body) noexcept {
    return detail::Run<detail::CallKind::Release, A_Err>(op, args, body, detail::Code);
}

// A call whose result is not an error code: `refused` is what it yields
// when it fails.
template <class Result, class... T, class Body>
Result ServeOr(Op op, const CallArgs<T...>& args, Result refused, Body&& body) noexcept {
    return detail::Run<detail::CallKind::Work, Result>(op, args, body, [refused](A_Err) { return refused; });
}

// A call that has no way to report failure: counted and traced, never
// failed by a fault.
template <class... T, class Body>
auto Observe(Op op, const CallArgs<T...>& args, Body&& body) noexcept {
    using Result = std::invoke_result_t<Body&, ServiceContext&>;
    return detail::Run<detail::CallKind::Unfailable, Result>(op, args, body, [](A_Err) { return Result(); });
}

}  // namespace simhost
