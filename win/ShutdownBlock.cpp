#include "win/ShutdownBlock.h"

#include "win/Library.h"

namespace win {

namespace {

// user32 is imported, so it is loaded from the system folder already; the
// two functions came with Vista and are looked up by name.
template <typename Function>
Function User32Function(const char* name) {
    Function function = nullptr;
    FindProcedure(GetModuleHandleW(L"user32.dll"), name, function);
    return function;
}

}  // namespace

ShutdownBlockReason::ShutdownBlockReason(HWND window, const wchar_t* reason) : window_(window), created_(false) {
    static const auto create = User32Function<decltype(&::ShutdownBlockReasonCreate)>("ShutdownBlockReasonCreate");
    created_ = create && create(window_, reason);
}

ShutdownBlockReason::~ShutdownBlockReason() {
    static const auto destroy = User32Function<decltype(&::ShutdownBlockReasonDestroy)>("ShutdownBlockReasonDestroy");
    if (created_ && destroy) destroy(window_);
}

}  // namespace win
