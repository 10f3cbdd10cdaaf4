// The keystroke language and the sender, checked against a recording US keyboard: which events
// go out, in which order, and that no modifier is ever left held.
#include "actions/sndkey32.h"
#include "platform/RecordingKeyboard.h"

#include <algorithm>
#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace traxo {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

std::string Describe(const RecordedKey& key) {
    char text[32];
    const char* action = key.action == KeyAction::Down        ? "down"
                         : key.action == KeyAction::Up        ? "up"
                         : key.action == KeyAction::NumLockOn ? "numlock on"
                                                              : "numlock off";
    if (key.character != 0) {
        std::snprintf(text, sizeof text, "%s U+%04X", action, static_cast<unsigned>(key.character));
    } else {
        std::snprintf(text, sizeof text, "%s %02X%s", action, key.virtualKey,
                      key.extended ? " ext" : "");
    }
    return text;
}

std::vector<std::string> Describe(const std::vector<RecordedKey>& keys) {
    std::vector<std::string> lines;
    for (const RecordedKey& key : keys) {
        lines.push_back(Describe(key));
    }
    return lines;
}

// Every key that went down has come up again, modifiers included.
void ExpectNothingLeftDown(const std::vector<RecordedKey>& keys) {
    std::map<int, bool> down;
    for (const RecordedKey& key : keys) {
        if (key.action == KeyAction::Down || key.action == KeyAction::Up) {
            down[key.virtualKey] = key.action == KeyAction::Down;
        }
    }
    for (const auto& [virtualKey, isDown] : down) {
        EXPECT_FALSE(isDown) << "key " << virtualKey << " is left down";
    }
}

struct Sent {
    bool result;
    std::vector<std::string> events;
};

// A script as the user writes it, sent the way a keystroke action sends it.
Sent Type(std::u16string_view script) {
    const KeystrokePlan plan = PlanScript(MyFormatToTheirs(script));
    EXPECT_EQ(plan.unlistedEvents, 0u);
    ExpectNothingLeftDown(plan.events);
    return {plan.result, Describe(plan.events)};
}

// Text already in the sender notation.
Sent Send(std::u16string_view text) {
    const KeystrokePlan plan = PlanScript(text);
    ExpectNothingLeftDown(plan.events);
    return {plan.result, Describe(plan.events)};
}

TEST(MyFormatToTheirs, BracesWhatTheSenderWouldReadAsModifiersOrGroups) {
    EXPECT_EQ(MyFormatToTheirs(u"a+b"), u"a{+}b");
    EXPECT_EQ(MyFormatToTheirs(u"^%()~"), u"{^}{%}{(}{)}~");
    EXPECT_EQ(MyFormatToTheirs(u"plain text, é 中"), u"plain text, é 中");
    EXPECT_EQ(MyFormatToTheirs(u""), u"");
}

TEST(MyFormatToTheirs, TurnsBracketedModifiersIntoGroups) {
    EXPECT_EQ(MyFormatToTheirs(u"[ctrl:{left}{left}]"), u"^({left}{left})");
    EXPECT_EQ(MyFormatToTheirs(u"Try this in a word processor.{home}[shift:{end}][ctrl:b]"),
              u"Try this in a word processor.{home}+({end})^(b)");
    EXPECT_EQ(MyFormatToTheirs(u"[SHIFT:a][Alt:b][cTRL:c]"), u"+(a)%(b)^(c)");
    // A bracket that opens no modifier stays; every closing one ends a group.
    EXPECT_EQ(MyFormatToTheirs(u"[x]"), u"[x)");
}

TEST(MyFormatToTheirs, BackslashEscapesBecomeBracedCharacters) {
    EXPECT_EQ(MyFormatToTheirs(u"\\{curly\\}"), u"{{}curly{}}");
    EXPECT_EQ(MyFormatToTheirs(u"\\[x\\]"), u"{[}x{]}");
    EXPECT_EQ(MyFormatToTheirs(u"\\\\"), u"{\\}");
    EXPECT_EQ(MyFormatToTheirs(u"\\[shift:a\\]"), u"{[}shift:a{]}");
}

