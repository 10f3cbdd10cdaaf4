// The hook's decision: which mouse messages it withholds from the program under the cursor.
#include "mousecore/HookCommon.h"

#include <gtest/gtest.h>

namespace traxo::hook {
namespace {

HookRec Record(std::uint16_t trapButton, std::uint16_t hideMove) {
    HookRec rec{};
    rec.HookHandle = 1;
    rec.TrapButton = trapButton;
    rec.HideMove = hideMove;
    return rec;
}

TEST(HookDecision, WithholdsOnlyTheTrappedButtonsPressAndRelease) {
    const HookRec right = Record(kTrapRightButton, 0);
    EXPECT_TRUE(ShouldWithhold(right, kRightButtonDown));
    EXPECT_TRUE(ShouldWithhold(right, kRightButtonUp));
    EXPECT_FALSE(ShouldWithhold(right, kMiddleButtonDown));
    EXPECT_FALSE(ShouldWithhold(right, kMiddleButtonUp));

    const HookRec middle = Record(kTrapMiddleButton, 0);
    EXPECT_TRUE(ShouldWithhold(middle, kMiddleButtonDown));
    EXPECT_TRUE(ShouldWithhold(middle, kMiddleButtonUp));
    EXPECT_FALSE(ShouldWithhold(middle, kRightButtonDown));
    EXPECT_FALSE(ShouldWithhold(middle, kRightButtonUp));
}

TEST(HookDecision, DoubleClicksLeftButtonWheelAndNonClientMessagesAlwaysPass) {
    for (std::uint16_t trap : {kTrapRightButton, kTrapMiddleButton}) {
        const HookRec rec = Record(trap, 1);
        for (std::uintptr_t message :
             {0x201u, 0x202u, 0x203u, 0x206u, 0x209u, 0x20Au, 0x20Eu, 0xA1u, 0xA4u, 0xA5u, 0xA7u}) {
            EXPECT_FALSE(ShouldWithhold(rec, message)) << std::hex << message;
        }
    }
}

TEST(HookDecision, MovementIsWithheldOnlyWhileHidden) {
    EXPECT_FALSE(ShouldWithhold(Record(kTrapRightButton, 0), kMouseMove));
    EXPECT_TRUE(ShouldWithhold(Record(kTrapRightButton, 1), kMouseMove));
    EXPECT_TRUE(ShouldWithhold(Record(kTrapMiddleButton, 1), kMouseMove));
}

TEST(HookDecision, AnUnknownTrapButtonWithholdsNoButton) {
    const HookRec rec = Record(7, 0);
    EXPECT_FALSE(ShouldWithhold(rec, kRightButtonDown));
    EXPECT_FALSE(ShouldWithhold(rec, kMiddleButtonDown));
}

} // namespace
} // namespace traxo::hook
