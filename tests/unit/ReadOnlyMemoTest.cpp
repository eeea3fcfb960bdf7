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
        RegisterClassOnce(L"KORdexReadOnlyMemoTestForm", nullptr, nullptr);
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
// name, kind, id, container, geometry, text, options, tab order
const gui::ControlLayout<MemoForm> MemoForm::kControls[2] = {
    {{L"memo", gui::ControlKind::Memo, idMemo, nullptr, {10, 5, 180, 40}, L"", 0, 0, 0}, &MemoForm::memo, nullptr},
    {{L"edit", gui::ControlKind::Edit, idEdit, nullptr, {10, 50, 180, 21}, L"", 0, 1, 0}, &MemoForm::edit, nullptr},
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
