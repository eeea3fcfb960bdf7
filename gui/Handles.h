// Owners of the platform's handles: each closes its handle exactly once, also
// when an error passes through. Copying is forbidden, moving hands it over.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace gui {

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

struct KernelHandleTraits {
    using Value = HANDLE;
    static Value empty() { return nullptr; }
    // CreateFile answers INVALID_HANDLE_VALUE, most others NULL.
    static bool valid(Value v) { return v != nullptr && v != INVALID_HANDLE_VALUE; }
    static void close(Value v) { CloseHandle(v); }
};
using UniqueHandle = Unique<KernelHandleTraits>;

// A handle whose empty value is null and that one function closes.
template <typename Handle, auto Close>
struct NullTraits {
    using Value = Handle;
    static Value empty() { return nullptr; }
    static bool valid(Value v) { return v != nullptr; }
    static void close(Value v) { Close(v); }
};

using RegKey = Unique<NullTraits<HKEY, &RegCloseKey>>;
using LocalMemory = Unique<NullTraits<HLOCAL, &LocalFree>>;
using GdiObject = Unique<NullTraits<HGDIOBJ, &DeleteObject>>;
using GdiFont = Unique<NullTraits<HFONT, &DeleteObject>>;
using UniqueIcon = Unique<NullTraits<HICON, &DestroyIcon>>;
// A device context from CreateCompatibleDC.
using MemoryDc = Unique<NullTraits<HDC, &DeleteDC>>;

// A FindFirstFileW search.
struct FindTraits {
    using Value = HANDLE;
    static Value empty() { return INVALID_HANDLE_VALUE; }
    static bool valid(Value v) { return v != INVALID_HANDLE_VALUE; }
    static void close(Value v) { FindClose(v); }
};
using FindHandle = Unique<FindTraits>;

// A COM interface pointer that releases its reference.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
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
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// A window's device context (GetDC; the screen's for a null window),
// released on the way out.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A paint from BeginPaint to EndPaint. A paint that raises an error still
// ends: the window is validated and not asked to paint again and again.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A GDI object selected into a device context, put back on the way out.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace gui
