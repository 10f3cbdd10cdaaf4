#pragma once
// Owners of the system's handles: each releases its handle in its destructor, so that no path
// releases one by hand. They move, never copy; get() (or the conversion) lends the handle,
// release() gives it away, reset() replaces it.

#include <windows.h>
// <commctrl.h> needs the types of <windows.h> first.
#include <commctrl.h>
#include <utility>

namespace traxo {

template <typename Handle, typename Releaser> class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ~ScopedHandle() { reset(); }
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    Handle get() const { return handle_; }
    // Lent where the handle is wanted, as the system's calls take it.
    operator Handle() const { return handle_; }
    // Releases the handle held (if any) and takes `handle`.
    void reset(Handle handle = Releaser::kEmpty) {
        const Handle old = std::exchange(handle_, handle);
        if (Releaser::Valid(old) && old != handle) {
            Releaser::Release(old);
        }
    }
    [[nodiscard]] Handle release() { return std::exchange(handle_, Releaser::kEmpty); }

private:
    Handle handle_ = Releaser::kEmpty;
};

namespace scoped {

template <typename Handle> struct NullEmpty {
    static constexpr Handle kEmpty = nullptr;
    static bool Valid(Handle handle) { return handle != nullptr; }
};
struct GdiObject : NullEmpty<HGDIOBJ> {
    static void Release(HGDIOBJ object) { DeleteObject(object); }
};
template <typename Handle> struct TypedGdiObject : NullEmpty<Handle> {
    static void Release(Handle object) { DeleteObject(object); }
};
struct Icon : NullEmpty<HICON> {
    static void Release(HICON icon) { DestroyIcon(icon); }
};
struct ImageList : NullEmpty<HIMAGELIST> {
    static void Release(HIMAGELIST list) { ImageList_Destroy(list); }
};
struct Module : NullEmpty<HMODULE> {
    static void Release(HMODULE module) { FreeLibrary(module); }
};
struct MemoryDc : NullEmpty<HDC> {
    static void Release(HDC dc) { DeleteDC(dc); }
};
struct Menu : NullEmpty<HMENU> {
    static void Release(HMENU menu) { DestroyMenu(menu); }
};
struct RegistryKey : NullEmpty<HKEY> {
    static void Release(HKEY key) { RegCloseKey(key); }
};
struct LocalMemory : NullEmpty<HLOCAL> {
    static void Release(HLOCAL memory) { LocalFree(memory); }
};
// Kernel objects: files answer INVALID_HANDLE_VALUE where the others answer null.
struct Kernel {
    static constexpr HANDLE kEmpty = nullptr;
    static bool Valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Release(HANDLE handle) { CloseHandle(handle); }
};

} // namespace scoped

using ScopedFont = ScopedHandle<HFONT, scoped::TypedGdiObject<HFONT>>;
using ScopedBrush = ScopedHandle<HBRUSH, scoped::TypedGdiObject<HBRUSH>>;
using ScopedPen = ScopedHandle<HPEN, scoped::TypedGdiObject<HPEN>>;
using ScopedBitmap = ScopedHandle<HBITMAP, scoped::TypedGdiObject<HBITMAP>>;
using ScopedRegion = ScopedHandle<HRGN, scoped::TypedGdiObject<HRGN>>;
using ScopedGdiObject = ScopedHandle<HGDIOBJ, scoped::GdiObject>;
using ScopedIcon = ScopedHandle<HICON, scoped::Icon>;
using ScopedImageList = ScopedHandle<HIMAGELIST, scoped::ImageList>;
using ScopedModule = ScopedHandle<HMODULE, scoped::Module>;
using ScopedMemoryDc = ScopedHandle<HDC, scoped::MemoryDc>;
using ScopedMenu = ScopedHandle<HMENU, scoped::Menu>;
using ScopedRegistryKey = ScopedHandle<HKEY, scoped::RegistryKey>;
using ScopedLocalMemory = ScopedHandle<HLOCAL, scoped::LocalMemory>;
using ScopedKernelHandle = ScopedHandle<HANDLE, scoped::Kernel>;

// A window's device context (the screen's for a null window), given back with the window.
class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedWindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context for a scope; the one before it comes back after.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object)
        : dc_(dc), old_(dc != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection() {
        if (old_ != nullptr && old_ != HGDI_ERROR) {
            SelectObject(dc_, old_);
        }
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory DC compatible with `compatibleWith` (the screen when null) with `bitmap` selected for
// its life: the bitmap is let go before the DC is deleted.
class ScopedBitmapDc {
public:
    ScopedBitmapDc(HDC compatibleWith, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatibleWith)), selection_(dc_.get(), bitmap) {}
    HDC get() const { return dc_.get(); }

private:
    ScopedMemoryDc dc_;
    ScopedSelection selection_;
};

} // namespace traxo
