// A form: a top-level window built from a constant table that describes its
// controls. Creating the form walks the table, scales every geometry and the
// font to the screen's dpi, creates each control as a real child window with
// its fixed ID and stores its handle in the named field; clicks go to the
// member function the table binds. A form created hidden that the user may
// never open can leave its controls until it is first shown: under Wine each
// control costs a millisecond or more, a drop-down combo (a top-level list
// of its own) tens, and the start waits for none of them.
#pragma once

#include "gui/AccessKey.h"
#include "gui/ControlTable.h"
#include "gui/SubclassedWindow.h"
#include "gui/Window.h"
#include "win/Gdi.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace gui {

class DirectoryList;
class DriveCombo;
class PictureButton;

enum class ControlsMade { kAtCreation, kWhenFirstShown };

// The window's own layout: its class, caption, client size, styles and font.
struct FormLayout {
    const wchar_t* className;
    const wchar_t* caption;
    int clientWidth, clientHeight;  // at 96 dpi
    DWORD style, exStyle;
    const wchar_t* fontFace;
    int fontPoints;
};

class FormBase : public Window {
public:
    ~FormBase() override;

    HFONT BoldFont() const { return boldFont_.get(); }
    PictureButton& PictureButtonOf(HWND control) const;
    DirectoryList& DirectoryListOf(HWND control) const;
    DriveCombo& DriveComboOf(HWND control) const;

    // Shows the form as a modal window: its owner takes no input meanwhile,
    // Activated runs once, and a nested message loop runs until the form is
    // closed (hidden); then the owner is active again.
    void ShowModal();
    // Hides the form, which ends its modal showing.
    void Close();

protected:
    FormBase();

    // Creates the window (hidden, owned by owner) and, now or when the form is
    // first shown, every control; then ControlsCreated gets their handles in
    // table order.
    void CreateForm(const FormLayout& form, std::vector<ControlDescription> controls, HWND owner, ControlsMade when);
    virtual void ControlsCreated(const std::vector<HWND>& handles) = 0;

    // A click (or other notification) from the control with that ID.
    virtual void ControlEvent(int id, int notification) = 0;

    // The form's activation on each modal showing; not when the user comes
    // back to it from another program. An error it raises is shown and the
    // form stays open.
    virtual void Activated() {}

    // The form's show event: each time it is about to become visible, once
    // its controls exist and its lists are filled. An error it raises is
    // shown, and the form is shown all the same.
    virtual void Showing() {}

    // Calls handler after each change of a directory list or drive combo.
    void BindChange(HWND control, std::function<void()> handler);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND CreateControl(const ControlDescription& control, const ControlDescription* controls, size_t count);
    void FillLists();
    void RestoreFocus();
    void CreateControls();
    bool TakesInput(HWND control) const;
    void ChangeCues(WPARAM change);

    int dpi_ = 96;
    std::vector<ControlDescription> controls_;
    bool controlsMade_ = false;
    // Set while ShowModal runs, cleared by Close. Not the window's
    // visibility: Windows hides owned windows while their owner is
    // minimised, and the showing must outlast that.
    bool shownModally_ = false;
    win::GdiFont font_;
    win::GdiFont boldFont_;
    // Picture buttons, directory lists, drive combos and the read-only memo.
    std::vector<std::unique_ptr<SubclassedWindow>> subclassed_;
    std::vector<HWND> transparent_;
    HWND lastFocus_ = nullptr;
    AccessKeyTable accessKeys_;
    WORD hiddenCues_ = 0;  // UISF_* flags
};

// One row of a form class TForm's control table: the control's layout, the
// field that gets its handle and the member function its event calls.
template <typename TForm>
struct ControlLayout {
    ControlDescription description;
    HWND TForm::*field;
    void (TForm::*event)();
};

template <typename TForm>
class Form : public FormBase {
protected:
    // The fields stay null until the controls are made; ControlsReady runs
    // once they are set.
    template <size_t N>
    void Build(const FormLayout& form, const ControlLayout<TForm> (&controls)[N], HWND owner = nullptr,
               ControlsMade when = ControlsMade::kAtCreation) {
        table_ = controls;
        tableSize_ = N;
        std::vector<ControlDescription> descriptions;
        for (const ControlLayout<TForm>& control : controls) descriptions.push_back(control.description);
        CreateForm(form, std::move(descriptions), owner, when);
    }

    virtual void ControlsReady() {}

    void ControlsCreated(const std::vector<HWND>& handles) override {
        for (size_t i = 0; i < tableSize_; ++i) {
            static_cast<TForm*>(this)->*table_[i].field = handles[i];
            const ControlKind kind = table_[i].description.kind;
            const auto event = table_[i].event;
            // Lists and combos report changes, not clicks.
            if (event && (kind == ControlKind::DirectoryList || kind == ControlKind::DriveCombo))
                BindChange(handles[i], [this, event] { (static_cast<TForm*>(this)->*event)(); });
        }
        ControlsReady();
    }

    void ControlEvent(int id, int notification) override {
        if (notification != BN_CLICKED) return;
        for (size_t i = 0; i < tableSize_; ++i) {
            const ControlLayout<TForm>& control = table_[i];
            if (control.description.id == id && control.event) {
                (static_cast<TForm*>(this)->*control.event)();
                return;
            }
        }
    }

private:
    const ControlLayout<TForm>* table_ = nullptr;
    size_t tableSize_ = 0;
};

}  // namespace gui
