// holdfile.exe PATH MILLISECONDS [MARKER]: does to a file what an on-access
// virus scanner or an indexer does to one: it waits until it can open the
// file (for at most 30 s), holds it open for reading, shared for reading and
// writing but not for deleting, so that nobody may rename, remove or
// overwrite it, for MILLISECONDS, and closes it. Once the file is open it
// makes the file MARKER (if given): a test waits for it to know that the
// hold has begun.
//
// Exit code 0: held; 1: never opened; 2: wrong usage; 3: no marker made.
#include <windows.h>

#include <cwchar>

namespace {

constexpr DWORD kWaitMs = 30000;

bool MakeMarker(const wchar_t* path) {
    const HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker == INVALID_HANDLE_VALUE) return false;
    CloseHandle(marker);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 && argc != 4) return 2;
    const DWORD holdMs = wcstoul(argv[2], nullptr, 10);
    const DWORD start = GetTickCount();
    for (;;) {
        const HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            if (argc == 4 && !MakeMarker(argv[3])) {
                CloseHandle(file);
                return 3;
            }
            Sleep(holdMs);
            CloseHandle(file);
            return 0;
        }
        if (GetTickCount() - start > kWaitMs) return 1;
        // Not there yet, or still open for writing.
        Sleep(1);
    }
}