TEST(LookUpKeyName, FindsEveryNameOfTheTable) {
    const std::map<std::u16string, int> table = {
        {u"ALT", 0x12},   {u"BACKSPACE", 0x08},  {u"BKSP", 0x08},        {u"BS", 0x08},
        {u"BREAK", 0x03}, {u"CAPSLOCK", 0x14},   {u"CLEAR", 0x0C},       {u"CTRL", 0x11},
        {u"DEL", 0x2E},   {u"DELETE", 0x2E},     {u"DOWN", 0x28},        {u"END", 0x23},
        {u"ENTER", 0x0D}, {u"ESC", 0x1B},        {u"ESCAPE", 0x1B},      {u"HELP", 0x2F},
        {u"HOME", 0x24},  {u"INS", 0x2D},        {u"LEFT", 0x25},        {u"NUMLOCK", 0x90},
        {u"PGDN", 0x22},  {u"PGUP", 0x21},       {u"PRINTSCREEN", 0x2C}, {u"PRTSC", 0x2C},
        {u"RIGHT", 0x27}, {u"SCROLLLOCK", 0x91}, {u"SHIFT", 0x10},       {u"TAB", 0x09},
        {u"UP", 0x26},
    };
    int found = 0;
    for (const auto& [name, code] : table) {
        EXPECT_EQ(LookUpKeyName(name), code) << std::string(name.begin(), name.end());
        ++found;
    }
    for (int f = 1; f <= 16; ++f) {
        const std::string name = "F" + std::to_string(f);
        EXPECT_EQ(LookUpKeyName(std::u16string(name.begin(), name.end())), 0x6F + f) << name;
        ++found;
    }
    EXPECT_EQ(found, 45);
}

TEST(LookUpKeyName, MatchesOnlyWholeUpperCaseNames) {
    EXPECT_EQ(LookUpKeyName(u"enter"), std::nullopt);
    EXPECT_EQ(LookUpKeyName(u"ENTE"), std::nullopt);
    EXPECT_EQ(LookUpKeyName(u"F17"), std::nullopt);
    EXPECT_EQ(LookUpKeyName(u"F0"), std::nullopt);
    EXPECT_EQ(LookUpKeyName(u""), std::nullopt);
}

TEST(IsExtendedKey, CoversTheNavigationBlockOnly) {
    for (int key = 0; key < 256; ++key) {
        const bool navigation = (key >= 0x21 && key <= 0x28) || key == 0x2D || key == 0x2E;
        EXPECT_EQ(IsExtendedKey(static_cast<std::uint8_t>(key)), navigation) << key;
    }
}

TEST(SendScript, ModifierGroupHoldsCtrlOverBothLefts) {
    const Sent sent = Type(u"[ctrl:{left}{left}]");
    EXPECT_TRUE(sent.result);
    EXPECT_THAT(sent.events, ElementsAre("down 11", "down 25 ext", "up 25 ext", "down 25 ext",
                                         "up 25 ext", "up 11"));
}

TEST(SendScript, EditorExampleHoldsEachModifierOnlyForItsGroup) {
    const std::u16string sentence = u"Try this in a word processor.";
    const Sent sent = Type(sentence + u"{home}[shift:{end}][ctrl:b]");
    ASSERT_TRUE(sent.result);
    // "T" takes Shift (4 events); every other character of the sentence is one press.
    const std::size_t sentenceEvents = 4 + 2 * (sentence.size() - 1);
    ASSERT_EQ(sent.events.size(), sentenceEvents + 10);
    EXPECT_THAT(std::vector(sent.events.begin(), sent.events.begin() + 6),
                ElementsAre("down 10", "down 54", "up 54", "up 10", "down 52", "up 52"));
    EXPECT_THAT(std::vector(sent.events.begin() + sentenceEvents, sent.events.end()),
                ElementsAre("down 24 ext", "up 24 ext", "down 10", "down 23 ext", "up 23 ext",
                            "up 10", "down 11", "down 42", "up 42", "up 11"));
}

