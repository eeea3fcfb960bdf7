#include "gui/Form.h"

#include "gui/DialogKeys.h"
#include "gui/DirectoryList.h"
#include "gui/DriveCombo.h"
#include "gui/Dpi.h"
#include "gui/ExceptionGuard.h"
#include "gui/ModalLoop.h"
#include "gui/Picture.h"
#include "gui/PictureButton.h"
#include "gui/SpeedButton.h"
#include "win/Error.h"
#include "win/Library.h"

#include <imm.h>

#include <algorithm>
#include <numeric>

namespace gui {

namespace {

// A drive combo's open list, at 96 dpi: the window's height beyond the field.
constexpr int kDropDownHeight = 160;

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(const ControlDescription& control) {
    switch (control.kind) {
    case ControlKind::Label: {
        DWORD style = (control.options & kCentred) ? SS_CENTER : SS_LEFTNOWORDWRAP;
        if (control.options & kVerticallyCentred) style |= SS_CENTERIMAGE;
        if (control.options & kLiteralText) style |= SS_NOPREFIX;
        return {L"STATIC", style, 0};
    }
    case ControlKind::SpeedButton:
        return {kSpeedButtonClass, 0, 0};
    case ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Memo:
        // Word wrap comes from leaving out ES_AUTOHSCROLL; no scroll bars.
        return {L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PictureButton:
        return {L"BUTTON", BS_OWNERDRAW, 0};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    case ControlKind::Edit:
        return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::DirectoryList:
        return {L"LISTBOX",
                LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::DriveCombo:
        return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    }
    throw win::Error(L"Unknown control kind");
}

const ControlDescription* Find(const ControlDescription* controls, size_t count, const wchar_t* name) {
    for (size_t i = 0; i < count; ++i)
        if (std::wcscmp(controls[i].name, name) == 0) return &controls[i];
    return nullptr;
}

// A group box is a tab stop's group, never a stop itself.
bool TakesFocus(const ControlDescription& control) {
    return control.tabOrder != kNoTabStop && control.kind != ControlKind::GroupBox;
}

// Tab moves through the controls in z-order, and a child window is made
// below its elder siblings: the controls that take the focus come first, in
// their tab order, then the others in table order. Made in that order, no
// control has to be moved afterwards.
std::vector<size_t> CreationOrder(const ControlDescription* controls, size_t count) {
    std::vector<size_t> order(count);
    for (size_t i = 0; i < count; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const bool first = TakesFocus(controls[a]), second = TakesFocus(controls[b]);
        if (first != second) return first;
        return first && controls[a].tabOrder < controls[b].tabOrder;
    });
    return order;
}

// Measured in a memory context of the screen's: the same extent as in the
// control's own, which a window not yet shown would have to be given first.
int TextWidth(HFONT font, const wchar_t* text) {
    const win::MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) win::ThrowLastError(L"Cannot measure a caption");
    const win::SelectedObject selected(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text, static_cast<int>(std::wcslen(text)), &size);
    return size.cx;
}

// A read-only multi-line box has nothing to do with Tab or Enter: they move
// between the controls as in a dialog instead of going into the box, and
// tabbing into it leaves the log unselected.
class ReadOnlyMemo : public SubclassedWindow {
public:
    explicit ReadOnlyMemo(HWND memo) : SubclassedWindow(memo) {
        // Nothing is typed into it, so it needs no input method: with no
        // context, its focus (the window's first activation gives it the
        // focus) activates none.
        static const auto associate =
            win::SystemFunction<decltype(&::ImmAssociateContext)>(L"imm32.dll", "ImmAssociateContext");
        if (associate) associate(memo, nullptr);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = Default(message, wParam, lParam);
        return message == WM_GETDLGCODE ? result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL) : result;
    }
};

win::GdiFont MakeFont(const FormLayout& form, int dpi, int weight) {
    LOGFONTW font{};
    font.lfHeight = FontHeight(form.fontPoints, dpi);
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, form.fontFace, LF_FACESIZE);
    win::GdiFont created(CreateFontIndirectW(&font));
    if (!created) win::ThrowLastError(L"Cannot create font");
    return created;
}

