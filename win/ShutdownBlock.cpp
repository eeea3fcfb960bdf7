#include "win/ShutdownBlock.h"

#include "win/Library.h"

namespace win {

// The two functions came with Vista: looked up by name.
ShutdownBlockReason::ShutdownBlockReason(HWND window, const wchar_t* reason) : window_(window), created_(false) {
    static const auto create =
        SystemFunction<decltype(&::ShutdownBlockReasonCreate)>(L"user32.dll", "ShutdownBlockReasonCreate");
    created_ = create && create(window_, reason);
}

ShutdownBlockReason::~ShutdownBlockReason() {
    static const auto destroy =
        SystemFunction<decltype(&::ShutdownBlockReasonDestroy)>(L"user32.dll", "ShutdownBlockReasonDestroy");
    if (created_ && destroy) destroy(window_);
}

}  // namespace win
