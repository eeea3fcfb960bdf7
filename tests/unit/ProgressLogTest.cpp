#include "app/ProgressLog.h"
#include "win/Error.h"

#include <windows.h>

#include <doctest.h>

#include <string>

namespace {

// A log box like the main window's: read-only, word wrap, no scroll bars,
// 374 x 188 pixels in Tahoma 8 pt.
struct LogBox {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                               0, 0, 374, 188, parent, nullptr, nullptr, nullptr);
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    LogBox() { SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); }
    ~LogBox() {
        DestroyWindow(parent);
        DeleteObject(font);
    }
    std::wstring Text() const {
        wchar_t text[8192] = L"";
        GetWindowTextW(box, text, 8192);
        return text;
    }
    LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const { return SendMessageW(box, message, w, l); }
};

const std::wstring kLong =
    L"Az alapértelmezett könyvtárba írási jogosultság hiánya miatt nem telepíthető a program. Kérlek futtasd a "
    L"programot rendszergazda módban, vagy válassz másik mappát! (pl.: Dokumentumok, vagy Asztal)";

}  // namespace

TEST_CASE("entries are added, appended to and read back by position, also past a wrapped entry") {
    LogBox ui;
    ProgressLog log(ui.box);
    CHECK(log.Add(L"> futási környezet ellenőrzése: ") == 0);
    log.Append(0, L"Windows 7 Ultimate");
    CHECK(log.Add(L"") == 1);
    CHECK(log.Add(kLong) == 2);
    CHECK(log.Add(L"> várakozás a felhasználóra") == 3);
    // The long entry takes several visual lines of the box, yet stays one entry.
    CHECK(ui.Send(EM_GETLINECOUNT) > 4);
    log.Append(3, L"...");
    log.Append(3, L"OK");
    log.Append(1, L"x");

    CHECK(log.Count() == 4);
    CHECK(log.Entry(0) == L"> futási környezet ellenőrzése: Windows 7 Ultimate");
    CHECK(log.Entry(1) == L"x");
    CHECK(log.Entry(2) == kLong);
    CHECK(log.Entry(3) == L"> várakozás a felhasználóra...OK");
    CHECK(ui.Text() == L"> futási környezet ellenőrzése: Windows 7 Ultimate\r\nx\r\n" + kLong +
                           L"\r\n> várakozás a felhasználóra...OK");
}

TEST_CASE("an empty entry counts: clear, then an empty entry, then text") {
    LogBox ui;
    ProgressLog log(ui.box);
    log.Add(L"old");
    log.Clear();
    CHECK(log.Count() == 0);
    CHECK(ui.Text().empty());
    log.Add(L"");
    CHECK(log.Count() == 1);
    log.Add(L"second");
    CHECK(log.Entry(0).empty());
    CHECK(log.Entry(1) == L"second");
    CHECK(ui.Text() == L"\r\nsecond");
    log.Clear();
    log.Add(L"first");
    CHECK(log.Entry(0) == L"first");
}

TEST_CASE("every write leaves the caret behind the text written and scrolls the latest write into view") {
    LogBox ui;
    ProgressLog log(ui.box);
    for (int i = 0; i < 20; ++i) log.Add(L"> sor " + std::to_wstring(i) + L"...");
    DWORD start = 0, end = 0;
    ui.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(end == ui.Text().size());
    CHECK(ui.Send(EM_GETFIRSTVISIBLELINE) > 0);

    log.Append(19, L"OK");
    ui.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(end == ui.Text().size());

    // An outcome for an entry far up: the caret goes behind it, and it scrolls into view.
    log.Append(0, L"OK");
    ui.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CHECK(end == log.Entry(0).size());
    CHECK(ui.Send(EM_GETFIRSTVISIBLELINE) == 0);
}

TEST_CASE("an entry that does not exist raises an error instead of landing elsewhere") {
    LogBox ui;
    ProgressLog log(ui.box);
    log.Add(L"only");
    CHECK_THROWS_AS(log.Append(1, L"OK"), win::Error);
    CHECK_THROWS_AS(log.Entry(3), win::Error);
    CHECK(ui.Text() == L"only");
}

TEST_CASE("a batch shows its writes in one go, leaving the box as the writes one by one would") {
    LogBox single, batched;
    ProgressLog one(single.box), gathered(batched.box);
    auto write = [](ProgressLog& log) {
        log.Add(L"> futási környezet ellenőrzése: Windows 7 Ultimate");
        for (int i = 0; i < 20; ++i) log.Add(L"> sor " + std::to_wstring(i) + L"...");
        log.Append(3, L"OK");
        log.Add(kLong);
        log.Append(21, L"OK");
    };
    write(one);
    {
        const ProgressLog::Batch outer(gathered);
        {
            const ProgressLog::Batch inner(gathered);
            write(gathered);
            CHECK(gathered.Entry(3) == L"> sor 2...OK");
        }
        // Only the outermost batch shows them; the box has not been touched.
        CHECK(batched.Text().empty());
    }
    CHECK(batched.Text() == single.Text());
    DWORD start = 0, end = 0, batchedStart = 0, batchedEnd = 0;
    single.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    batched.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&batchedStart), reinterpret_cast<LPARAM>(&batchedEnd));
    CHECK(batchedEnd == end);
    CHECK(batchedStart == start);
    CHECK(batched.Send(EM_GETFIRSTVISIBLELINE) == single.Send(EM_GETFIRSTVISIBLELINE));
    CHECK(batched.Send(EM_GETFIRSTVISIBLELINE) > 0);
}

TEST_CASE("a flush inside a batch shows the writes so far, as before a message box; clearing too") {
    LogBox ui;
    ProgressLog log(ui.box);
    log.Add(L"old");
    const ProgressLog::Batch batch(log);
    log.Clear();
    log.Add(L"> datacore.kdx file másolása...");
    CHECK(ui.Text() == L"old");
    log.Flush();
    CHECK(ui.Text() == L"> datacore.kdx file másolása...");
    log.Append(0, L"KIHAGYVA");
    CHECK(ui.Text() == L"> datacore.kdx file másolása...");
    log.Flush();
    CHECK(ui.Text() == L"> datacore.kdx file másolása...KIHAGYVA");
}
