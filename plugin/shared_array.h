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

    // Holders are never shared by copy or handed over, so the count stays 1
    // for every holder the effect makes. The counter stays all the same: the
    // holder the effect's library is specified with keeps its count apart
    // from the array, and nothing would be gained by a holder of another shape.
    shared_array(const shared_array&) = delete;
    shared_array& operator=(const shared_array&) = delete;
    shared_array(shared_array&&) = delete;
    shared_array& operator=(shared_array&&) = delete;

    T* get() const { return array_; }

    // Drops this holder's share; the last one frees the array and the counter.
    // A released holder owns nothing, so a second release does nothing.
    void release() {
        if (count_ != nullptr) {
            --*count_;
            if (*count_ == 0) {
                delete[] array_;
                delete count_;
            }
        }
        array_ = nullptr;
        count_ = nullptr;
    }

private:
    T* array_ = nullptr;
    std::int32_t* count_ = nullptr;
};
