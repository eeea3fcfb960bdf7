#pragma once
// The program under test: its process, its windows and their controls.

#include "handles.h"
#include "script.h"

#include <string>
#include <vector>

class Program {
public:
    // Starts PATH with ARGS in the driver's own current directory; throws Failure.
    Program(const std::wstring& path, const std::vector<std::wstring>& args);
    DWORD id() const { return id_; }
    HANDLE handle() const { return process_.get(); }
    bool running() const;
    DWORD exitCode() const;
    void terminate();

private:
    UniqueHandle job_;  // closing it ends the program and its children, however the driver ends
    UniqueHandle process_;
    DWORD id_ = 0;
};

// How a script names a control: #ID, "." for the current window, or its exact text.
struct ControlRef {
    enum Kind { Self, Id, Text } kind = Text;
    int id = 0;
    std::wstring text;
    std::wstring describe() const;
};
ControlRef parseControlRef(const Arg& arg);

// Searches all descendants; a visible match wins over an earlier hidden one,
// since wizard pages keep hidden controls with the same IDs and texts.
HWND findControl(HWND root, const ControlRef& ref);

std::vector<HWND> visibleTopLevelWindows(DWORD processId);
std::vector<HWND> descendants(HWND root);

// These read what the system keeps, so they never wait on a hung program.
std::wstring windowText(HWND hwnd);
std::wstring className(HWND hwnd);
std::wstring describeWindow(HWND hwnd);

// SendMessageTimeout; false when the program did not answer in time.
bool sendWithTimeout(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs,
                     DWORD_PTR* result = nullptr);
// WM_GETTEXT: unlike GetWindowText it also reads an edit's contents across processes.
bool readText(HWND hwnd, DWORD timeoutMs, std::wstring& text);

// A visible #32770 with the static text 0xFFFF that MessageBox creates.
bool isMessageBox(HWND hwnd);
HWND messageBoxText(HWND box);
