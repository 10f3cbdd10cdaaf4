#include "controls/AccessibleObject_win.h"

#include "platform/SystemLibrary_win.h"
#include "platform/WindowBase_win.h"

#include <oleacc.h>
#include <utility>

namespace traxo {
namespace {

// The apartment the object lives in: the window's own thread, entered once on first use and
// kept for the thread's life, as a reader may call at any time.
bool EnterApartment() {
    thread_local const bool entered = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    return entered;
}

BSTR TextBstr(const std::u16string& text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
}

HRESULT AnswerText(const std::u16string& text, BSTR* out) {
    *out = text.empty() ? nullptr : TextBstr(text);
    if (text.empty()) {
        return S_FALSE;
    }
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// oleacc is not one of the libraries the system always maps from its own folder, so it is never
// imported (a copy planted beside the program would be found first): it is loaded from the
// system folder the first time a reader asks.
HRESULT ObjectFromWindow(HWND window, REFIID iid, void** out) {
    using Function = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    static const auto function =
        SystemFunction<Function>(L"oleacc.dll", "AccessibleObjectFromWindow");
    return function != nullptr ? function(window, static_cast<DWORD>(OBJID_WINDOW), iid, out)
                               : E_NOTIMPL;
}

LRESULT ResultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) {
    using Function = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    static const auto function = SystemFunction<Function>(L"oleacc.dll", "LresultFromObject");
    return function != nullptr ? function(iid, wParam, object) : 0;
}

void SetChild(VARIANT* out, long child) {
    out->vt = VT_I4;
    out->lVal = child;
}

} // namespace

class AccessibleObject final : public IAccessible {
public:
    AccessibleObject(HWND window, AccessibleProvider* provider)
        : window_(window), provider_(provider) {}

