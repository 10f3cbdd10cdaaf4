// The accessible object a control hands a screen reader: found through the system's library,
// asking its provider, pressing the control on the window's next turn, listing simple children,
// and answering "not connected" once the control is gone, however long a reader keeps it.
#include "controls/AccessibleObject_win.h"
#include "controls/DynamicOpaqueButton_win.h"

#include <gtest/gtest.h>
#include <memory>
#include <oleacc.h>
#include <string>
#include <utility>
#include <vector>

namespace traxo {
namespace {

class AccessibleObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TraxoAccessibleTestParent";
        RegisterClassExW(&windowClass);
        parent =
            CreateWindowExW(0, L"TraxoAccessibleTestParent", L"accessible", WS_OVERLAPPEDWINDOW, 0,
                            0, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        button = std::make_unique<TDynamicOpaqueButton>(parent, Rect{10, 10, 110, 40});
    }
    void TearDown() override {
        button.reset();
        DestroyWindow(parent);
        CoUninitialize();
    }

    // A provider that names the button by its caption, with `rows` simple children.
    void Describe(int rows) {
        auto provider = std::make_unique<FunctionAccessible>();
        provider->childCount = [rows] { return rows; };
        provider->describe = [this](int child) {
            AccessibleItem item;
            if (child == 0) {
                item.name = button->Look().Caption;
                item.role = AccessibleRole::PushButton;
                item.states.unavailable = !button->Enabled();
                item.defaultAction = u"Press";
            } else {
                item.name = u"row " + std::u16string(1, static_cast<char16_t>(u'0' + child));
                item.role = AccessibleRole::ListItem;
                item.states.selected = child == 2;
                item.place = {0, (child - 1) * 10, 50, child * 10};
            }
            return item;
        };
        provider->doDefault = [this](int) {
            ++presses;
            return true;
        };
        button->Accessible().SetProvider(std::move(provider));
    }

    IAccessible* ObjectOf(HWND window) {
        IAccessible* object = nullptr;
        const HRESULT found =
            AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&object));
        EXPECT_TRUE(SUCCEEDED(found)) << std::hex << found;
        return SUCCEEDED(found) ? object : nullptr;
    }

    static VARIANT Child(long id) {
        VARIANT child;
        VariantInit(&child);
        child.vt = VT_I4;
        child.lVal = id;
        return child;
    }

    static std::wstring NameOf(IAccessible& object, long id, HRESULT* result = nullptr) {
        BSTR name = nullptr;
        const HRESULT answer = object.get_accName(Child(id), &name);
        if (result != nullptr) {
            *result = answer;
        }
        std::wstring text = name != nullptr ? std::wstring(name, SysStringLen(name)) : L"";
        SysFreeString(name);
        return text;
    }

    static long LongOf(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
                       IAccessible& object, long id) {
        VARIANT value;
        VariantInit(&value);
        const HRESULT answer = (object.*get)(Child(id), &value);
        return SUCCEEDED(answer) && value.vt == VT_I4 ? value.lVal : -1;
    }

    HWND parent = nullptr;
    std::unique_ptr<TDynamicOpaqueButton> button;
    int presses = 0;
};

TEST_F(AccessibleObjectTest, TheControlIsNamedByItsProviderAndPressedOnTheNextTurn) {
    button->SetCaption(u"Save set");
    Describe(0);
    IAccessible* object = ObjectOf(button->hwnd());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(NameOf(*object, CHILDID_SELF), L"Save set");
    EXPECT_EQ(LongOf(&IAccessible::get_accRole, *object, CHILDID_SELF), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(LongOf(&IAccessible::get_accState, *object, CHILDID_SELF) & STATE_SYSTEM_UNAVAILABLE,
              0);
    button->SetEnabled(false);
    EXPECT_NE(LongOf(&IAccessible::get_accState, *object, CHILDID_SELF) & STATE_SYSTEM_UNAVAILABLE,
              0);
    EXPECT_EQ(object->accDoDefaultAction(Child(CHILDID_SELF)), DISP_E_MEMBERNOTFOUND);
    button->SetEnabled(true);

    EXPECT_EQ(object->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
    EXPECT_EQ(presses, 0) << "pressed inside the reader's call";
    MSG message;
    for (int turn = 0; turn < 200 && presses == 0; ++turn) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
    EXPECT_EQ(presses, 1);

    long left = 0, top = 0, width = 0, height = 0;
    EXPECT_EQ(object->accLocation(&left, &top, &width, &height, Child(CHILDID_SELF)), S_OK);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 30);
    EXPECT_EQ(NameOf(*object, 1), L"") << "a child it does not have";
    object->Release();
}

TEST_F(AccessibleObjectTest, SimpleChildrenAreCountedNamedFoundAndWalked) {
    Describe(3);
    IAccessible* object = ObjectOf(button->hwnd());
    ASSERT_NE(object, nullptr);
    long count = 0;
    EXPECT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(NameOf(*object, 2), L"row 2");
    EXPECT_EQ(LongOf(&IAccessible::get_accRole, *object, 3), ROLE_SYSTEM_LISTITEM);
    HRESULT past = S_OK;
    NameOf(*object, 4, &past);
    EXPECT_EQ(past, E_INVALIDARG);

    VARIANT found;
    VariantInit(&found);
    EXPECT_EQ(object->get_accSelection(&found), S_OK);
    EXPECT_EQ(found.lVal, 2);
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, Child(2), &found), S_OK);
    EXPECT_EQ(found.lVal, 3);
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, Child(3), &found), S_FALSE);
    EXPECT_EQ(object->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &found), S_OK);
    EXPECT_EQ(found.lVal, 1);

    IDispatch* childObject = nullptr;
    EXPECT_EQ(object->get_accChild(Child(2), &childObject), S_FALSE) << "a simple child";
    EXPECT_EQ(childObject, nullptr);

    RECT screen{};
    GetWindowRect(button->hwnd(), &screen);
    EXPECT_EQ(object->accHitTest(screen.left + 5, screen.top + 15, &found), S_OK);
    EXPECT_EQ(found.vt, VT_I4);
    EXPECT_EQ(found.lVal, 2);
    EXPECT_EQ(object->accHitTest(screen.left + 75, screen.top + 15, &found), S_OK);
    EXPECT_EQ(found.lVal, CHILDID_SELF);
    EXPECT_EQ(object->accHitTest(screen.left + 5, screen.top + 45, &found), S_FALSE);
    object->Release();
}