// A drop-down list combo's field takes its height from the font; make the
// closed combo as high as the table says. Measured, since Wine answers
// CB_GETITEMHEIGHT for the field 2 more than it was set to.
void FitComboField(HWND combo, int height) {
    LRESULT field = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 2 && field > 0; ++attempt) {
        RECT closed{};
        GetWindowRect(combo, &closed);
        const LONG difference = height - (closed.bottom - closed.top);
        if (difference == 0 || field + difference <= 0) return;
        field += difference;
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

// The window's rectangle for the form's client size at a dpi, centred on the
// work area of the primary screen.
RECT CentredBounds(const FormLayout& form, int dpi) {
    RECT frame{0, 0, Scale(form.clientWidth, dpi), Scale(form.clientHeight, dpi)};
    AdjustWindowRectEx(&frame, form.style, FALSE, form.exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    return RECT{left, top, left + width, top + height};
}

}  // namespace

FormBase::FormBase() = default;

FormBase::~FormBase() {
    // The window and its controls go first: they use the form's fonts and
    // the controls' objects until they are destroyed.
    DestroyHandle();
    subclassed_.clear();
}

void FormBase::CreateForm(const FormLayout& form, std::vector<ControlDescription> controls, HWND owner,
                          ControlsMade when) {
    if (const wchar_t* clash = AccessKeyClash(controls.data(), controls.size()))
        throw win::Error(std::wstring(L"The access key of ") + clash + L" belongs to another control too");
    controls_ = std::move(controls);
    dpi_ = ScreenDpi();
    font_ = MakeFont(form, dpi_, FW_NORMAL);
    boldFont_ = MakeFont(form, dpi_, FW_BOLD);
    RegisterSpeedButtonClass();
    CreateHandle(form.className, form.caption, form.style, form.exStyle,
                 CentredBounds(form, dpi_), owner);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (when == ControlsMade::kAtCreation) CreateControls();
}

void FormBase::CreateControls() {
    if (controlsMade_) return;
    controlsMade_ = true;
    // Access keys are underlined once the user presses Alt, as elsewhere in
    // Windows. Set before the controls exist, they start with it.
    SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0);
    std::vector<HWND> created(controls_.size());
    for (size_t i : CreationOrder(controls_.data(), controls_.size()))
        created[i] = CreateControl(controls_[i], controls_.data(), controls_.size());
    ControlsCreated(created);
}

