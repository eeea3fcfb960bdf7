// The benchmark's yardstick for the installation run: the run's work without
// a window. It makes the destination with its excel and xml folders, writes
// the five files as the installer writes its items (each mapped, handed to
// the file system in pieces of 2 MB into a temporary file beside its target,
// flushed, moved over the target) and saves the desktop shortcut through
// the shell-link object, then prints how long that took.
//
//   same_work FROM TO NAME...          run: N ms
#include "support/Registry.h"
#include "win/Com.h"
#include "win/Handles.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

[[noreturn]] void Fail(const std::wstring& what) {
    std::fwprintf(stderr, L"same_work: %ls (error %lu)\n", what.c_str(), GetLastError());
    std::exit(1);
}

// A file's bytes, mapped read-only.
class MappedFile {
public:
    explicit MappedFile(const std::wstring& path)
        : file_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {
        if (!file_) Fail(L"cannot open " + path);
        size_ = GetFileSize(file_.get(), nullptr);
        if (!size_) return;
        mapping_.reset(CreateFileMappingW(file_.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
        if (mapping_) view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, 0));
        if (!view_) Fail(L"cannot map " + path);
    }

    const void* bytes() const { return view_.get(); }
    DWORD size() const { return size_; }

private:
    win::UniqueHandle file_;
    win::UniqueHandle mapping_;
    win::Unique<win::NullTraits<void*, &UnmapViewOfFile>> view_;
    DWORD size_ = 0;
};

// As the installer writes a large item.
constexpr DWORD kPieceBytes = 2 << 20;

void WriteDurably(const MappedFile& source, const std::wstring& folder, const std::wstring& name) {
    const std::wstring target = folder + L"\\" + name;
    const std::wstring temporary = folder + L"\\~same-work-" + name + L".tmp";
    bool done = false;
    {
        const win::UniqueHandle file(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) Fail(L"cannot create " + temporary);
        const auto* bytes = static_cast<const BYTE*>(source.bytes());
        done = true;
        for (DWORD at = 0; done && at < source.size(); at += kPieceBytes) {
            const DWORD piece = std::min(kPieceBytes, source.size() - at);
            DWORD written = 0;
            done = WriteFile(file.get(), bytes + at, piece, &written, nullptr) && written == piece;
        }
        done = done && FlushFileBuffers(file.get());
    }
    if (!done) Fail(L"cannot write " + temporary);
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail(L"cannot move " + temporary);
}

void SaveShortcut(const std::wstring& folder) {
    win::ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.receive())))
        Fail(L"no shell-link object");
    const std::wstring desktop = ReadRegistryText(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", L"Desktop");
    if (desktop.empty()) Fail(L"no desktop folder");
    win::ComPtr<IPersistFile> file;
    const bool saved = SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.receive())) &&
                       SUCCEEDED(link->SetArguments(L"")) &&
                       SUCCEEDED(link->SetPath((folder + L"\\kordex.exe").c_str())) &&
                       SUCCEEDED(link->SetWorkingDirectory(folder.c_str())) &&
                       SUCCEEDED(file->Save((desktop + L"\\Kordex.lnk").c_str(), FALSE));
    if (!saved) Fail(L"cannot save the shortcut");
}

// The run: what the installer's Install click does, timed as a whole.
void Run(const std::wstring& from, const std::wstring& to, wchar_t** names, int count) {
    const double start = Milliseconds();
    CreateDirectoryW(to.c_str(), nullptr);
    CreateDirectoryW((to + L"\\excel").c_str(), nullptr);
    CreateDirectoryW((to + L"\\xml").c_str(), nullptr);
    for (int i = 0; i < count; ++i) WriteDurably(MappedFile(from + L"\\" + names[i]), to, names[i]);
    SaveShortcut(to);
    std::wprintf(L"run: %.1f ms\n", Milliseconds() - start);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fwprintf(stderr, L"usage: same_work FROM TO NAME...\n");
        return 2;
    }
    // As the installer does at its start, before any run.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Run(argv[1], argv[2], argv + 3, argc - 3);
    CoUninitialize();
    return 0;
}
