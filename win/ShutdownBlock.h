// While one lives, a logoff or shutdown that the window holds up (by
// answering the end-of-session query with FALSE) is explained: Windows Vista
// and 7 show the reason beside the program in their list of programs that
// keep Windows from shutting down. Windows XP has neither the list nor the
// functions, so there it does nothing.
#pragma once

#include <windows.h>

namespace win {

class ShutdownBlockReason {
public:
    ShutdownBlockReason(HWND window, const wchar_t* reason);
    ~ShutdownBlockReason();
    ShutdownBlockReason(const ShutdownBlockReason&) = delete;
    ShutdownBlockReason& operator=(const ShutdownBlockReason&) = delete;

private:
    HWND window_;
    bool created_;
};

}  // namespace win