HWND FormBase::CreateControl(const ControlDescription& control, const ControlDescription* controls, size_t count) {
    Geometry at = control.geometry;
    if (control.container) {
        // Children of a group box are laid out relative to it, but made
        // children of the form so that their messages reach the form.
        const ControlDescription* box = Find(controls, count, control.container);
        if (!box) throw win::Error(std::wstring(L"Unknown container ") + control.container);
        at.left += box->geometry.left;
        at.top += box->geometry.top;
    }
    const WindowKind kind = KindOf(control);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP | kind.style;
    if (TakesFocus(control)) style |= WS_TABSTOP;
    const HFONT font = (control.options & kBold) ? boldFont_.get() : font_.get();

    // A combo's window height includes its open list.
    const int extra = control.kind == ControlKind::DriveCombo ? Scale(kDropDownHeight, dpi_) : 0;
    const HWND window = CreateWindowExW(kind.exStyle, kind.className, control.text, style, Scale(at.left, dpi_),
                                        Scale(at.top, dpi_), Scale(at.width, dpi_), Scale(at.height, dpi_) + extra,
                                        Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                        GetModuleHandleW(nullptr), nullptr);
    if (!window) win::ThrowLastError(std::wstring(L"Cannot create control ") + control.name);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    if (control.options & kWidthFollowsText) {
        SetWindowPos(window, nullptr, 0, 0, TextWidth(font, control.text), Scale(at.height, dpi_),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (control.options & kTransparent) transparent_.push_back(window);
    if (control.options & kChecked) SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
    if (control.kind == ControlKind::Memo) {
        SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
        subclassed_.push_back(std::make_unique<ReadOnlyMemo>(window));
    }
    if (control.kind == ControlKind::DirectoryList)
        subclassed_.push_back(std::make_unique<DirectoryList>(window, dpi_));
    if (control.kind == ControlKind::DriveCombo) {
        FitComboField(window, Scale(at.height, dpi_));
        subclassed_.push_back(std::make_unique<DriveCombo>(window));
    }
    if (control.kind == ControlKind::PictureButton) {
        subclassed_.push_back(std::make_unique<PictureButton>(
            window, Picture::FromResource(GetModuleHandleW(nullptr), control.picture), dpi_));
    }
    if (control.accessKey) {
        SetSpeedButtonAccessKey(window, control.accessKey);
        accessKeys_.Add(control.accessKey, window);
    }
    return window;
}

PictureButton& FormBase::PictureButtonOf(HWND control) const {
    PictureButton* button = PictureButton::FromHandle(control);
    if (!button) throw win::Error(L"Not a picture button");
    return *button;
}

DirectoryList& FormBase::DirectoryListOf(HWND control) const {
    DirectoryList* list = DirectoryList::FromHandle(control);
    if (!list) throw win::Error(L"Not a directory list");
    return *list;
}

DriveCombo& FormBase::DriveComboOf(HWND control) const {
    DriveCombo* combo = DriveCombo::FromHandle(control);
    if (!combo) throw win::Error(L"Not a drive combo");
    return *combo;
}

void FormBase::BindChange(HWND control, std::function<void()> handler) {
    if (DirectoryList* list = DirectoryList::FromHandle(control)) list->OnChange(std::move(handler));
    else DriveComboOf(control).OnChange(std::move(handler));
}

void FormBase::ShowModal() {
    if (IsWindowVisible(Handle())) return;
    const ModalLoop loop(Handle());
    shownModally_ = true;
    ShowWindow(Handle(), SW_SHOWNORMAL);
    Guarded([this] {
        Activated();
        return LRESULT{0};
    });
    if (!loop.Run(shownModally_)) Close();
}

void FormBase::Close() {
    shownModally_ = false;
    // The owner first: hiding an active window activates its enabled owner,
    // not some other program's window.
    if (const HWND owner = GetWindow(Handle(), GW_OWNER)) EnableWindow(owner, TRUE);
    ShowWindow(Handle(), SW_HIDE);
}

// Folder lists and drive combos read the disks only when the form is first
// shown: a form created hidden at start-up, maybe never opened, costs the
// start nothing and never waits on a slow disk.
void FormBase::FillLists() {
    // The lists first: a combo then selects its list's drive.
    for (const auto& window : subclassed_)
        if (auto* list = dynamic_cast<DirectoryList*>(window.get())) list->Fill();
    for (const auto& window : subclassed_)
        if (auto* combo = dynamic_cast<DriveCombo*>(window.get())) combo->Fill();
}

bool FormBase::TakesInput(HWND control) const {
    // Other programs can still post clicks to a form that a modal box or
    // dialog has disabled, or to a hidden or disabled button: a user could
    // not have made them, so they start nothing.
    return IsWindowEnabled(Handle()) && IsUsable(control);
}

void FormBase::RestoreFocus() {
    if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    // The first control in tab order that takes the focus.
    if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
    else SetFocus(Handle());
}

// The window's keyboard cues are kept here and passed on to the controls,
// since Wine's windows keep none of their own; a user who asked to see them
// always sees them.
void FormBase::ChangeCues(WPARAM change) {
    if (KeyboardCuesAlwaysShown()) return;
    hiddenCues_ = ChangedCues(hiddenCues_, change);
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_UPDATEUISTATE, change, 0);
}

LRESULT FormBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const HWND control = reinterpret_cast<HWND>(lParam);
        if (!control) return 0;
        if (DirectoryList* list = DirectoryList::FromHandle(control)) list->Command(HIWORD(wParam));
        else if (DriveCombo* combo = DriveCombo::FromHandle(control)) combo->Command(HIWORD(wParam));
        else if (TakesInput(control)) ControlEvent(LOWORD(wParam), HIWORD(wParam));
        return 0;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (PictureButton* button = PictureButton::FromHandle(item->hwndItem)) {
            button->Draw(*item);
            return TRUE;
        }
        if (const DirectoryList* list = DirectoryList::FromHandle(item->hwndItem)) {
            list->Draw(*item);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        // Labels, check boxes and read-only edits on the form's face colour;
        // transparent labels let whatever is behind them show.
        const HDC dc = reinterpret_cast<HDC>(wParam);
        const HWND control = reinterpret_cast<HWND>(lParam);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        if (std::find(transparent_.begin(), transparent_.end(), control) != transparent_.end()) {
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SHOWWINDOW:
        if (wParam) {
            CreateControls();
            FillLists();
            Showing();
        }
        break;
    case WM_CHANGEUISTATE:
        ChangeCues(wParam);
        return 0;
    case WM_QUERYUISTATE:
        return hiddenCues_;
    case kPressAccessKey:
        return accessKeys_.Press(static_cast<wchar_t>(wParam));
    case WM_ACTIVATE:
        // Like a dialog: the focus comes back to where it was, and the first
        // time to the first control in tab order.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && (focus == Handle() || IsChild(Handle(), focus))) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            RestoreFocus();
        }
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace gui
