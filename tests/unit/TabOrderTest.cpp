// A form whose table lists its controls in another order than Tab takes
// them: Tab follows the tab order, and the controls that never take the
// focus are passed over.
#include "gui/Application.h"
#include "gui/Form.h"

#include <windows.h>

#include <doctest.h>

#include <vector>

namespace {

enum { idLabel = 101, idBox, idTicked, idEdit, idGroup };

class ShuffledForm : public gui::Form<ShuffledForm> {
public:
    ShuffledForm() {
        RegisterWindowObjectClass(L"KORdexTabOrderTestForm", nullptr, nullptr);
        Build(kForm, kControls);
    }

    HWND label = nullptr;
    HWND box = nullptr;
    HWND ticked = nullptr;
    HWND edit = nullptr;
    HWND group = nullptr;

private:
    static const gui::FormLayout kForm;
    static const gui::ControlLayout<ShuffledForm> kControls[5];
};

const gui::FormLayout ShuffledForm::kForm{L"KORdexTabOrderTestForm", L"Tab", 200, 120, WS_POPUP, WS_EX_CONTROLPARENT,
                                          L"Tahoma", 8};
const gui::ControlLayout<ShuffledForm> ShuffledForm::kControls[5] = {
    {gui::Control(L"label", gui::ControlKind::Label, idLabel).At(10, 5).Size(100, 13).Text(L"Címke"),
     &ShuffledForm::label, nullptr},
    {gui::Control(L"ticked", gui::ControlKind::CheckBox, idTicked).At(10, 90).Size(100, 17).Text(L"Pipa").Tab(2),
     &ShuffledForm::ticked, nullptr},
    {gui::Control(L"group", gui::ControlKind::GroupBox, idGroup).At(5, 20).Size(190, 65).Text(L"Csoport").Tab(0),
     &ShuffledForm::group, nullptr},
    {gui::Control(L"box", gui::ControlKind::Memo, idBox).At(10, 55).Size(100, 25).Tab(1), &ShuffledForm::box, nullptr},
    {gui::Control(L"edit", gui::ControlKind::Edit, idEdit).At(10, 30).Size(100, 21).Tab(0), &ShuffledForm::edit,
     nullptr},
};

}  // namespace

TEST_CASE("Tab takes the controls in their tab order, whatever the order of the table") {
    gui::Application application;
    ShuffledForm form;
    std::vector<HWND> visited;
    HWND at = nullptr;
    for (int step = 0; step < 4; ++step) {
        at = GetNextDlgTabItem(form.Handle(), at, FALSE);
        visited.push_back(at);
    }
    CHECK(visited == std::vector<HWND>{form.edit, form.box, form.ticked, form.edit});
    // The group box and the label are no tab stops.
    CHECK((GetWindowLongW(form.group, GWL_STYLE) & WS_TABSTOP) == 0);
    CHECK((GetWindowLongW(form.label, GWL_STYLE) & WS_TABSTOP) == 0);
}
