// High contrast where the system does not report the feature (as under Wine): the stored
// setting read bounded and only as text, and the animated controls painting in system colours
// while it is on and in their own when it goes off again.
#include "controls/DynamicOpaqueButton_win.h"
#include "controls/HighContrast_win.h"
#include "platform/OffscreenBitmap_win.h"

#include <gtest/gtest.h>
#include <string>

namespace traxo {
namespace {

constexpr wchar_t kKey[] = L"Control Panel\\Accessibility\\HighContrast";
constexpr wchar_t kValue[] = L"Flags";

// The stored setting for one test; what the prefix had comes back after it.
class StoredSetting {
public:
    StoredSetting() {
        wchar_t text[256]{};
        DWORD bytes = sizeof(text) - sizeof(wchar_t);
        had_ = RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_SZ, nullptr, text,
                            &bytes) == ERROR_SUCCESS;
        prior_ = text;
    }
    ~StoredSetting() {
        if (had_) {
            Set(prior_);
        } else {
            Remove();
        }
        RefreshHighContrast();
    }
    StoredSetting(const StoredSetting&) = delete;
    StoredSetting& operator=(const StoredSetting&) = delete;

    void Set(const std::wstring& text) {
        Write(REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
    void SetNumber(DWORD number) { Write(REG_DWORD, &number, sizeof(number)); }
    void Remove() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue); }

private:
    static void Write(DWORD type, const void* data, size_t bytes) {
        ASSERT_EQ(
            RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, type, data, static_cast<DWORD>(bytes)),
            ERROR_SUCCESS);
    }

    bool had_ = false;
    std::wstring prior_;
};

Colour PixelOf(HWND control, int x, int y) {
    OffscreenBitmap bitmap;
    if (!bitmap.Resize(120, 40)) {
        return OffscreenBitmap::kNoPixel;
    }
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.Dc()), PRF_CLIENT);
    return bitmap.Pixel(x, y);
}

TEST(HighContrastStoredSetting, IsReadBoundedAndOnlyAsText) {
    StoredSetting setting;
    Win32HighContrastSystem system;
    ASSERT_EQ(system.ReportedFlags() & kHighContrastAvailable, 0u)
        << "the system reports the feature itself: the stored setting would not be read";
    setting.Set(L"127");
    EXPECT_EQ(system.StoredFlags(), u"127");
    setting.Set(std::wstring(40, L'1')); // longer than any number of flags
    EXPECT_EQ(system.StoredFlags(), std::nullopt);
    setting.SetNumber(1);
    EXPECT_EQ(system.StoredFlags(), std::nullopt);
    setting.Remove();
    EXPECT_EQ(system.StoredFlags(), std::nullopt);
}

TEST(HighContrastStoredSetting, AnimatedControlsPaintInSystemColoursWhileItIsOn) {
    StoredSetting setting;
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    {
        TDynamicOpaqueButton button(parent, {10, 10, 110, 40});
        setting.Set(L"1");
        ASSERT_TRUE(RefreshHighContrast());
        EXPECT_EQ(PixelOf(button.hwnd(), 50, 15), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(PixelOf(button.hwnd(), 99, 15), GetSysColor(COLOR_WINDOWTEXT));

        setting.Set(L"126");
        ASSERT_TRUE(RefreshHighContrast());
        EXPECT_EQ(PixelOf(button.hwnd(), 50, 15), DefaultOpaqueButtonLook().Colour);
        EXPECT_EQ(PixelOf(button.hwnd(), 99, 15), DefaultOpaqueButtonLook().BorderColour);
    }
    DestroyWindow(parent);
}

} // namespace
} // namespace traxo