TEST_F(AccessibleObjectTest, AChildThatIsAWindowAnswersWithItsOwnObject) {
    auto provider = std::make_unique<FunctionAccessible>();
    provider->childCount = [] { return 2; };
    provider->describe = [](int) { return AccessibleItem{}; };
    provider->childWindow = [this](int child) { return child == 2 ? button->hwnd() : nullptr; };
    AccessibleHost host;
    host.SetProvider(std::move(provider));
    const LRESULT answer = host.Answer(parent, 0, static_cast<LPARAM>(OBJID_CLIENT));
    ASSERT_GT(answer, 0);
    IAccessible* object = nullptr;
    ASSERT_EQ(
        ObjectFromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&object)),
        S_OK);
    IDispatch* child = nullptr;
    EXPECT_EQ(object->get_accChild(Child(1), &child), S_FALSE);
    EXPECT_EQ(object->get_accChild(Child(2), &child), S_OK);
    ASSERT_NE(child, nullptr);
    IAccessible* window = nullptr;
    EXPECT_EQ(child->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&window)),
              S_OK);
    // The system's window object (Wine's answers no role yet), not the simple child's S_FALSE.
    if (window != nullptr) {
        window->Release();
    }
    child->Release();
    object->Release();
}

TEST_F(AccessibleObjectTest, AnObjectKeptAfterTheControlIsGoneAnswersNotConnected) {
    button->SetCaption(u"Exit");
    Describe(2);
    IAccessible* object = ObjectOf(button->hwnd());
    ASSERT_NE(object, nullptr);
    // A press waits for the window's turn when the control goes.
    EXPECT_EQ(object->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
    button.reset();
    HRESULT answer = S_OK;
    EXPECT_EQ(NameOf(*object, CHILDID_SELF, &answer), L"");
    EXPECT_EQ(answer, CO_E_OBJNOTCONNECTED);
    long count = -1;
    EXPECT_EQ(object->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(object->accDoDefaultAction(Child(CHILDID_SELF)), CO_E_OBJNOTCONNECTED);
    IDispatch* parentObject = nullptr;
    EXPECT_EQ(object->get_accParent(&parentObject), CO_E_OBJNOTCONNECTED);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(object->Release(), 0u) << "the reader's reference was the last";
}

std::vector<std::pair<DWORD, HWND>> heardEvents;

void CALLBACK HearEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                        DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) {
        heardEvents.emplace_back(event, window);
    }
}

TEST_F(AccessibleObjectTest, ANewCaptionOrStateIsToldOnceAndOnlyWhenItChanged) {
    heardEvents.clear();
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, HearEvent,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    Describe(0);
    button->SetCaption(u"Active"); // the first look only takes note
    button->SetCaption(u"Active"); // no change
    button->SetCaption(u"Inactive");
    button->SetEnabled(false);
    button->SetEnabled(false);
    const std::vector<std::pair<DWORD, HWND>> expected{{EVENT_OBJECT_NAMECHANGE, button->hwnd()},
                                                       {EVENT_OBJECT_STATECHANGE, button->hwnd()}};
    MSG message;
    for (int turn = 0; turn < 100 && heardEvents.size() < expected.size(); ++turn) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(heardEvents, expected);
}

TEST_F(AccessibleObjectTest, AControlWithoutAProviderKeepsTheSystemsObject) {
    IAccessible* object = ObjectOf(button->hwnd());
    ASSERT_NE(object, nullptr);
    // The system's own client object, not one of ours: it has no name from a provider.
    EXPECT_EQ(LongOf(&IAccessible::get_accRole, *object, CHILDID_SELF), ROLE_SYSTEM_CLIENT);
    object->Release();
}

} // namespace
} // namespace traxo
