// desktop.exe: checks and one action on windows and processes other than the
// program a driver script started (the driver sees only that program's
// windows). Started from a driver script and judged by `wait-exit`; each check
// polls for at most 5 s and prints what it found when it fails.
//
//   desktop.exe windows CLASS [TITLE...]  the visible top-level windows of
//                                          class CLASS bear exactly these titles
//   desktop.exe no-process IMAGE          no process of this image name runs
//   desktop.exe edit-lines CAPTION ID N   the edit control ID of the window
//                                          CAPTION shows N lines (wrapped ones too)
//   desktop.exe edit-starts CAPTION ID TEXT the edit control ID of the window
//                                          CAPTION shows a text that starts with TEXT
//   desktop.exe click CAPTION ID          posts a click to control ID of the
//                                          window CAPTION, waits for its program
//                                          to end and exits with its exit code
//
// Exit code 0: the check held; 1: it did not; 2: wrong usage.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <functional>
#include <string>
#include <vector>

namespace {

// Shorter than the driver's own 10 s, so that the driver reports our finding.
constexpr DWORD kTimeoutMs = 5000;
constexpr DWORD kPollMs = 20;

void Print(const std::wstring& text) {
    const std::wstring line = L"desktop: " + text + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size, nullptr, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
    fflush(stdout);
}

// Polls until check holds; false after the timeout, with the last finding printed.
bool WaitFor(const std::wstring& expected, const std::function<bool(std::wstring& found)>& check) {
    const DWORD start = GetTickCount();
    std::wstring found;
    for (;;) {
        if (check(found)) return true;
        if (GetTickCount() - start >= kTimeoutMs) {
            Print(L"expected " + expected + L", found " + found);
            return false;
        }
        Sleep(kPollMs);
    }
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024];
    const int length = GetWindowTextW(window, text, 1024);
    return std::wstring(text, length > 0 ? length : 0);
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM list) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::wstring Listed(const std::vector<std::wstring>& titles) {
    if (titles.empty()) return L"none";
    std::wstring list;
    for (const auto& title : titles) list += (list.empty() ? L"\"" : L", \"") + title + L"\"";
    return list;
}

int Windows(const std::wstring& windowClass, std::vector<std::wstring> expected) {
    std::sort(expected.begin(), expected.end());
    const bool held = WaitFor(L"windows of class " + windowClass + L": " + Listed(expected), [&](std::wstring& found) {
        std::vector<std::wstring> titles;
        for (HWND window : TopLevelWindows()) {
            wchar_t name[256];
            if (GetClassNameW(window, name, 256) && windowClass == name) titles.push_back(TextOf(window));
        }
        std::sort(titles.begin(), titles.end());
        found = Listed(titles);
        return titles == expected;
    });
    return held ? 0 : 1;
}

int NoProcess(const std::wstring& image) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        Print(L"cannot list the processes");
        return 1;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    int running = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (lstrcmpiW(entry.szExeFile, image.c_str()) == 0) ++running;
    CloseHandle(snapshot);
    if (running) Print(L"expected no process " + image + L", found " + std::to_wstring(running));
    return running ? 1 : 0;
}

struct ControlSearch {
    int id;
    HWND control;
};

BOOL CALLBACK MatchControl(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(child) == search->id) search->control = child;
    return search->control ? FALSE : TRUE;
}

HWND FindControl(const std::wstring& caption, int id, std::wstring& found) {
    for (HWND window : TopLevelWindows())
        if (TextOf(window) == caption) {
            // GetDlgItem sees only direct children; the log and buttons may sit deeper.
            ControlSearch search{id, nullptr};
            EnumChildWindows(window, MatchControl, reinterpret_cast<LPARAM>(&search));
            if (search.control) return search.control;
            found = L"no control #" + std::to_wstring(id) + L" in \"" + caption + L"\"";
            return nullptr;
        }
    found = L"no window \"" + caption + L"\"";
    return nullptr;
}

int EditLines(const std::wstring& caption, int id, int lines) {
    const bool held = WaitFor(std::to_wstring(lines) + L" lines in #" + std::to_wstring(id), [&](std::wstring& found) {
        HWND edit = FindControl(caption, id, found);
        if (!edit) return false;
        DWORD_PTR count = 0;
        if (!SendMessageTimeoutW(edit, EM_GETLINECOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &count)) {
            found = L"no answer";
            return false;
        }
        found = std::to_wstring(count) + L" lines";
        return static_cast<int>(count) == lines;
    });
    return held ? 0 : 1;
}

int EditStarts(const std::wstring& caption, int id, const std::wstring& start) {
    const bool held = WaitFor(L"#" + std::to_wstring(id) + L" starting with \"" + start + L"\"", [&](std::wstring& found) {
        HWND edit = FindControl(caption, id, found);
        if (!edit) return false;
        wchar_t text[256] = {};
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                                 &length)) {
            found = L"no answer";
            return false;
        }
        found = L"\"" + std::wstring(text, length) + L"\"";
        return std::wstring(text, length).compare(0, start.size(), start) == 0;
    });
    return held ? 0 : 1;
}

int Click(const std::wstring& caption, int id) {
    HWND control = nullptr;
    if (!WaitFor(L"control #" + std::to_wstring(id) + L" in \"" + caption + L"\"", [&](std::wstring& found) {
            control = FindControl(caption, id, found);
            return control != nullptr;
        }))
        return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(control, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!process) {
        Print(L"cannot open the program of \"" + caption + L"\"");
        return 1;
    }
    // Posted: a click that opens a modal box would block a sent message.
    PostMessageW(control, BM_CLICK, 0, 0);
    DWORD code = 1;
    if (WaitForSingleObject(process, kTimeoutMs) != WAIT_OBJECT_0)
        Print(L"the program of \"" + caption + L"\" still runs after the click");
    else
        GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return static_cast<int>(code);
}

int Usage() {
    Print(L"usage: desktop windows CLASS [TITLE...] | no-process IMAGE | edit-lines CAPTION ID N | edit-starts CAPTION ID TEXT | "
          L"click CAPTION ID");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Lines end in LF only, as the scripts that read them expect.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 3) return Usage();
    const std::wstring command = argv[1];
    if (command == L"windows") return Windows(argv[2], std::vector<std::wstring>(argv + 3, argv + argc));
    if (command == L"no-process" && argc == 3) return NoProcess(argv[2]);
    if (command == L"edit-lines" && argc == 5) return EditLines(argv[2], _wtoi(argv[3]), _wtoi(argv[4]));
    if (command == L"edit-starts" && argc == 5) return EditStarts(argv[2], _wtoi(argv[3]), argv[4]);
    if (command == L"click" && argc == 4) return Click(argv[2], _wtoi(argv[3]));
    return Usage();
}
