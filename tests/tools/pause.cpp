// pause.exe: holds a driver script at a point until the test says go, on a
// named event, so that nothing spins meanwhile.
//
//   pause.exe wait NAME   makes the event, then the file C:\NAME.reached
//                         (the test waits for it), and blocks until the
//                         event is set
//   pause.exe go NAME     sets the event of a waiting pause.exe
//
// Exit code 0: done; 1: the event or the file could not be made, or no
// pause.exe waits under NAME; 2: wrong usage.
#include <windows.h>

#include <string>

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~Handle() {
        if (handle_) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

std::wstring EventName(const wchar_t* name) { return std::wstring(L"kordex-test-pause-") + name; }

int Wait(const wchar_t* name) {
    // Made before the marker, so that a go that follows the marker finds it.
    const Handle event(CreateEventW(nullptr, TRUE, FALSE, EventName(name).c_str()));
    if (!event.get()) return 1;
    const std::wstring marker = std::wstring(L"C:\\") + name + L".reached";
    if (!Handle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
             .get()) {
        return 1;
    }
    return WaitForSingleObject(event.get(), INFINITE) == WAIT_OBJECT_0 ? 0 : 1;
}

int Go(const wchar_t* name) {
    const Handle event(OpenEventW(EVENT_MODIFY_STATE, FALSE, EventName(name).c_str()));
    return event.get() && SetEvent(event.get()) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring verb = argv[1];
    if (verb == L"wait") return Wait(argv[2]);
    if (verb == L"go") return Go(argv[2]);
    return 2;
}
