#pragma once
// What the hook library and the application share: the record in the named mapping, the
// registered message, and the main window's class name by which the hook finds the application.
// Header-only and free of any runtime, because the hook library links no C or C++ runtime.

#include "platform/ProductIdentity.h"

#include <cstddef>
#include <cstdint>

namespace traxo::hook {

inline constexpr char kMappingName[] = "HookRecMemBlock";
inline constexpr char kMessageName[] = "TraxoMessage";
// The hook looks the window up by this name; class names compare without regard to case.
inline constexpr char kTargetClassName[] = TRAXO_MAIN_WINDOW_CLASS;

inline constexpr std::uint16_t kTrapRightButton = 0;
inline constexpr std::uint16_t kTrapMiddleButton = 1;

inline constexpr std::uintptr_t kMouseMove = 0x200;
inline constexpr std::uintptr_t kRightButtonDown = 0x204;
inline constexpr std::uintptr_t kRightButtonUp = 0x205;
inline constexpr std::uintptr_t kMiddleButtonDown = 0x207;
inline constexpr std::uintptr_t kMiddleButtonUp = 0x208;

#pragma pack(push, 1)
// Shared by every copy of the library in every process. Each field is one aligned word, read
// and written without locks: a decision taken on an old value is harmless.
struct HookRec {
    // The hook's handle; 32 significant bits on both widths, sign-extended when used.
    std::uint32_t HookHandle;
    std::uint8_t reserved[12];
    std::uint16_t HideMove;   // 1: withhold mouse movement too (during a gesture)
    std::uint16_t TrapButton; // kTrapRightButton or kTrapMiddleButton
};
#pragma pack(pop)

static_assert(sizeof(HookRec) == 20);
static_assert(offsetof(HookRec, HookHandle) == 0);
static_assert(offsetof(HookRec, HideMove) == 16);
static_assert(offsetof(HookRec, TrapButton) == 18);

// Whether the hook withholds a mouse message from its program (and tells the application).
// Double-clicks, left-button, wheel and non-client messages always pass.
constexpr bool ShouldWithhold(const HookRec& rec, std::uintptr_t mouseMessage) noexcept {
    if (rec.TrapButton == kTrapRightButton &&
        (mouseMessage == kRightButtonDown || mouseMessage == kRightButtonUp)) {
        return true;
    }
    if (rec.TrapButton == kTrapMiddleButton &&
        (mouseMessage == kMiddleButtonDown || mouseMessage == kMiddleButtonUp)) {
        return true;
    }
    return rec.HideMove == 1 && mouseMessage == kMouseMove;
}

} // namespace traxo::hook
