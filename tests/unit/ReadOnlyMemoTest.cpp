// The read-only log takes no typing, so it has no input method: its first
// focus, at the window's activation, makes no input context. A text box
// that takes typing keeps its own.
#include "gui/Application.h"
#include "gui/Form.h"

#include <windows.h>
#include <imm.h>

#include <doctest.h>

namespace {

enum { idMemo = 101, idEdit };

class MemoForm : public gui::Form<MemoForm> {
public:
    MemoForm() {
        RegisterWindowObjectClass(L"KORdexReadOnlyMemoTestForm", nullptr, nullptr);
        Build(kForm, kControls);
    }

    HWND memo = nullptr;
    HWND edit = nullptr;

private:
    static const gui::FormLayout kForm;
    static const gui::ControlLayout<MemoForm> kControls[2];
};

const gui::FormLayout MemoForm::kForm{L"KORdexReadOnlyMemoTestForm", L"Memo", 200, 80, WS_POPUP, WS_EX_CONTROLPARENT,
                                      L"Tahoma", 8};
const gui::ControlLayout<MemoForm> MemoForm::kControls[2] = {
    {gui::Control(L"memo", gui::ControlKind::Memo, idMemo).At(10, 5).Size(180, 40).Tab(0), &MemoForm::memo, nullptr},
    {gui::Control(L"edit", gui::ControlKind::Edit, idEdit).At(10, 50).Size(180, 21).Tab(1), &MemoForm::edit, nullptr},
};

// Whether the window has an input context; released again at once.
bool HasInputContext(HWND window) {
    const HIMC context = ImmGetContext(window);
    if (context) ImmReleaseContext(window, context);
    return context != nullptr;
}

}  // namespace

TEST_CASE("the read-only memo has no input context; an edit box keeps its own") {
    gui::Application application;
    MemoForm form;
    CHECK_FALSE(HasInputContext(form.memo));
    CHECK(HasInputContext(form.edit));
}
