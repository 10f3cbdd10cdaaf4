// The handle owners under the real system: a handle is released exactly when its owner lets go
// of it (destroyed, reset or moved from), and never while it is lent or moved on.
#include "platform/ScopedWin_win.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <utility>

namespace traxo {
namespace {

bool BrushAlive(HBRUSH brush) {
    return GetObjectType(brush) == OBJ_BRUSH;
}

TEST(ScopedWin, AGdiObjectIsDeletedWithItsLastOwner) {
    HBRUSH raw = nullptr;
    {
        ScopedBrush first(CreateSolidBrush(RGB(1, 2, 3)));
        raw = first.get();
        ASSERT_TRUE(BrushAlive(raw));
        ScopedBrush second = std::move(first);
        EXPECT_EQ(first.get(), nullptr);
        EXPECT_TRUE(BrushAlive(raw)) << "moving hands the brush on without deleting it";
        ScopedBrush third;
        third = std::move(second);
        EXPECT_TRUE(BrushAlive(raw));
        EXPECT_EQ(static_cast<HBRUSH>(third), raw);
    }
    EXPECT_FALSE(BrushAlive(raw));
}

TEST(ScopedWin, ResetDeletesTheOldHandleAndReleaseGivesItAway) {
    ScopedBrush owner(CreateSolidBrush(RGB(1, 2, 3)));
    const HBRUSH first = owner.get();
    owner.reset(CreateSolidBrush(RGB(4, 5, 6)));
    EXPECT_FALSE(BrushAlive(first));
    const HBRUSH second = owner.release();
    EXPECT_EQ(owner.get(), nullptr);
    owner.reset();
    EXPECT_TRUE(BrushAlive(second)) << "a released handle is the caller's";
    DeleteObject(second);
}

TEST(ScopedWin, KernelHandlesAndSelectionsAreGivenBack) {
    HANDLE raw = nullptr;
    {
        const ScopedKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        raw = event.get();
        DWORD flags = 0;
        ASSERT_TRUE(GetHandleInformation(raw, &flags));
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(raw, &flags));
    // A file that could not be opened answers INVALID_HANDLE_VALUE, which is never closed.
    const ScopedKernelHandle none(
        CreateFileW(L"Z:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(none.get(), INVALID_HANDLE_VALUE);

    const ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    const ScopedBitmap bitmap(CreateCompatibleBitmap(dc, 4, 4));
    const HGDIOBJ before = GetCurrentObject(dc, OBJ_BITMAP);
    {
        const ScopedSelection selected(dc, bitmap);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap.get());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), before);
}

} // namespace
} // namespace traxo
