// The host calls of one command, in the order the effect made them.
#pragma once

#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace simhost {

struct HostCall {
    std::string op;
    std::string args;
    bool failable;  // whether a fault armed for this call can make it fail
};

class Trace {
public:
    void Record(std::string op, std::string args, bool failable) {
        ++size_;
        if (recording_) calls_.push_back({std::move(op), std::move(args), failable});
    }
    void Clear() {
        calls_.clear();
        size_ = 0;
    }
    // Off, the trace only counts calls: for long runs whose every call
    // would not fit in memory.
    void SetRecording(bool on) { recording_ = on; }
    bool Recording() const { return recording_; }

    const std::vector<HostCall>& Calls() const { return calls_; }
    size_t Size() const { return size_; }
    std::vector<std::string> Ops() const;
    size_t Count(const std::string& op) const;
    std::string Describe() const;

private:
    std::vector<HostCall> calls_;
    size_t size_ = 0;
    bool recording_ = true;
};

// Formats a call's arguments the way the trace shows them.
namespace detail {
inline void Append(std::ostringstream& out, const char* text) {
    if (text == nullptr) {
        out << "null";
    } else {
        out << '"' << text << '"';
    }
}
inline void Append(std::ostringstream& out, char* text) { Append(out, static_cast<const char*>(text)); }
inline void Append(std::ostringstream& out, const std::string& text) { Append(out, text.c_str()); }
template <class T>
void Append(std::ostringstream& out, const T& value) {
    if constexpr (std::is_pointer<T>::value) {
        if (value == nullptr) {
            out << "null";
            return;
        }
        out << static_cast<const void*>(value);
    } else if constexpr (std::is_same<T, unsigned char>::value || std::is_same<T, signed char>::value) {
        out << static_cast<int>(value);
    } else {
        out << value;
    }
}
}  // namespace detail

template <class... T>
std::string ArgList(const T&... args) {
    std::ostringstream out;
    const char* separator = "";
    ((out << separator, detail::Append(out, args), separator = ", "), ...);
    return out.str();
}

}  // namespace simhost
