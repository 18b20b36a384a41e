// Holder of an array made with array-new and a reference counter of its own.
// The counter is a plain integer: a holder stays on the thread that made it.
#pragma once

#include <cstdint>

template <class T>
class shared_array {
public:
    shared_array() = default;

    // Takes ownership of an array returned by array-new (null is allowed).
    explicit shared_array(T* array) : array_(array), count_(new std::int32_t(1)) {}

    ~shared_array() { release(); }

    // The count lives apart from the array so that copies share both: each
    // copy is one more holder, and the last to let go frees them. The effect
    // keeps each of its arrays in one holder; the count is what makes a copy
    // safe where one is wanted.
    shared_array(const shared_array& other) : array_(other.array_), count_(other.count_) {
        if (count_ != nullptr) ++*count_;
    }
    shared_array& operator=(const shared_array& other) {
        if (this != &other) {
            if (other.count_ != nullptr) ++*other.count_;
            release();
            array_ = other.array_;
            count_ = other.count_;
        }
        return *this;
    }

    T* get() const { return array_; }

    // Drops this holder's share; the last one frees the array and the counter.
    // A released holder owns nothing, so a second release does nothing.
    void release() {
        // The holder lets go before anything is freed, so that nothing the
        // array's destructors do can reach a freed counter through it.
        T* const array = array_;
        std::int32_t* const count = count_;
        array_ = nullptr;
        count_ = nullptr;
        if (count != nullptr && --*count == 0) {
            delete[] array;
            delete count;
        }
    }

private:
    T* array_ = nullptr;
    std::int32_t* count_ = nullptr;
};
