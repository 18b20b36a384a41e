// The object whose callbacks are being answered. A host's callbacks and
// suite functions carry no context of their own, so each kind of object that
// answers them (a host, a fake basic suite) is made current for the length
// of the call that may reach them; scopes nest, and a thread has its own.
#pragma once

namespace simhost {

template <class T>
class ActiveScope {
public:
    explicit ActiveScope(T* object) : previous_(current_) { current_ = object; }
    ~ActiveScope() { current_ = previous_; }
    ActiveScope(const ActiveScope&) = delete;
    ActiveScope& operator=(const ActiveScope&) = delete;

    // Null outside every scope.
    static T* Current() { return current_; }

private:
    T* previous_;
    static inline thread_local T* current_ = nullptr;
};

}  // namespace simhost
