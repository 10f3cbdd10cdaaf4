// The keystroke sender types into a real edit control: events go through the system input
// queue to the window with the focus, and the edit's text shows what arrived.
#include "actions/sndkey32.h"
#include "platform/Keyboard_win.h"
#include "wine/EditWindowTest.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace traxo {
namespace {

using wine_testing::OnceItHolds;
using wine_testing::PumpMessages;

class Typing : public wine_testing::EditWindowTest {
protected:
    // Sends the script as a keystroke action does and lets the queued messages arrive.
    bool Type(std::u16string_view script) {
        WindowsKeyboard keyboard;
        const bool result = SendScript(keyboard, MyFormatToTheirs(script), true);
        PumpMessages();
        return result;
    }

    std::wstring EditTextOnceItReads(const std::wstring& expected) {
        OnceItHolds([&] { return EditText() == expected; });
        return EditText();
    }
};

TEST_F(Typing, CursorKeysMoveBetweenTypedCharacters) {
    EXPECT_TRUE(Type(u"abc{left}{left}X"));
    EXPECT_EQ(EditTextOnceItReads(L"aXbc"), L"aXbc");
}

TEST_F(Typing, EscapesTypeBracesBracketsAndBackslashes) {
    EXPECT_TRUE(Type(u"\\{curly\\} \\[x\\] \\\\"));
    EXPECT_EQ(EditTextOnceItReads(L"{curly} [x] \\"), L"{curly} [x] \\");
}

TEST_F(Typing, ShiftGroupTypesCapitalsAndEndsAtItsBracket) {
    EXPECT_TRUE(Type(u"[shift:abc]def"));
    EXPECT_EQ(EditTextOnceItReads(L"ABCdef"), L"ABCdef");
}

// Not "(" and ")": the X keymap of a bare X server puts them on extra keys that have no Windows
// key, so Wine's layout has no key for them and they would type nothing.
TEST_F(Typing, SenderSignsInTheScriptAreTypedAsThemselves) {
    EXPECT_TRUE(Type(u"a+b^c%~"));
    EXPECT_EQ(EditTextOnceItReads(L"a+b^c%~"), L"a+b^c%~");
}

TEST_F(Typing, BracedCharactersAndRepeatCounts) {
    EXPECT_TRUE(Type(u"{a}{b 3}xyz{bs}{home}{del}"));
    EXPECT_EQ(EditTextOnceItReads(L"BBBxy"), L"BBBxy");
}

TEST_F(Typing, CtrlGroupHoldsCtrlForAnExtendedKey) {
    EXPECT_TRUE(Type(u"one two[ctrl:{left}]X"));
    EXPECT_EQ(EditTextOnceItReads(L"one Xtwo"), L"one Xtwo");
}

TEST_F(Typing, CharactersWithoutAKeyArriveAsThemselves) {
    EXPECT_TRUE(Type(u"你好，世界 ü é (x) 😀"));
    const std::wstring expected = L"你好，世界 ü é (x) 😀";
    EXPECT_EQ(EditTextOnceItReads(expected), expected);
}

TEST_F(Typing, AScriptOverTheEventLimitTypesNothing) {
    EXPECT_FALSE(Type(u"a{b 5000}"));
    EXPECT_TRUE(Type(u"c"));
    EXPECT_EQ(EditTextOnceItReads(L"c"), L"c");
}

TEST_F(Typing, AFailedScriptLeavesNoModifierHeld) {
    EXPECT_FALSE(Type(u"[shift:a{left x}"));
    EXPECT_TRUE(Type(u"b"));
    EXPECT_EQ(EditTextOnceItReads(L"Ab"), L"Ab");
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST(WindowsKeyboard, MapsCharactersAndKeysWithTheThreadsLayout) {
    WindowsKeyboard keyboard;
    EXPECT_EQ(keyboard.KeyForCharacter(u'a'), 0x41);
    EXPECT_EQ(keyboard.KeyForCharacter(u'A'), kLayoutShift | 0x41);
    EXPECT_EQ(keyboard.KeyForCharacter(u'{'), kLayoutShift | 0xDB);
    EXPECT_EQ(keyboard.KeyForCharacter(u'中'), std::nullopt);
    EXPECT_EQ(keyboard.ScanCodeOf(0x41), 0x1E);
    EXPECT_EQ(keyboard.ScanCodeOf(0x25), 0x4B);
}

TEST(WindowsKeyboard, NumLockChangesOnlyTheThreadsKeyboardState) {
    WindowsKeyboard keyboard;
    const bool before = keyboard.IsNumLockOn();
    keyboard.SetNumLock(!before);
    EXPECT_EQ(keyboard.IsNumLockOn(), !before);
    keyboard.SetNumLock(before);
    EXPECT_EQ(keyboard.IsNumLockOn(), before);
}

} // namespace
} // namespace traxo
