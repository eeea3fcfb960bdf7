// Owners of COM interface pointers and of the calling thread's COM apartment.
#pragma once

#include "win/LateImports.h"

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace win {

// A COM interface pointer that releases its reference.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller holds.
    explicit ComPtr(Interface* owned) : ptr_(owned) {}
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }

    Interface* operator->() const { return ptr_; }
    Interface* get() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    void** receive() {
        reset();
        return reinterpret_cast<void**>(&ptr_);
    }
    void reset() {
        if (ptr_) std::exchange(ptr_, nullptr)->Release();
    }

private:
    Interface* ptr_ = nullptr;
};

// COM for the calling thread in a single-threaded apartment.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(InitializeCom(COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) UninitializeCom();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

}  // namespace win
