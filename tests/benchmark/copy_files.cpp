// The benchmark's yardstick: copies the named files from one folder to
// another with CopyFileW and prints how long that took. With --durable each
// file is copied the way the installer writes its items: into a temporary
// file beside the target, flushed to the disk, then moved over the target.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

bool CopyDurably(const std::wstring& source, const std::wstring& target) {
    const std::wstring temporary = target + L".tmp";
    if (!CopyFileW(source.c_str(), temporary.c_str(), FALSE)) return false;
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(file) != FALSE;
    CloseHandle(file);
    return flushed &&
           MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool durable = argc > 1 && std::wstring(argv[1]) == L"--durable";
    const int first = durable ? 2 : 1;
    if (argc < first + 3) {
        std::fwprintf(stderr, L"usage: copy_files [--durable] FROM TO NAME...\n");
        return 2;
    }
    const std::wstring from = argv[first], to = argv[first + 1];
    CreateDirectoryW(to.c_str(), nullptr);
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = first + 2; i < argc; ++i) {
        const std::wstring source = from + L"\\" + argv[i], target = to + L"\\" + argv[i];
        const bool copied = durable ? CopyDurably(source, target) : CopyFileW(source.c_str(), target.c_str(), FALSE);
        if (!copied) {
            std::fwprintf(stderr, L"cannot copy %ls (error %lu)\n", source.c_str(), GetLastError());
            return 1;
        }
    }
    QueryPerformanceCounter(&end);
    std::wprintf(L"copy: %lld ms\n", (end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
    return 0;
}
