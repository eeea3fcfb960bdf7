#pragma once
// Small owners for Win32 handles, so every exit path releases them.

#include <windows.h>

#include <utility>

template <class T, class Traits>
class Unique {
public:
    Unique() = default;
    explicit Unique(T value) : value_(value) {}
    ~Unique() { reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, Traits::invalid())) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset();
            value_ = std::exchange(other.value_, Traits::invalid());
        }
        return *this;
    }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::invalid(); }
    void reset(T value = Traits::invalid()) {
        if (value_ != Traits::invalid())
            Traits::close(value_);
        value_ = value;
    }

private:
    T value_ = Traits::invalid();
};

struct KernelHandleTraits {
    static HANDLE invalid() { return nullptr; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct GdiObjectTraits {
    static HGDIOBJ invalid() { return nullptr; }
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    static HDC invalid() { return nullptr; }
    static void close(HDC h) { DeleteDC(h); }
};
struct HookTraits {
    static HHOOK invalid() { return nullptr; }
    static void close(HHOOK h) { UnhookWindowsHookEx(h); }
};
struct ViewTraits {
    static void* invalid() { return nullptr; }
    static void close(void* p) { UnmapViewOfFile(p); }
};

using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;  // CreateFile's INVALID_HANDLE_VALUE must become nullptr first
using GdiObject = Unique<HGDIOBJ, GdiObjectTraits>;
using MemoryDc = Unique<HDC, MemoryDcTraits>;
using Hook = Unique<HHOOK, HookTraits>;
using MappedView = Unique<void*, ViewTraits>;

// A device context borrowed with GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
