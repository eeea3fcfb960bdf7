#include "gui/AccessibleButton.h"

#include "gui/AccessKey.h"
#include "gui/Oleacc.h"
#include "gui/Window.h"
#include "win/Com.h"
#include "win/LateImports.h"
#include "win/Window.h"

#include <oleacc.h>

#include <new>
#include <string>
#include <utility>

namespace gui {

namespace {

constexpr wchar_t kDefaultAction[] = L"press";

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT AnswerText(const std::wstring& text, BSTR* answer) {
    if (!answer) return E_POINTER;
    *answer = win::AllocateBstr(text.c_str());
    return *answer ? S_OK : E_OUTOFMEMORY;
}

// Runs a method's work: nothing may be thrown across COM, a failed
// allocation or any other error is answered as a failure code instead.
template <typename Work>
HRESULT Answered(Work&& work) noexcept {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

// While a box is open its owner takes no input, so a press would be
// dropped: the button is unavailable then, whatever its own state.
bool FormTakesInput(HWND button) {
    const HWND form = GetAncestor(button, GA_ROOT);
    return form && IsWindowEnabled(form);
}

HRESULT AnswerNumber(LONG number, VARIANT* answer) {
    if (!answer) return E_POINTER;
    answer->vt = VT_I4;
    answer->lVal = number;
    return S_OK;
}

// Made for each WM_GETOBJECT, as the system's proxies are; it reads the
// window each time it is asked, so it stays true for as long as a screen
// reader keeps it. The window's standard object answers what is the same
// for every window.
class AccessibleButton final : public IAccessible {
public:
    AccessibleButton(HWND button, wchar_t accessKey, win::ComPtr<IAccessible> standard)
        : button_(button), accessKey_(accessKey), standard_(std::move(standard)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != __uuidof(IAccessible)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }

    // Screen readers call IAccessible itself; there is no type library.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        return Answered([&] { return AnswerText(win::WindowText(button_), name); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        return AnswerNumber(ROLE_SYSTEM_PUSHBUTTON, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        LONG flags = 0;
        if (!IsWindowEnabled(button_) || !FormTakesInput(button_)) flags |= STATE_SYSTEM_UNAVAILABLE;
        if (!IsWindowVisible(button_)) flags |= STATE_SYSTEM_INVISIBLE;
        return AnswerNumber(flags, state);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (accessKey_) return Answered([&] { return AnswerText(AccessKeyShortcut(accessKey_), shortcut); });
        if (shortcut) *shortcut = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        return Answered([&] { return AnswerText(kDefaultAction, action); });
    }
    // Posted, not sent: the click may open a modal box, and the screen
    // reader must not wait for the user to answer it.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        // A hidden or disabled button, or one whose form takes no input, has
        // nothing to do now.
        if (!IsUsable(button_) || !FormTakesInput(button_)) return DISP_E_MEMBERNOTFOUND;
        return PostMessageW(button_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child) *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return standard_->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }

private:
    ~AccessibleButton() = default;

    LONG references_ = 1;
    HWND button_;
    wchar_t accessKey_;
    win::ComPtr<IAccessible> standard_;
};

}  // namespace

LRESULT AccessibleButtonObject(HWND button, WPARAM wParam, wchar_t accessKey) {
    win::ComPtr<IAccessible> standard;
    if (FAILED(CreateStandardAccessible(button, OBJID_CLIENT, __uuidof(IAccessible), standard.receive())))
        return 0;
    const win::ComPtr<IAccessible> created(new (std::nothrow) AccessibleButton(button, accessKey, std::move(standard)));
    if (!created) return 0;
    // The answer holds a reference of its own; a failure is an HRESULT, not an answer.
    const LRESULT result = LresultFromAccessible(__uuidof(IAccessible), wParam, created.get());
    return result > 0 ? result : 0;
}

}  // namespace gui
