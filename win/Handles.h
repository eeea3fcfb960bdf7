// Owners of the system's handles: each closes its handle exactly once, also
// when an error passes through. Copying is forbidden, moving hands it over.
// GDI objects and device contexts are in Gdi.h, COM in Com.h.
#pragma once

#include <windows.h>

#include <utility>

namespace win {

// One owner template; a traits type names the empty value and how to close.
template <typename Traits>
class Unique {
public:
    using Value = typename Traits::Value;

    Unique() = default;
    explicit Unique(Value value) : value_(value) {}
    ~Unique() { reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : value_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Value get() const { return value_; }
    explicit operator bool() const { return Traits::valid(value_); }
    // For functions that hand a new handle back through a pointer.
    Value* receive() {
        reset();
        return &value_;
    }
    Value release() { return std::exchange(value_, Traits::empty()); }
    void reset(Value value = Traits::empty()) {
        if (Traits::valid(value_)) Traits::close(value_);
        value_ = value;
    }

private:
    Value value_ = Traits::empty();
};

// A handle whose empty value is null and that one function closes.
template <typename Handle, auto Close>
struct NullTraits {
    using Value = Handle;
    static Value empty() { return nullptr; }
    static bool valid(Value v) { return v != nullptr; }
    static void close(Value v) { Close(v); }
};

struct KernelHandleTraits {
    using Value = HANDLE;
    static Value empty() { return nullptr; }
    // CreateFile answers INVALID_HANDLE_VALUE, most others NULL.
    static bool valid(Value v) { return v != nullptr && v != INVALID_HANDLE_VALUE; }
    static void close(Value v) { CloseHandle(v); }
};
using UniqueHandle = Unique<KernelHandleTraits>;

using RegKey = Unique<NullTraits<HKEY, &RegCloseKey>>;
using LocalMemory = Unique<NullTraits<HLOCAL, &LocalFree>>;

// A FindFirstFileW search.
struct FindTraits {
    using Value = HANDLE;
    static Value empty() { return INVALID_HANDLE_VALUE; }
    static bool valid(Value v) { return v != INVALID_HANDLE_VALUE; }
    static void close(Value v) { FindClose(v); }
};
using FindHandle = Unique<FindTraits>;

// The calling thread impersonating the process's own token (ImpersonateSelf),
// reverted on the way out.
class SelfImpersonation {
public:
    SelfImpersonation() : active_(ImpersonateSelf(SecurityImpersonation) != FALSE) {}
    ~SelfImpersonation() {
        if (active_) RevertToSelf();
    }
    SelfImpersonation(const SelfImpersonation&) = delete;
    SelfImpersonation& operator=(const SelfImpersonation&) = delete;

    bool active() const { return active_; }

private:
    bool active_;
};

}  // namespace win
