// The main window's keyboard: each chord runs its command where it works, and only the exact
// chord does; the access keys; the focus order and how Tab walks it.
#include "ui/main/MainKeyMap.h"

#include "controls/DynamicPainters.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <tuple>

namespace traxo {
namespace {

TEST(MainKeyMap, EachChordRunsItsCommandAndNoOtherChordDoes) {
    struct Case {
        KeyChord chord;
        bool inList;
        std::optional<MainKeyCommand> command;
    };
    const Case cases[] = {
        {{'N', true, false, false}, false, MainKeyCommand::NewSet},
        {{'O', true, false, false}, false, MainKeyCommand::LoadSet},
        {{'S', true, false, false}, true, MainKeyCommand::SaveSet},
        {{'S', true, true, false}, false, MainKeyCommand::SaveSetAs},
        {{0x1B, false, false, false}, false, MainKeyCommand::Hide},
        {{0x0D, false, false, false}, true, MainKeyCommand::AssignAction}, // Enter
        {{0x71, false, false, false}, true, MainKeyCommand::AssignAction}, // F2
        {{0x2E, false, false, false}, true, MainKeyCommand::DeleteGesture},
        {{0x0D, false, false, false}, false, std::nullopt}, // Enter presses a focused button
        {{0x2E, false, false, false}, false, std::nullopt},
        {{0x2E, false, true, false}, true, std::nullopt},
        {{'S', false, false, false}, false, std::nullopt}, // typing, not a shortcut
        {{'S', true, false, true}, false, std::nullopt},   // Ctrl+Alt is AltGr on many keyboards
        {{'N', true, true, false}, false, std::nullopt},
        {{0x1B, true, false, false}, false, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainKeyCommandOf(c.chord, c.inList), c.command) << c.chord.virtualKey;
    }
}

TEST(MainKeyMap, NoChordIsBoundTwice) {
    std::set<std::tuple<int, bool, bool, bool>> seen;
    for (const MainKeyBinding& binding : MainKeyMap()) {
        const KeyChord& chord = binding.chord;
        EXPECT_TRUE(seen.insert({chord.virtualKey, chord.ctrl, chord.shift, chord.alt}).second)
            << chord.virtualKey;
    }
}

TEST(MainAccessKeys, EachIsOneButtonsLetterOfItsEnglishCaptionAndReachesIt) {
    const std::vector<PlacedMainControl> layout = BuildMainWindowLayout({}, Language::English);
    std::set<char16_t> letters;
    for (const MainAccessKey& key : MainAccessKeys()) {
        EXPECT_TRUE(letters.insert(key.letter).second) << char(key.letter);
        const PlacedMainControl& control = Find(layout, key.control);
        EXPECT_TRUE(control.kind == ControlKind::DynamicButton ||
                    control.kind == ControlKind::DynamicOpaqueButton)
            << control.name;
        ASSERT_TRUE(control.look);
        EXPECT_EQ(control.look->AccessKey, key.letter) << control.name;
        EXPECT_NE(AccessKeyIndex(control.text, key.letter), std::u16string::npos) << control.name;
        EXPECT_EQ(MainAccessKeyTarget(char16_t(key.letter + 32)), key.control); // lower case
    }
    EXPECT_EQ(MainAccessKeyTarget(u'Q'), std::nullopt);
}

TEST(MainFocusOrder, EveryControlTheKeyboardCanUseInReadingOrder) {
    const std::vector<PlacedMainControl> layout = BuildMainWindowLayout({}, Language::English);
    const std::span<const MainControl> order = MainFocusOrder();
    std::set<MainControl> inOrder(order.begin(), order.end());
    EXPECT_EQ(inOrder.size(), order.size()) << "a control twice";
    for (const PlacedMainControl& control : layout) {
        const bool usable = control.kind == ControlKind::DynamicButton ||
                            control.kind == ControlKind::DynamicOpaqueButton ||
                            control.kind == ControlKind::MotionList;
        EXPECT_EQ(inOrder.contains(control.id), usable) << control.name;
    }
    // Top to bottom, then left to right; the action button lies in the list and follows it.
    const auto list = std::ranges::find(order, MainControl::ListBox1);
    ASSERT_NE(list + 1, order.end());
    EXPECT_EQ(list[1], MainControl::btnAssign);
    Rect previous{-1, -1, -1, -1};
    for (const MainControl id : order) {
        if (id == MainControl::btnAssign) {
            continue;
        }
        const Rect place = Find(layout, id).client;
        EXPECT_TRUE(place.top > previous.top ||
                    (place.top == previous.top && place.left > previous.left))
            << Find(layout, id).name;
        previous = place;
    }
}

TEST(MainFocusOrder, TabSkipsWhatCannotTakeTheFocusAndWrapsAround) {
    using MC = MainControl;
    const auto all = [](MC) { return true; };
    const auto noToolbar = [](MC id) { return id == MC::ListBox1 || id == MC::btnCreate; };
    struct Case {
        MC from;
        bool backwards;
        std::function<bool(MC)> available;
        std::optional<MC> to;
    };
    const Case cases[] = {
        {MC::None, false, all, MC::btnHide}, // from the window itself
        {MC::None, true, all, MC::btnRecord},
        {MC::btnHide, false, all, MC::btnActive},
        {MC::btnActive, true, all, MC::btnHide},
        {MC::btnRecord, false, all, MC::btnHide},
        {MC::btnHide, true, all, MC::btnRecord},
        {MC::ListBox1, false, noToolbar, MC::btnCreate},
        {MC::btnCreate, false, noToolbar, MC::ListBox1},
        {MC::btnCreate, true, noToolbar, MC::ListBox1},
        {MC::btnCreate, false, [](MC) { return false; }, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextFocus(c.from, c.backwards, c.available), c.to)
            << static_cast<int>(c.from) << (c.backwards ? " backwards" : "");
    }
}

} // namespace
} // namespace traxo
