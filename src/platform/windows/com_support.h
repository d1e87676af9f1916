#pragma once

#include <utility>

#include <objbase.h>

// COM for the calling thread: initialised once per thread (multithreaded apartment) on first use and
// uninitialised when the thread ends. False when COM cannot be used on this thread.
bool EnsureComForThread();

// An owned COM interface pointer, released once.
template <typename Interface> class ComRef {
public:
    ComRef() = default;
    ~ComRef() { reset(); }
    ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // The address to receive a new pointer, the old one released first.
    Interface** put() {
        reset();
        return &pointer_;
    }
    void reset() {
        if (pointer_ != nullptr) {
            pointer_->Release();
            pointer_ = nullptr;
        }
    }

private:
    Interface* pointer_ = nullptr;
};