TEST(SendScript, PlusSignTakesShiftForItselfOnly) {
    const Sent sent = Type(u"a+b");
    EXPECT_TRUE(sent.result);
    EXPECT_THAT(sent.events, ElementsAre("down 41", "up 41", "down 10", "down BB", "up BB", "up 10",
                                         "down 42", "up 42"));
}

TEST(SendScript, EscapedBracesBracketsAndBackslashTypeThemselves) {
    EXPECT_THAT(Type(u"\\{curly\\}").events,
                ElementsAre("down 10", "down DB", "up DB", "up 10", "down 43", "up 43", "down 55",
                            "up 55", "down 52", "up 52", "down 4C", "up 4C", "down 59", "up 59",
                            "down 10", "down DD", "up DD", "up 10"));
    EXPECT_THAT(Type(u"\\\\").events, ElementsAre("down DC", "up DC"));
    EXPECT_THAT(Type(u"\\[x\\]").events,
                ElementsAre("down DB", "up DB", "down 58", "up 58", "down DD", "up DD"));
}

TEST(SendScript, KeyNamesInAnyCaseWithRepeatCounts) {
    EXPECT_THAT(Type(u"{left 3}").events, ElementsAre("down 25 ext", "up 25 ext", "down 25 ext",
                                                      "up 25 ext", "down 25 ext", "up 25 ext"));
    EXPECT_EQ(Type(u"{LEFT}").events, Type(u"{left}").events);
    EXPECT_THAT(Type(u"{Left}").events, ElementsAre("down 25 ext", "up 25 ext"));
    EXPECT_THAT(Type(u"{alt}").events, ElementsAre("down 12", "up 12"));
    EXPECT_THAT(Type(u"{f16}{prtsc}").events, ElementsAre("down 7F", "up 7F", "down 2C", "up 2C"));
    EXPECT_THAT(Type(u"{enter 0}").events, IsEmpty());
    EXPECT_TRUE(Type(u"{enter 0}").result);
}

TEST(SendScript, OneBracedCharacterIsTypedInUpperCase) {
    EXPECT_THAT(Type(u"{a}").events, ElementsAre("down 10", "down 41", "up 41", "up 10"));
    EXPECT_THAT(Type(u"{1 2}").events, ElementsAre("down 31", "up 31", "down 31", "up 31"));
    // With a count of 0 only the shift state is pressed and released.
    EXPECT_THAT(Type(u"{a 0}").events, ElementsAre("down 10", "up 10"));
}

TEST(SendScript, EventsCarryTheLayoutsScanCodes) {
    const KeystrokePlan plan = PlanScript(u"a{left}");
    ASSERT_EQ(plan.events.size(), 4u);
    EXPECT_EQ(plan.events[0], (RecordedKey{KeyAction::Down, 0x41, 0x1E, false}));
    EXPECT_EQ(plan.events[3], (RecordedKey{KeyAction::Up, 0x25, 0x4B, true}));
}

TEST(SendScript, EmptyTextSendsNothingAndFails) {
    const Sent sent = Send(u"");
    EXPECT_FALSE(sent.result);
    EXPECT_THAT(sent.events, IsEmpty());
}

TEST(SendScript, MissingClosingBraceEndsTheSending) {
    EXPECT_FALSE(Type(u"{enter").result);
    EXPECT_THAT(Type(u"{enter").events, IsEmpty());
    const Sent partly = Type(u"ab{enter c");
    EXPECT_FALSE(partly.result);
    EXPECT_THAT(partly.events, ElementsAre("down 41", "up 41", "down 42", "up 42"));
}

TEST(SendScript, BadRepeatCountEndsTheSendingWithWhatWasSentKept) {
    for (const char16_t* count :
         {u"x", u"-1", u"+1", u" 1", u"1 ", u"", u"65536", u"99999", u"1e3", u"0x10", u"\uFF11"}) {
        const std::u16string script = u"a{left " + std::u16string(count) + u"}b";
        const Sent sent = Type(script);
        EXPECT_FALSE(sent.result) << std::string(script.begin(), script.end());
        EXPECT_THAT(sent.events, ElementsAre("down 41", "up 41"));
    }
    // The count is read before the name is looked up.
    EXPECT_FALSE(Type(u"{nosuchkey x}").result);
}

