// The fades of the animated controls, tick by tick, and the click rules.
#include "controls/DynamicState.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

DynamicLook ButtonLook(int fadeIn, int fadeOut) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.FadeInTime = fadeIn;
    look.FadeOutTime = fadeOut;
    return look;
}

// Ticks until the timer stops (at most `limit`); the colours shown after each tick.
std::vector<Colour> RunOut(DynamicFadeState& state, int limit = 100) {
    std::vector<Colour> shown;
    while (state.TimerNeeded() && limit-- > 0) {
        state.Tick();
        shown.push_back(state.Current());
    }
    return shown;
}

int Channel(Colour c, int i) {
    return int((c >> (8 * i)) & 0xFF);
}

// True when every channel of `c` lies between those of `from` and `to` (inclusive).
bool Between(Colour c, Colour from, Colour to) {
    for (int i = 0; i < 3; ++i) {
        const int lo = std::min(Channel(from, i), Channel(to, i));
        const int hi = std::max(Channel(from, i), Channel(to, i));
        if (Channel(c, i) < lo || Channel(c, i) > hi) {
            return false;
        }
    }
    return true;
}

TEST(ButtonFade, EnteringWithFadeInFiftyReachesSelectedOnTheFifthTick) {
    DynamicButtonState state(ButtonLook(50, 300));
    const DynamicLook& look = state.Look();
    state.MouseEnter();
    EXPECT_TRUE(state.Hover());
    EXPECT_TRUE(state.TimerNeeded());
    state.Tick();
    // Steps of (160-232)/5, (150-233)/5, (131-209)/5 from the resting colour.
    EXPECT_EQ(state.Current(), Rgb(218, 216, 193));
    for (int tick = 2; tick <= 4; ++tick) {
        state.Tick();
        EXPECT_NE(state.Current(), look.SelectedColour) << "tick " << tick;
    }
    state.Tick();
    EXPECT_EQ(state.Current(), look.SelectedColour);
    state.Tick(); // the tick after arrival stops the timer
    EXPECT_FALSE(state.TimerNeeded());
}

TEST(ButtonFade, FadeOutTenReturnsOnTheFirstTick) {
    DynamicButtonState state(ButtonLook(50, 10));
    state.MouseEnter();
    RunOut(state);
    state.MouseLeave();
    EXPECT_FALSE(state.Hover());
    state.Tick();
    EXPECT_EQ(state.Current(), state.Look().Colour);
}

TEST(ButtonFade, LeavingHalfWayFadesBackFromTheColourReached) {
    DynamicButtonState state(ButtonLook(100, 50));
    const DynamicLook look = state.Look();
    state.MouseEnter();
    for (int i = 0; i < 5; ++i) {
        state.Tick();
    }
    const Colour reached = state.Current();
    ASSERT_NE(reached, look.SelectedColour);
    state.MouseLeave();
    const std::vector<Colour> back = RunOut(state);
    ASSERT_GE(back.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(Between(back[i], reached, look.Colour)) << "tick " << i + 1;
    }
    EXPECT_NE(back[0], reached);
    EXPECT_EQ(back[4], look.Colour); // FadeOutTime 50: five ticks
}

TEST(ButtonFade, PressTakesHalfTheFadeInButNeverLessThanOneTick) {
    struct Case {
        int fadeIn;
        int ticks;
    };
    for (const Case c : {Case{10, 1}, Case{15, 1}, Case{200, 10}, Case{50, 2}}) {
        DynamicButtonState state(ButtonLook(c.fadeIn, 300));
        state.MouseDown(0);
        EXPECT_TRUE(state.Pressed());
        for (int i = 1; i < c.ticks; ++i) {
            state.Tick();
            EXPECT_NE(state.Current(), state.Look().MouseDownColour) << c.fadeIn << " tick " << i;
        }
        state.Tick();
        EXPECT_EQ(state.Current(), state.Look().MouseDownColour) << c.fadeIn;
    }
}

TEST(ButtonFade, TargetsFollowHoverAndPress) {
    DynamicButtonState state(ButtonLook(10, 10));
    const DynamicLook look = state.Look();
    state.MouseDown(0);
    state.MouseLeave(); // dragged off while pressed: the hover colour
    RunOut(state);
    EXPECT_EQ(state.Current(), look.SelectedColour);
    state.MouseEnter(); // back on, still pressed
    RunOut(state);
    EXPECT_EQ(state.Current(), look.MouseDownColour);
    EXPECT_TRUE(state.MouseUp(0, true));
    RunOut(state);
    EXPECT_EQ(state.Current(), look.SelectedColour);
    state.MouseLeave();
    RunOut(state);
    EXPECT_EQ(state.Current(), look.Colour);
    state.MouseMove(); // a move with the hover flag clear counts as entering
    EXPECT_TRUE(state.Hover());
    RunOut(state);
    EXPECT_EQ(state.Current(), look.SelectedColour);
}

