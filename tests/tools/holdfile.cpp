// holdfile.exe PATH MILLISECONDS: does to a file what an on-access virus
// scanner does to one just closed. It waits until it can open the file (for
// at most 30 s), holds it open for reading, shared for reading and writing
// but not for deleting, so that nobody may rename or remove it, for
// MILLISECONDS, and closes it.
//
// Exit code 0: held; 1: never opened; 2: wrong usage.
#include <windows.h>

#include <cwchar>

namespace {

constexpr DWORD kWaitMs = 30000;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const DWORD holdMs = wcstoul(argv[2], nullptr, 10);
    const DWORD start = GetTickCount();
    for (;;) {
        const HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            Sleep(holdMs);
            CloseHandle(file);
            return 0;
        }
        if (GetTickCount() - start > kWaitMs) return 1;
        // Not there yet, or still open for writing.
        Sleep(1);
    }
}