TEST(SendScript, RepeatCountsReachTheSixteenBitLimit) {
    EXPECT_THAT(Type(u"{tab 0000002}").events, ElementsAre("down 09", "up 09", "down 09", "up 09"));
    EXPECT_FALSE(Type(u"{tab 100000}").result);
}

TEST(SendScript, ARunSendsAtMostTenThousandEventsOrNothing) {
    struct Case {
        std::u16string script;
        std::size_t events; // 0: over the limit, nothing sent
    };
    const std::vector<Case> cases = {
        {u"{tab 5000}", 10000},
        {u"{tab 5000}a", 0},
        {u"[shift:{left 4999}]", 10000}, // the held Shift counts, pressed and released
        {u"{a 5000}", 0},                // "A" needs Shift: 10,002 events
        {u"{中 5000}", 10000},           // Unicode events count as key events
        {u"{中 5000}中", 0},
        {u"{tab 65535}", 0},
        {u"[ctrl:[alt:{a 9999}{b 9999}]]{c 9999}", 0},
        {u"{numlock 65535}{tab 5000}", 10000}, // the toggle sends no event
    };
    for (const Case& c : cases) {
        const KeystrokePlan plan = PlanScript(MyFormatToTheirs(c.script));
        EXPECT_EQ(plan.result, c.events != 0) << std::string(c.script.begin(), c.script.end());
        const std::size_t keyEvents =
            std::count_if(plan.events.begin(), plan.events.end(), [](const RecordedKey& key) {
                return key.action == KeyAction::Down || key.action == KeyAction::Up;
            });
        EXPECT_EQ(keyEvents + plan.unlistedEvents, c.events)
            << std::string(c.script.begin(), c.script.end());
    }
}

TEST(SendScript, AMaximalScriptOfNestedRepeatsSendsNothing) {
    // Nearly 1,024 characters that would once have meant millions of events.
    std::u16string script;
    while (script.size() + 10 <= 1024) {
        script += u"[shift:{a 65535}]";
    }
    RecordingKeyboard keyboard(0);
    EXPECT_FALSE(SendScript(keyboard, MyFormatToTheirs(script), true));
    EXPECT_EQ(keyboard.UnrecordedCount(), 0u);
    EXPECT_EQ(keyboard.DispatchCount(), 0u);
}

TEST(SendScript, ModifiersAreReleasedWhateverEndsTheText) {
    // A failure in the middle of a group.
    const Sent failed = Send(u"+(a{enter");
    EXPECT_FALSE(failed.result);
    EXPECT_THAT(failed.events, ElementsAre("down 10", "down 41", "up 41", "up 10"));
    // A group that is never closed.
    const Sent unclosed = Type(u"[shift:ab");
    EXPECT_TRUE(unclosed.result);
    EXPECT_THAT(unclosed.events,
                ElementsAre("down 10", "down 41", "up 41", "down 42", "up 42", "up 10"));
    // A modifier with nothing after it.
    EXPECT_THAT(Send(u"^").events, ElementsAre("down 11", "up 11"));
    EXPECT_THAT(Send(u"+^%").events,
                ElementsAre("down 10", "down 11", "down 12", "up 10", "up 11", "up 12"));
}

TEST(SendScript, AModifierWaitsForTheNextItemThatSendsSomething) {
    // An unknown name sends nothing, so Shift still applies to "a".
    EXPECT_THAT(Send(u"+{bogus}a").events, ElementsAre("down 10", "down 41", "up 41", "up 10"));
    // A character without a key is an item too.
    EXPECT_THAT(Send(u"+\u4E2Da").events,
                ElementsAre("down 10", "down U+4E2D", "up U+4E2D", "up 10", "down 41", "up 41"));
    EXPECT_THAT(Send(u"+(ab)c").events, ElementsAre("down 10", "down 41", "up 41", "down 42",
                                                    "up 42", "up 10", "down 43", "up 43"));
}

