// driver_probe.dll: loaded into the program under test by a WH_CALLWNDPROC
// hook; answers the driver's queries from inside that process. Uses only the
// Windows API so it needs no runtime set up.

#include "probe_protocol.h"

namespace {

LONG iconKind(HWND iconStatic) {
    HICON shown = (HICON)SendMessageW(iconStatic, STM_GETICON, 0, 0);
    if (!shown)
        return IconNone;
    // Shared system icons load to the same handle every time within a process.
    if (shown == LoadIconW(nullptr, IDI_HAND))
        return IconError;
    if (shown == LoadIconW(nullptr, IDI_EXCLAMATION))
        return IconWarning;
    if (shown == LoadIconW(nullptr, IDI_QUESTION))
        return IconQuestion;
    if (shown == LoadIconW(nullptr, IDI_ASTERISK))
        return IconInfo;
    return IconOther;
}

void answer(HWND hwnd, WPARAM query, DWORD driverId) {
    wchar_t name[64];
    wsprintfW(name, L"%s%lu", PROBE_MAPPING_PREFIX, driverId);
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
    if (!mapping)
        return;
    auto* reply = (ProbeReply*)MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeReply));
    if (reply) {
        if (query == ProbeFont) {
            HFONT font = (HFONT)SendMessageW(hwnd, WM_GETFONT, 0, 0);
            reply->hasFont = font && GetObjectW(font, sizeof reply->font, &reply->font) != 0;
        } else if (query == ProbeIcon) {
            reply->icon = iconKind(hwnd);
        } else if (query == ProbeInput) {
            // Asked from a sent message: the thread is between messages, so any
            // input it has taken from its queue has been handled.
            reply->inputPending = HIWORD(GetQueueStatus(QS_INPUT)) != 0;
        }
        InterlockedExchange(&reply->answered, 1);
        UnmapViewOfFile(reply);
    }
    CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK DriverProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* call = (const CWPSTRUCT*)lParam;
        if (call->message == RegisterWindowMessageW(PROBE_MESSAGE))
            answer(call->hwnd, call->wParam, (DWORD)call->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
