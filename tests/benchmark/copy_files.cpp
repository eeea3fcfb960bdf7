// The benchmark's yardstick: copies the named files from one folder to
// another with CopyFileW and prints how long that took.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fwprintf(stderr, L"usage: copy_files FROM TO NAME...\n");
        return 2;
    }
    const std::wstring from = argv[1], to = argv[2];
    CreateDirectoryW(to.c_str(), nullptr);
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 3; i < argc; ++i) {
        const std::wstring source = from + L"\\" + argv[i], target = to + L"\\" + argv[i];
        if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
            std::fwprintf(stderr, L"cannot copy %ls (error %lu)\n", source.c_str(), GetLastError());
            return 1;
        }
    }
    QueryPerformanceCounter(&end);
    std::wprintf(L"copy: %lld ms\n", (end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
    return 0;
}