TEST(ButtonClick, IsALeftPressAndReleaseInsideAtAnySpeed) {
    struct Case {
        const char* name;
        int downButton;
        int upButton;
        bool inside;
        bool click;
    };
    const Case cases[] = {
        {"left inside", 0, 0, true, true},
        {"released outside", 0, 0, false, false},
        {"right button", 1, 1, true, false},
        {"left up without a left press", 1, 0, true, false},
    };
    for (const Case& c : cases) {
        DynamicButtonState state(ButtonLook(200, 300));
        state.MouseDown(c.downButton);
        EXPECT_EQ(state.MouseUp(c.upButton, c.inside), c.click) << c.name;
        EXPECT_FALSE(state.Pressed()) << c.name;
    }
}

TEST(DisabledButton, FadesToGreyStaysThereAndSwallowsClicks) {
    DynamicButtonState state(ButtonLook(50, 50));
    state.MouseEnter();
    state.MouseDown(0);
    state.SetEnabled(false);
    EXPECT_FALSE(state.Hover());
    EXPECT_FALSE(state.Pressed());
    const std::vector<Colour> shown = RunOut(state);
    EXPECT_FALSE(state.TimerNeeded()); // it stops by itself
    ASSERT_GE(shown.size(), 5u);
    EXPECT_EQ(shown[4], kButtonDisabledColour);
    EXPECT_EQ(state.Current(), kButtonDisabledColour); // and does not flash back

    state.MouseEnter();
    state.MouseMove();
    EXPECT_FALSE(state.Hover());
    EXPECT_FALSE(state.TimerNeeded());
    state.MouseDown(0);
    EXPECT_FALSE(state.MouseUp(0, true));
    EXPECT_FALSE(state.Flash(Rgb(1, 2, 3), 50)); // only a flash to grey is allowed
    EXPECT_EQ(state.Current(), kButtonDisabledColour);

    state.SetEnabled(true);
    RunOut(state);
    EXPECT_EQ(state.Current(), state.Look().Colour);
    EXPECT_FALSE(state.TimerNeeded());
}

TEST(Flash, GoesToItsColourAndBackToRest) {
    DynamicFadeState state(DefaultLabelLook(), kLabelDisabledColour);
    ASSERT_TRUE(state.Flash(Rgb(0, 0, 0), 20));
    const std::vector<Colour> shown = RunOut(state);
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(std::find(shown.begin(), shown.end(), Rgb(0, 0, 0)), shown.end());
    EXPECT_EQ(shown.back(), state.Look().Colour);
}

TEST(SetLook, ANewColourShowsAtOnceAndEndsTheFade) {
    DynamicButtonState state(ButtonLook(200, 300));
    state.MouseEnter();
    state.Tick();
    DynamicLook look = state.Look();
    look.Colour = Rgb(10, 20, 30);
    state.SetLook(look);
    EXPECT_EQ(state.Current(), Rgb(10, 20, 30));
    EXPECT_FALSE(state.TimerNeeded());
    look.Caption = u"other"; // other properties leave the colour shown alone
    look.SelectedColour = Rgb(1, 1, 1);
    state.SetLook(look);
    EXPECT_EQ(state.Current(), Rgb(10, 20, 30));
}

TEST(FadeEngine, ShortTimesCountAsOneTickAndSystemBitsAreNoChannel) {
    FadeEngine fade(Rgb(0, 0, 0));
    fade.FadeTo(Rgb(255, 255, 255), 0);
    fade.Tick(true, 0, 10);
    EXPECT_EQ(fade.Current(), Rgb(255, 255, 255));
    fade.FadeTo(0xFF000000u | Rgb(0, 0, 0), 10); // a stray high byte must not fade forever
    fade.Tick(true, 0, 10);
    fade.Tick(true, 0, 10);
    EXPECT_FALSE(fade.Running());
    EXPECT_EQ(fade.Current(), Rgb(0, 0, 0));
}

} // namespace
} // namespace traxo
