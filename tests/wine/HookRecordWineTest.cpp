// The record the hook library shares between processes, through the real MouseCore.dll: each
// entry point leaves the fields as the application and every hooked program expect them.
#include "mousecore/HookCommon.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

namespace traxo {
namespace {

using hook::HookRec;

// The build's library, by its host path on Wine's Z: drive.
std::string LibraryPath() {
    std::string path = "Z:" + std::string(TRAXO_MOUSECORE_PATH);
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path;
}

TEST(HookRecord, FollowsEveryEntryPointOfTheRealLibrary) {
    const HMODULE library = LoadLibraryA(LibraryPath().c_str());
    ASSERT_NE(library, nullptr) << LibraryPath();
    // Read as another process reads it: through the named mapping, not the library's pointer.
    const HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, hook::kMappingName);
    ASSERT_NE(mapping, nullptr);
    const auto* rec =
        static_cast<const HookRec*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(HookRec)));
    ASSERT_NE(rec, nullptr);
    ASSERT_EQ(rec->HookHandle, 0u) << "another process holds the hook";

    struct Step {
        const char* call;
        bool hooked;
        std::uint16_t hideMove;
        std::uint16_t trapButton;
    };
    const Step steps[] = {
        {"HookMouse", true, 0, hook::kTrapRightButton},
        {"TrapMiddle", true, 0, hook::kTrapMiddleButton},
        {"HideMovement", true, 1, hook::kTrapMiddleButton},
        {"ShowMovement", true, 0, hook::kTrapMiddleButton},
        {"TrapRight", true, 0, hook::kTrapRightButton},
        {"HideMovement", true, 1, hook::kTrapRightButton},
        {"UnHookMouse", false, 1, hook::kTrapRightButton},
        // Without the hook the others change nothing.
        {"TrapMiddle", false, 1, hook::kTrapRightButton},
        {"ShowMovement", false, 1, hook::kTrapRightButton},
        {"HookMouse", true, 0, hook::kTrapRightButton}, // a new hook shows movement
        {"HookMouse", true, 0, hook::kTrapRightButton}, // and is not hooked twice
        {"UnHookMouse", false, 0, hook::kTrapRightButton},
    };
    std::uint32_t firstHandle = 0;
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step& step = steps[i];
        const auto entry = reinterpret_cast<void(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(library, step.call)));
        ASSERT_NE(entry, nullptr) << step.call;
        const std::uint32_t before = rec->HookHandle;
        entry();
        EXPECT_EQ(rec->HookHandle != 0, step.hooked) << i << ' ' << step.call;
        EXPECT_EQ(rec->HideMove, step.hideMove) << i << ' ' << step.call;
        EXPECT_EQ(rec->TrapButton, step.trapButton) << i << ' ' << step.call;
        if (i == 0) {
            firstHandle = rec->HookHandle;
        }
        if (i == 10) {
            EXPECT_EQ(rec->HookHandle, before); // the second HookMouse kept the hook it had
        }
    }
    EXPECT_NE(firstHandle, 0u);
    UnmapViewOfFile(rec);
    CloseHandle(mapping);
    FreeLibrary(library);
}

} // namespace
} // namespace traxo
