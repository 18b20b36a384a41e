// A host call's arguments as the effect passed them, kept as they are until
// the trace asks for them as data: then every reference becomes its name.
#pragma once

#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "bookkeeping/TraceArg.h"
#include "services/ServiceContext.h"

namespace simhost {

template <class... T>
struct CallArgs {
    std::tuple<T...> values;
};

template <class... T>
CallArgs<T...> Args(const T&... values) {
    return {std::tuple<T...>(values...)};
}

template <class T, std::enable_if_t<std::is_integral<T>::value || std::is_enum<T>::value, int> = 0>
TraceArg ToTraceArg(const ServiceContext&, T value) {
    return TraceArg::Integer(static_cast<long long>(value));
}
inline TraceArg ToTraceArg(const ServiceContext&, double value) { return TraceArg::Real(value); }
inline TraceArg ToTraceArg(const ServiceContext&, const char* text) {
    return text == nullptr ? TraceArg::Null() : TraceArg::Text(text);
}
inline TraceArg ToTraceArg(const ServiceContext&, const std::string& text) { return TraceArg::Text(text); }
// A NUL-terminated UTF-16 text, shown in ASCII with '?' for the rest.
inline TraceArg ToTraceArg(const ServiceContext&, const A_UTF16Char* text) {
    if (text == nullptr) return TraceArg::Null();
    std::string ascii;
    for (const A_UTF16Char* unit = text; *unit != 0; ++unit) ascii.push_back(*unit < 0x80 ? static_cast<char>(*unit) : '?');
    return TraceArg::Text(std::move(ascii));
}
inline TraceArg ToTraceArg(const ServiceContext&, const A_Time& time) { return TraceArg::Time(time); }
inline TraceArg ToTraceArg(const ServiceContext&, const A_Time* time) {
    return time == nullptr ? TraceArg::Null() : TraceArg::Time(*time);
}
inline TraceArg ToTraceArg(const ServiceContext&, const PF_Rect* rect) {
    return rect == nullptr ? TraceArg::Null() : TraceArg::Rect(*rect);
}
inline TraceArg ToTraceArg(const ServiceContext& host, const AEGP_StreamValue2* record) {
    return host.NameOf(record);
}
inline TraceArg ToTraceArg(const ServiceContext& host, const PF_EffectWorld* world) { return host.NameOf(world); }
// Any other pointer is a reference or handle the host handed out, or not.
inline TraceArg ToTraceArg(const ServiceContext& host, const void* reference) { return host.NameOf(reference); }

template <class... T>
std::vector<TraceArg> ToTraceArgs(const ServiceContext& host, const CallArgs<T...>& args) {
    return std::apply([&](const T&... values) { return std::vector<TraceArg>{ToTraceArg(host, values)...}; },
                      args.values);
}

}  // namespace simhost