    void Disconnect() {
        if (pending_ >= 0 && window_ != nullptr) {
            KillTimer(window_, TimerId());
            pending_ = -1;
            Release(); // the reference the pending action held
        }
        window_ = nullptr;
        provider_ = nullptr;
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: readers use the interface's own methods.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent == nullptr) {
            return E_POINTER;
        }
        *parent = nullptr;
        if (!Connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        return ObjectFromWindow(window_, __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return Guarded([&] {
            *count = provider_->AccessibleChildCount();
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        // A child window answers for itself; the others are simple elements, reached by id.
        return WithItem(child, [this, out](int id, const AccessibleItem&) -> HRESULT {
            const HWND window = id == CHILDID_SELF ? nullptr : provider_->AccessibleChildWindow(id);
            if (window == nullptr) {
                return S_FALSE;
            }
            return ObjectFromWindow(window, __uuidof(IDispatch), reinterpret_cast<void**>(out));
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return TextOf(child, name, [](const AccessibleItem& item) { return item.name; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return TextOf(child, value, [](const AccessibleItem& item) { return item.value; });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return TextOf(child, text, [](const AccessibleItem&) { return std::u16string(); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return TextOf(child, text, [](const AccessibleItem&) { return std::u16string(); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return TextOf(child, text,
                      [](const AccessibleItem& item) { return item.keyboardShortcut; });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return TextOf(child, text, [](const AccessibleItem& item) { return item.defaultAction; });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (file != nullptr) {
            *file = nullptr;
        }
        if (topic != nullptr) {
            *topic = 0;
        }
        return Connected() ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (role == nullptr) {
            return E_POINTER;
        }
        VariantInit(role);
        return WithItem(child, [role](int, const AccessibleItem& item) {
            SetChild(role, static_cast<long>(item.role));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (state == nullptr) {
            return E_POINTER;
        }
        VariantInit(state);
        return WithItem(child, [this, state](int id, const AccessibleItem& item) {
            SetChild(state, static_cast<long>(StateBits(WindowStates(id, item.states))));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return FindChild(focus, [](const AccessibleStates& states) { return states.focused; });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return FindChild(selection, [](const AccessibleStates& states) { return states.selected; });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override {
        return Connected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        *left = *top = *width = *height = 0;
        return WithItem(child, [&](int id, const AccessibleItem& item) {
            const RECT area = ScreenRect(id, item);
            *left = area.left;
            *top = area.top;
            *width = area.right - area.left;
            *height = area.bottom - area.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleObject() = default;

    bool Connected() const { return provider_ != nullptr && IsWindow(window_) != FALSE; }
    UINT_PTR TimerId() const { return reinterpret_cast<UINT_PTR>(this); }

    // Runs `body` with a connected provider; no exception leaves the object.
    template <typename Body> HRESULT Guarded(Body&& body) {
        if (!Connected()) {
            return CO_E_OBJNOTCONNECTED;
        }
        return RunGuarded(std::forward<Body>(body), [] { return E_FAIL; });
    }

    // The child's id when `child` names this object or one of its children, else -1.
    int ChildId(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > provider_->AccessibleChildCount()) {
            return -1;
        }
        return static_cast<int>(child.lVal);
    }

    template <typename Body> HRESULT WithItem(const VARIANT& child, Body&& body) {
        return Guarded([&]() -> HRESULT {
            const int id = ChildId(child);
            if (id < 0) {
                return E_INVALIDARG;
            }
            return body(id, provider_->AccessibleItemOf(id));
        });
    }

    template <typename Pick> HRESULT TextOf(const VARIANT& child, BSTR* out, Pick&& pick) {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        return WithItem(
            child, [&](int, const AccessibleItem& item) { return AnswerText(pick(item), out); });
    }

    // What the window itself adds to its own states: focus, visibility, the tab stop.
    AccessibleStates WindowStates(int id, AccessibleStates states) const {
        if (id == CHILDID_SELF) {
            states.focused = states.focused || GetFocus() == window_;
            states.invisible = IsWindowVisible(window_) == FALSE;
            states.focusable =
                states.focusable || (GetWindowLongPtrW(window_, GWL_STYLE) & WS_TABSTOP) != 0;
        }
        return states;
    }

    RECT ScreenRect(int id, const AccessibleItem& item) const {
        RECT area{};
        if (id == CHILDID_SELF) {
            GetWindowRect(window_, &area);
            return area;
        }
        area = RECT{item.place.left, item.place.top, item.place.right, item.place.bottom};
        MapWindowPoints(window_, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
        return area;
    }

    template <typename Test> HRESULT FindChild(VARIANT* out, Test&& test) {
        if (out == nullptr) {
            return E_POINTER;
        }
        VariantInit(out);
        return Guarded([&]() -> HRESULT {
            const int count = provider_->AccessibleChildCount();
            for (int id = 1; id <= count; ++id) {
                if (test(provider_->AccessibleItemOf(id).states)) {
                    SetChild(out, id);
                    return S_OK;
                }
            }
            if (test(
                    WindowStates(CHILDID_SELF, provider_->AccessibleItemOf(CHILDID_SELF).states))) {
                SetChild(out, CHILDID_SELF);
                return S_OK;
            }
            return S_FALSE;
        });
    }

    static void CALLBACK RunPending(HWND window, UINT, UINT_PTR id, DWORD) {
        KillTimer(window, id);
        auto* object = reinterpret_cast<AccessibleObject*>(id);
        const int child = std::exchange(object->pending_, -1);
        if (object->Connected() && child >= 0) {
            AccessibleProvider* provider = object->provider_;
            RunGuarded([provider, child] { provider->AccessibleDoDefault(child); }, [] {});
        }
        object->Release();
    }

    LONG references_ = 1;
    HWND window_;
    AccessibleProvider* provider_;
    int pending_ = -1; // the child whose default action waits for the window's next turn
};

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (end == nullptr) {
        return E_POINTER;
    }
    VariantInit(end);
    return Guarded([&]() -> HRESULT {
        const int from = ChildId(start);
        const int count = provider_->AccessibleChildCount();
        if (from < 0) {
            return E_INVALIDARG;
        }
        int to = 0;
        switch (direction) {
        case NAVDIR_FIRSTCHILD:
            to = from == CHILDID_SELF ? 1 : 0;
            break;
        case NAVDIR_LASTCHILD:
            to = from == CHILDID_SELF ? count : 0;
            break;
        case NAVDIR_NEXT:
        case NAVDIR_DOWN:
            to = from == CHILDID_SELF ? 0 : from + 1;
            break;
        case NAVDIR_PREVIOUS:
        case NAVDIR_UP:
            to = from == CHILDID_SELF ? 0 : from - 1;
            break;
        default:
            return DISP_E_MEMBERNOTFOUND; // the window's neighbours are the system's to tell
        }
        if (to < 1 || to > count) {
            return S_FALSE;
        }
        SetChild(end, to);
        return S_OK;
    });
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    VariantInit(child);
    return Guarded([&]() -> HRESULT {
        RECT whole{};
        GetWindowRect(window_, &whole);
        const POINT at{x, y};
        if (PtInRect(&whole, at) == FALSE) {
            return S_FALSE;
        }
        const int count = provider_->AccessibleChildCount();
        for (int id = 1; id <= count; ++id) {
            const RECT area = ScreenRect(id, provider_->AccessibleItemOf(id));
            if (PtInRect(&area, at) != FALSE) {
                SetChild(child, id);
                return S_OK;
            }
        }
        SetChild(child, CHILDID_SELF);
        return S_OK;
    });
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    return WithItem(child, [this](int id, const AccessibleItem& item) -> HRESULT {
        if (item.defaultAction.empty() || item.states.unavailable) {
            return DISP_E_MEMBERNOTFOUND;
        }
        // Carried out on the window's next turn: the action may open a modal window or end
        // the control, which the reader's call must not wait for.
        if (pending_ < 0) {
            if (SetTimer(window_, TimerId(), 0, RunPending) == 0) {
                return E_FAIL;
            }
            AddRef();
        }
        pending_ = id;
        return S_OK;
    });
}

AccessibleHost::~AccessibleHost() {
    Disconnect();
}

void AccessibleHost::SetProvider(std::unique_ptr<AccessibleProvider> provider) {
    Disconnect(); // an object handed out asked the provider that goes
    provider_ = std::move(provider);
}

LRESULT AccessibleHost::Answer(HWND window, WPARAM wParam, LPARAM lParam) {
    if (provider_ == nullptr || static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT) ||
        !EnterApartment()) {
        return 0;
    }
    if (object_ == nullptr) {
        object_ = new AccessibleObject(window, provider_.get());
    }
    const LRESULT answer = ResultFromObject(__uuidof(IAccessible), wParam, object_);
    return answer > 0 ? answer : 0;
}

void AccessibleHost::Refresh(HWND window) {
    if (provider_ == nullptr || window == nullptr) {
        return;
    }
    const AccessibleItem item =
        RunGuarded([this] { return provider_->AccessibleItemOf(CHILDID_SELF); },
                   [] { return AccessibleItem{}; });
    const std::uint32_t states = StateBits(item.states);
    if (noted_ && item.name != name_) {
        Notify(window, EVENT_OBJECT_NAMECHANGE, CHILDID_SELF);
    }
    if (noted_ && states != states_) {
        Notify(window, EVENT_OBJECT_STATECHANGE, CHILDID_SELF);
    }
    noted_ = true;
    name_ = item.name;
    states_ = states;
}

void AccessibleHost::Notify(HWND window, DWORD event, int child) {
    NotifyWinEvent(event, window, OBJID_CLIENT, child);
}

void AccessibleHost::Disconnect() {
    if (object_ != nullptr) {
        object_->Disconnect();
        object_->Release();
        object_ = nullptr;
    }
}

} // namespace traxo
