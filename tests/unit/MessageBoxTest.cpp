#include "gui/MessageBox.h"

#include "gui/Application.h"

#include <windows.h>

#include <doctest.h>

TEST_CASE("an error message gets a full stop only after a character above the full stop") {
    struct Case {
        const wchar_t* message;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"Resource 3 not found", L"Resource 3 not found."},
        {L"Hibakód 42", L"Hibakód 42."},
        {L"Kérdés?", L"Kérdés?."},
        {L"Mappa:", L"Mappa:."},
        {L"Ékezetes ő", L"Ékezetes ő."},
        {L"Already ends.", L"Already ends."},
        {L"Vége!", L"Vége!"},
        {L"(zárójel)", L"(zárójel)"},
        {L"Invalid data type for 'ProductName'", L"Invalid data type for 'ProductName'"},
        {L"Cannot create file \"C:\\x\"", L"Cannot create file \"C:\\x\""},
        {L"ends in a comma,", L"ends in a comma,"},
        {L"ends in a hyphen-", L"ends in a hyphen-"},
        {L"ends in a slash/", L"ends in a slash/."},
        {L"", L""},
    };
    for (const Case& c : cases) {
        CAPTURE(c.message);
        CHECK(gui::WithFullStop(c.message) == c.shown);
    }
}

namespace {

const wchar_t kTitle[] = L"owner gone";

// Answers the box from inside its own loop: the thread's timer fires there.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    if (const HWND box = FindWindowW(L"#32770", kTitle)) {
        KillTimer(nullptr, timer);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

}  // namespace

TEST_CASE("an error whose owner window is gone is still shown, without an owner") {
    gui::Application application;
    const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(owner);
    application.SetMainWindow(owner);
    DestroyWindow(owner);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBox);
    REQUIRE(timer);
    // 0 would mean that no box was shown at all.
    CHECK(gui::ShowMessageBox(L"The windows could not be made.", kTitle, MB_OK | MB_ICONERROR) == IDOK);
    KillTimer(nullptr, timer);
}
