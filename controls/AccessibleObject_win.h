#pragma once
// A window's accessible object for screen readers: one small IAccessible that asks a provider
// for the name, role, states, place and simple children, and whose default action presses the
// control. A window answers WM_GETOBJECT through its AccessibleHost. A reader may keep the
// object after the window is gone: the host disconnects it first, and from then on every call
// answers CO_E_OBJNOTCONNECTED.

#include "controls/Accessible.h"

#include <windows.h>
// <windows.h> names DrawText a macro; the paint canvas's DrawText keeps its own name.
#ifdef DrawText
#undef DrawText
#endif

#include <functional>
#include <memory>
#include <string>

namespace traxo {

// What the object asks. Child 0 is the window itself; simple children are 1..count.
class AccessibleProvider {
public:
    virtual ~AccessibleProvider() = default;
    virtual int AccessibleChildCount() const { return 0; }
    virtual AccessibleItem AccessibleItemOf(int child) const = 0;
    // Carries out the default action; false when there is none.
    virtual bool AccessibleDoDefault(int /*child*/) { return false; }
    // A child that is a window of its own, which a reader asks directly; none for a simple one.
    virtual HWND AccessibleChildWindow(int /*child*/) const { return nullptr; }
};

// A provider made of functions, for windows that describe themselves from outside.
class FunctionAccessible final : public AccessibleProvider {
public:
    std::function<int()> childCount;
    std::function<AccessibleItem(int child)> describe;
    std::function<bool(int child)> doDefault;
    std::function<HWND(int child)> childWindow;

    int AccessibleChildCount() const override { return childCount ? childCount() : 0; }
    AccessibleItem AccessibleItemOf(int child) const override {
        return describe ? describe(child) : AccessibleItem{};
    }
    bool AccessibleDoDefault(int child) override { return doDefault && doDefault(child); }
    HWND AccessibleChildWindow(int child) const override {
        return childWindow ? childWindow(child) : nullptr;
    }
};

class AccessibleObject;

// Owns a window's provider and the object it hands out; answering nothing without a provider.
class AccessibleHost {
public:
    AccessibleHost() = default;
    ~AccessibleHost();
    AccessibleHost(const AccessibleHost&) = delete;
    AccessibleHost& operator=(const AccessibleHost&) = delete;

    void SetProvider(std::unique_ptr<AccessibleProvider> provider);
    bool HasProvider() const { return provider_ != nullptr; }
    // WM_GETOBJECT for `window`: the object's reference for OBJID_CLIENT, else 0 (the default
    // handling answers).
    LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam);
    // Tells a reader of a change of the window's name or states since the last call, through
    // EVENT_OBJECT_NAMECHANGE and EVENT_OBJECT_STATECHANGE; the first call only takes note.
    void Refresh(HWND window);
    // Raises `event` (EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, ...) for child `child`.
    static void Notify(HWND window, DWORD event, int child);
    // The window is going: the object answers nothing more.
    void Disconnect();

private:
    std::unique_ptr<AccessibleProvider> provider_;
    AccessibleObject* object_ = nullptr; // one reference held while connected
    bool noted_ = false;                 // name_ and states_ hold what a reader was last told
    std::u16string name_;
    std::uint32_t states_ = 0;
};

} // namespace traxo