TEST(SendScript, UnbalancedAndOddBracesSendSoundly) {
    EXPECT_THAT(Send(u"{}}").events, ElementsAre("down 10", "down DD", "up DD", "up 10"));
    EXPECT_THAT(Send(u"{{").events, ElementsAre("down 10", "down DB", "up DB", "up 10"));
    EXPECT_TRUE(Send(u"{}").result);
    EXPECT_THAT(Send(u"{}").events, IsEmpty());
    EXPECT_THAT(Send(u")a(").events, ElementsAre("down 41", "up 41"));
    EXPECT_THAT(Send(u"}]").events,
                ElementsAre("down 10", "down DD", "up DD", "up 10", "down DD", "up DD"));
    // A lone trailing backslash is an ordinary character.
    EXPECT_THAT(Type(u"a\\").events, ElementsAre("down 41", "up 41", "down DC", "up DC"));
}

TEST(SendScript, OverlongBracedNamesSendNothingAndTheTextGoesOn) {
    const std::u16string script = u"{" + std::u16string(5000, u'x') + u"}a";
    const Sent sent = Send(script);
    EXPECT_TRUE(sent.result);
    EXPECT_THAT(sent.events, ElementsAre("down 41", "up 41"));
}

TEST(SendScript, CharactersWithoutAKeyGoAsUnicodeEvents) {
    const Sent sent = Type(u"你好，世界 ü é{enter}");
    EXPECT_TRUE(sent.result);
    EXPECT_THAT(sent.events,
                ElementsAre("down U+4F60", "up U+4F60", "down U+597D", "up U+597D", "down U+FF0C",
                            "up U+FF0C", "down U+4E16", "up U+4E16", "down U+754C", "up U+754C",
                            "down 20", "up 20", "down U+00FC", "up U+00FC", "down 20", "up 20",
                            "down U+00E9", "up U+00E9", "down 0D", "up 0D"));
    // Each half of a surrogate pair goes in turn, so the program puts the pair together.
    EXPECT_THAT(Type(u"\U0001F600").events,
                ElementsAre("down U+D83D", "up U+D83D", "down U+DE00", "up U+DE00"));
    EXPECT_THAT(Type(u"{中 2}").events,
                ElementsAre("down U+4E2D", "up U+4E2D", "down U+4E2D", "up U+4E2D"));
}

TEST(SendScript, ControlCharactersUseTheirKeys) {
    EXPECT_THAT(Send(u"\t\r\n").events, ElementsAre("down 09", "up 09", "down 0D", "up 0D",
                                                    "down 11", "down 0D", "up 0D", "up 11"));
}

TEST(SendScript, NumLockTogglesTheStateWithoutEvents) {
    RecordingKeyboard keyboard;
    EXPECT_TRUE(SendScript(keyboard, u"{numlock}", true));
    EXPECT_TRUE(keyboard.IsNumLockOn());
    EXPECT_TRUE(SendScript(keyboard, u"{NUMLOCK 5}", true));
    EXPECT_FALSE(keyboard.IsNumLockOn());
    EXPECT_THAT(Describe(keyboard.Recorded()), ElementsAre("numlock on 90", "numlock off 90"));
}

TEST(SendScript, WaitDispatchesKeyMessagesAfterEveryEvent) {
    RecordingKeyboard waiting;
    SendScript(waiting, u"A{left}", true);
    EXPECT_EQ(waiting.DispatchCount(), 6u);
    RecordingKeyboard notWaiting;
    SendScript(notWaiting, u"A{left}", false);
    EXPECT_EQ(notWaiting.DispatchCount(), 0u);
    EXPECT_EQ(notWaiting.Recorded(), waiting.Recorded());
}

TEST(PlanScript, CountsWhatItDoesNotListPastItsLimit) {
    const KeystrokePlan plan = PlanScript(u"{a 3}b", 4);
    EXPECT_TRUE(plan.result);
    EXPECT_THAT(Describe(plan.events), ElementsAre("down 10", "down 41", "up 41", "down 41"));
    EXPECT_EQ(plan.unlistedEvents, 6u);
}

} // namespace
} // namespace traxo
