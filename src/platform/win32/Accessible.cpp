// What a screen reader is told of a launch button or the clock: the words are the logic's, the
// system's own object for the window answers where it is and what lies around it.
#include "platform/win32/Accessible.h"

#include <atomic>
#include <optional>
#include <string>

#include "platform/win32/Utf.h"

namespace win32 {

namespace {

// Posted to a popup whose default action a screen reader asked for: the action runs from the
// window's own queue, never inside the reader's call, which must not wait on a start or a box.
constexpr UINT kDoDefaultAction = WM_APP + 0x68;

// The import library hands IID_IAccessible over as oleacc's export thunk, not as the identifier:
// every interface query and marshalling with it would fail. The identifier itself, from the header.
const IID& kIAccessible = __uuidof(IAccessible);

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const std::string& text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = SysAllocString(Widen(text).c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT Number(long value, VARIANT* out) {
    if (out == nullptr) return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

class Accessible final : public IAccessible {
  public:
    explicit Accessible(HWND hwnd) : m_hwnd(hwnd) {
        void* standard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, kIAccessible, &standard)))
            m_standard = static_cast<IAccessible*>(standard);
    }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG refs = --m_refs;
        if (refs == 0) delete this;
        return refs;
    }

    // IDispatch: readers call the object's own functions; there is no type library to offer.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // What the window says of itself.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Say(child, &plat::AccessibleFacts::name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Say(child, &plat::AccessibleFacts::description, description);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Say(child, &plat::AccessibleFacts::defaultAction, action);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const auto facts = Facts(child);
        if (!facts) return Failure(child);
        return Number(facts->role == plat::AccessibleRole::PushButton ? ROLE_SYSTEM_PUSHBUTTON
                                                                      : ROLE_SYSTEM_STATICTEXT,
                      role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const auto facts = Facts(child);
        if (!facts) return Failure(child);
        long bits = 0;
        if (facts->focusable) bits |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == m_hwnd) bits |= STATE_SYSTEM_FOCUSED;
        if (!IsWindowVisible(m_hwnd)) bits |= STATE_SYSTEM_INVISIBLE;
        if (facts->role == plat::AccessibleRole::StaticText) bits |= STATE_SYSTEM_READONLY;
        return Number(bits, state);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const auto facts = Facts(child);
        if (!facts) return Failure(child);
        if (facts->defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
        return PostMessageW(m_hwnd, kDoDefaultAction, 0, 0) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (value != nullptr) *value = nullptr;
        return Facts(child) ? DISP_E_MEMBERNOTFOUND : Failure(child);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        if (help != nullptr) *help = nullptr;
        return Facts(child) ? S_FALSE : Failure(child);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        if (file != nullptr) *file = nullptr;
        if (topic != nullptr) *topic = 0;
        return Facts(child) ? S_FALSE : Failure(child);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        if (keys != nullptr) *keys = nullptr;
        return Facts(child) ? S_FALSE : Failure(child);
    }
    // A button has nothing inside it.
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return Live() ? S_OK : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child != nullptr) *child = nullptr;
        return Live() ? E_INVALIDARG : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // Where it is and what lies around it: the system's account of the window.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent != nullptr) *parent = nullptr;
        if (!Live() || m_standard == nullptr) return RPC_E_DISCONNECTED;
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!Live() || m_standard == nullptr) return RPC_E_DISCONNECTED;
        return m_standard->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!Live() || m_standard == nullptr) return RPC_E_DISCONNECTED;
        return m_standard->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        if (!Live() || m_standard == nullptr) return RPC_E_DISCONNECTED;
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (!Live() || m_standard == nullptr) return RPC_E_DISCONNECTED;
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!Live() || m_standard == nullptr) return RPC_E_DISCONNECTED;
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        if (!Live() || m_standard == nullptr) return RPC_E_DISCONNECTED;
        return m_standard->accHitTest(x, y, child);
    }

  private:
    ~Accessible() {
        if (m_standard != nullptr) m_standard->Release();
    }

    // The window's events while it is one of our popups that describes itself: a reader may keep
    // the object long after the window went.
    plat::IAccessibleEvents* Describer() const {
        if (!IsWindow(m_hwnd)) return nullptr;
        plat::IPopupEvents* events = PopupEventsOf(m_hwnd);
        return events != nullptr ? events->Accessible() : nullptr;
    }
    bool Live() const { return Describer() != nullptr; }
    std::optional<plat::AccessibleFacts> Facts(const VARIANT& child) const {
        if (!IsSelf(child)) return std::nullopt;
        plat::IAccessibleEvents* describer = Describer();
        if (describer == nullptr) return std::nullopt;
        return describer->OnDescribe();
    }
    HRESULT Say(const VARIANT& child, std::string plat::AccessibleFacts::*words, BSTR* out) const {
        const auto facts = Facts(child);
        if (!facts) return Failure(child);
        return Text((*facts).*words, out);
    }
    HRESULT Failure(const VARIANT& child) const {
        if (!Live()) return RPC_E_DISCONNECTED;
        return IsSelf(child) ? E_FAIL : E_INVALIDARG;
    }

    std::atomic<ULONG> m_refs{1};
    HWND m_hwnd;
    IAccessible* m_standard = nullptr;
};

}  // namespace

IAccessible* NewAccessible(HWND hwnd) {
    plat::IPopupEvents* events = PopupEventsOf(hwnd);
    if (events == nullptr || events->Accessible() == nullptr) return nullptr;
    return new Accessible(hwnd);
}

bool HearAccessibility(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                       plat::IPopupEvents& events, LRESULT& result) {
    switch (msg) {
        case WM_GETOBJECT: {
            if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return false;
            IAccessible* object = NewAccessible(hwnd);
            if (object == nullptr) return false;
            result = LresultFromObject(kIAccessible, wParam, object);
            object->Release();
            // A failure (a negative HRESULT) leaves the reader the system's own account.
            return result >= 0;
        }
        case WM_SETFOCUS:
            // The reader asks the object that gained the focus what it is, and reads it out.
            if (events.Accessible() != nullptr)
                NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd, OBJID_CLIENT, CHILDID_SELF);
            return false;
        case kDoDefaultAction:
            if (plat::IAccessibleEvents* describer = events.Accessible())
                describer->OnDefaultAction();
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace win32
