#include "ProbeAccessible_win.h"

#include "ProbeOutput_win.h"

#include <windows.h>

#include <cstdio>
#include <oleacc.h>
#include <string>
#include <vector>

namespace {

constexpr int kOk = 0;
constexpr int kNotFound = 1;

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

VARIANT Child(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// One object or simple child: "ROLE\tSTATE\t" then its name; the reader's failures as hex.
std::wstring Describe(IAccessible& object, long id) {
    const VARIANT child = Child(id);
    VARIANT role;
    VariantInit(&role);
    VARIANT state;
    VariantInit(&state);
    BSTR name = nullptr;
    const HRESULT roleResult = object.get_accRole(child, &role);
    const HRESULT stateResult = object.get_accState(child, &state);
    const HRESULT nameResult = object.get_accName(child, &name);
    std::wstring text =
        std::to_wstring(SUCCEEDED(roleResult) && role.vt == VT_I4 ? role.lVal : -1) + L"\t" +
        std::to_wstring(SUCCEEDED(stateResult) && state.vt == VT_I4 ? state.lVal : -1);
    long count = 0;
    if (id == CHILDID_SELF && FAILED(object.get_accChildCount(&count))) {
        count = -1;
    }
    text += L"\t" + std::to_wstring(count) + L"\t";
    if (SUCCEEDED(nameResult) && name != nullptr) {
        text.append(name, SysStringLen(name));
    }
    SysFreeString(name);
    VariantClear(&role);
    VariantClear(&state);
    return text;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

} // namespace

namespace {

// One window's object ("KIND\tCLASS\t..."), then its first `rows` simple children.
void PrintObject(HWND window, const wchar_t* kind, int rows) {
    IAccessible* object = nullptr;
    const HRESULT found =
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object));
    if (FAILED(found) || object == nullptr) {
        wchar_t code[16] = {};
        std::swprintf(code, 16, L"%08lx", static_cast<unsigned long>(found));
        PrintLine(L"none\t" + ClassName(window) + L"\t" + code);
        return;
    }
    PrintLine(kind + (L"\t" + ClassName(window)) + L"\t" + Describe(*object, CHILDID_SELF));
    long count = 0;
    if (SUCCEEDED(object->get_accChildCount(&count))) {
        for (long id = 1; id <= count && id <= rows; ++id) {
            PrintLine(L"child\t" + std::to_wstring(id) + L"\t" + Describe(*object, id));
        }
    }
    object->Release();
}

} // namespace

int AccessibleObjectsOf(const std::wstring& className, int rows) {
    static const bool comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    const HWND window = FindWindowW(className.c_str(), nullptr);
    if (window == nullptr || !comReady) {
        return kNotFound;
    }
    PrintObject(window, L"window", rows);
    for (HWND control : Children(window)) {
        PrintObject(control, L"object", rows);
    }
    return kOk;
}
