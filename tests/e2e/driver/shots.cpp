// shot and shot-screen: capture once the program has painted and the picture is still.

#include "commands.h"
#include "failure.h"
#include "screenshot.h"
#include "text.h"

namespace {

bool paintPending(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE))
        return true;
    for (HWND child : descendants(window))
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
            return true;
    return false;
}

// Repaints the windows, then captures until two captures in a row, each taken
// with nothing left to paint, are the same: Wine shows a window's drawing on
// screen only once its thread goes idle.
Image captureSettled(Context& ctx, const std::vector<HWND>& windows, const RECT& area) {
    for (HWND w : windows)
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    Image previous, image;
    bool havePrevious = false;
    waitFor(ctx, L"the windows painted and the picture still", [&](std::wstring& found) {
        for (HWND w : windows) {
            if (!sendWithTimeout(w, WM_NULL, 0, 0, ctx.sendBudgetMs())) {
                found = describeWindow(w) + L" does not answer";
                havePrevious = false;
                return false;
            }
            if (paintPending(w)) {
                found = describeWindow(w) + L" has not painted yet";
                havePrevious = false;
                return false;
            }
        }
        image = captureScreen(area);
        bool settled = havePrevious && image == previous;
        previous = image;
        havePrevious = true;
        found = L"the picture is still changing";
        return settled;
    });
    return image;
}

void save(const std::wstring& file, const Image& image) {
    if (image.pixels.empty())
        fail(L"nothing to capture (empty area)");
    std::wstring path = hostPath(file);
    DWORD error;
    if (!writeBmp(path, image, error))
        fail(L"cannot write " + quote(path) + L": error " + std::to_wstring(error));
}

}  // namespace

// The current window with its frame, or only the named control's rectangle in it.
void cmdShot(Context& ctx, const Step& step) {
    HWND window = ctx.currentWindow();
    HWND shown = step.args.size() > 2 ? waitForControl(ctx, step.args[2]) : window;
    RECT area{};
    if (!GetWindowRect(shown, &area))
        fail(describeWindow(shown) + L" no longer exists");
    save(step.args[1].text, captureSettled(ctx, {window}, area));
}

void cmdShotScreen(Context& ctx, const Step& step) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    std::vector<HWND> windows;
    if (!ctx.programs.empty() && ctx.program().running())
        windows = visibleTopLevelWindows(ctx.program().id());
    save(step.args[1].text, captureSettled(ctx, windows, area));
}
