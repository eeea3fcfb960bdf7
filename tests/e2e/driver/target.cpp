#include "target.h"

#include "failure.h"
#include "text.h"

namespace {

std::wstring quoteArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes double only before a quote, per the CommandLineToArgvW rules.
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        out += c;
        backslashes = 0;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

UniqueHandle killOnCloseJob() {
    UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
    if (!job)
        return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_BREAKAWAY_OK;
    if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
        job.reset();
    return job;
}

}  // namespace

Program::Program(const std::wstring& path, const std::vector<std::wstring>& args) {
    std::wstring commandLine = quoteArgument(hostPath(path));
    for (const auto& a : args)
        commandLine += L" " + quoteArgument(a);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si,
                        &pi))
        fail(L"cannot start " + quote(commandLine) + L": error " + std::to_wstring(GetLastError()));
    process_.reset(pi.hProcess);
    UniqueHandle thread(pi.hThread);
    id_ = pi.dwProcessId;
    // Best effort: without the job the driver still ends the program itself.
    job_ = killOnCloseJob();
    if (job_ && !AssignProcessToJobObject(job_.get(), pi.hProcess))
        job_.reset();
    ResumeThread(pi.hThread);
}

bool Program::running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

DWORD Program::exitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void Program::terminate() {
    if (running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

std::wstring ControlRef::describe() const {
    switch (kind) {
    case Self: return L"the current window";
    case Id: return L"control #" + std::to_wstring(id);
    default: return L"control " + quote(text);
    }
}

ControlRef parseControlRef(const Arg& arg) {
    ControlRef ref;
    if (!arg.quoted && arg.text == L".") {
        ref.kind = ControlRef::Self;
        return ref;
    }
    long long id;
    if (!arg.quoted && arg.text.size() > 1 && arg.text[0] == L'#' && parseInteger(arg.text.substr(1), id)) {
        ref.kind = ControlRef::Id;
        ref.id = (int)id;
        return ref;
    }
    ref.text = arg.text;
    return ref;
}

static BOOL CALLBACK collectChild(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> descendants(HWND root) {
    std::vector<HWND> all;
    EnumChildWindows(root, collectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND findControl(HWND root, const ControlRef& ref) {
    if (ref.kind == ControlRef::Self)
        return IsWindow(root) ? root : nullptr;
    HWND hidden = nullptr;
    for (HWND child : descendants(root)) {
        bool match = ref.kind == ControlRef::Id ? (GetDlgCtrlID(child) & 0xFFFF) == (ref.id & 0xFFFF)
                                                : windowText(child) == ref.text;
        if (!match)
            continue;
        if (IsWindowVisible(child))
            return child;
        if (!hidden)
            hidden = child;
    }
    return hidden;
}

namespace {
struct TopLevelSearch {
    DWORD processId;
    std::vector<HWND> found;
};
BOOL CALLBACK collectTopLevel(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->processId && IsWindowVisible(hwnd))
        search->found.push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> visibleTopLevelWindows(DWORD processId) {
    TopLevelSearch search{processId, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring windowText(HWND hwnd) {
    // Not GetWindowTextLength: it sends a message, which a hung program never answers.
    wchar_t buf[4096];
    int n = GetWindowTextW(hwnd, buf, 4096);
    return std::wstring(buf, n > 0 ? n : 0);
}

std::wstring className(HWND hwnd) {
    wchar_t buf[256];
    int n = GetClassNameW(hwnd, buf, 256);
    return std::wstring(buf, n > 0 ? n : 0);
}

std::wstring describeWindow(HWND hwnd) {
    if (!hwnd)
        return L"(none)";
    if (!IsWindow(hwnd))
        return L"(a destroyed window)";
    std::wstring d = className(hwnd);
    if (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)
        d += L" #" + std::to_wstring(GetDlgCtrlID(hwnd) & 0xFFFF);
    return d + L" " + quote(windowText(hwnd));
}

bool sendWithTimeout(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs, DWORD_PTR* result) {
    DWORD_PTR ignored;
    return SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs ? timeoutMs : 1,
                               result ? result : &ignored) != 0;
}

bool readText(HWND hwnd, DWORD timeoutMs, std::wstring& text) {
    DWORD_PTR length = 0;
    if (!sendWithTimeout(hwnd, WM_GETTEXTLENGTH, 0, 0, timeoutMs, &length))
        return false;
    std::wstring buf(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!sendWithTimeout(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(&buf[0]), timeoutMs, &copied))
        return false;
    buf.resize(copied < length ? copied : length);
    text = buf;
    return true;
}

HWND messageBoxText(HWND box) {
    for (HWND child : descendants(box))
        if ((GetDlgCtrlID(child) & 0xFFFF) == 0xFFFF && lstrcmpiW(className(child).c_str(), L"Static") == 0)
            return child;
    return nullptr;
}

bool isMessageBox(HWND hwnd) {
    return IsWindowVisible(hwnd) && className(hwnd) == L"#32770" && messageBoxText(hwnd);
}
