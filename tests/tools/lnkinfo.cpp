// lnkinfo.exe FILE.lnk: prints the shortcut's target path, working folder and
// arguments, one per line, as the platform's shell-link object reads them
// back, so that a test checks the shortcut and not the bytes of its format.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

// UTF-8, whatever the console's code page: the output goes to a file.
void PrintLine(const wchar_t* label, const std::wstring& text) {
    const std::wstring line = std::wstring(label) + L": " + text + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size, nullptr, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
}

int Fail(const char* what, HRESULT result) {
    fprintf(stderr, "lnkinfo: %s failed (0x%08lX)\n", what, static_cast<unsigned long>(result));
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Lines end in LF only, as the scripts that read them expect.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc != 2) {
        fprintf(stderr, "usage: lnkinfo FILE.lnk\n");
        return 2;
    }
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(&link));
    if (FAILED(result)) return Fail("CoCreateInstance", result);
    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result)) return Fail("QueryInterface(IPersistFile)", result);
    result = file->Load(argv[1], STGM_READ);
    if (FAILED(result)) return Fail("IPersistFile::Load", result);

    wchar_t text[MAX_PATH * 2];
    // The target from the item ID list, which the shell starts: Wine's
    // GetPath answers the link's ANSI copy of the path, which loses letters
    // such as "ű" that the ANSI code page lacks.
    text[0] = L'\0';
    LPITEMIDLIST target = nullptr;
    if (SUCCEEDED(link->GetIDList(&target)) && target) {
        SHGetPathFromIDListW(target, text);
        CoTaskMemFree(target);
    } else {
        link->GetPath(text, MAX_PATH * 2, nullptr, 0);
    }
    PrintLine(L"path", text);
    text[0] = L'\0';
    link->GetWorkingDirectory(text, MAX_PATH * 2);
    PrintLine(L"working directory", text);
    text[0] = L'\0';
    link->GetArguments(text, MAX_PATH * 2);
    PrintLine(L"arguments", text);

    file->Release();
    link->Release();
    CoUninitialize();
    return 0;
}
