// The kit's control table and its builder: places through parents, scaling, texts in both
// languages, looks scaled and the page rule; and every row of the windows' tables names a text
// that both languages have.
#include "ui/kit/ControlTable.h"

#include "ui/main/MainWindowLayout.h"
#include "ui/options/OptionsLayout.h"
#include "ui/tutorial/TutorialLayout.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

enum class Probe { Panel, Inner, Button, Tab, Count };
enum class ProbeText : std::size_t { Caption, Hint, Count };

constexpr TextRow kProbeTexts[]{
    {ProbeText::Caption, u"Go", u"走"},
    {ProbeText::Hint, u"Goes", u"走了"},
};

const TextTable& TextTableOf(ProbeText) {
    static constexpr TextTable table{"probe", kProbeTexts, 2};
    return table;
}

DynamicLook ProbeLook() {
    DynamicLook look;
    look.Font.height = 11;
    look.SelectedFont.height = 13;
    look.MarginWidth = 7;
    look.CornerWidth = 3;
    look.FrameWidth = 2;
    look.StaticSectionWidth = 33;
    look.FadeInTime = 50;
    look.Colour = Rgb(1, 2, 3);
    return look;
}

const std::vector<ControlRow<Probe>>& ProbeTable() {
    static const std::vector<ControlRow<Probe>> table{
        {Probe::Panel, "Panel", ControlKind::Panel, {}, kEveryPage, {10, 20, 110, 120}},
        {Probe::Inner, "Inner", ControlKind::Panel, Probe::Panel, kEveryPage, {5, 5, 55, 55}},
        {Probe::Button,
         "Button",
         ControlKind::DynamicButton,
         Probe::Inner,
         2,
         {1, 1, 21, 11},
         ProbeText::Caption,
         ProbeLook(),
         Rgb(9, 9, 9),
         0x10u,
         ProbeText::Hint},
        {Probe::Tab, "Tab", ControlKind::PageControl, {}, 1, {0, 0, 7, 7}},
    };
    return table;
}

std::vector<PlacedControl<Probe>> Placed(int dpi, Language language) {
    return PlaceControls(std::span<const ControlRow<Probe>>(ProbeTable()), DpiScale{dpi}, language);
}

TEST(ControlTable, PlacesThroughParentsInTheClientArea) {
    const std::vector<PlacedControl<Probe>> placed = Placed(96, Language::English);
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_EQ(Find(placed, Probe::Inner).client, (Rect{15, 25, 65, 75}));
    EXPECT_EQ(Find(placed, Probe::Button).client, (Rect{16, 26, 36, 36}));
    EXPECT_EQ(Find(placed, Probe::Button).place, (Rect{1, 1, 21, 11}));
    EXPECT_EQ(Find(placed, Probe::Tab).client, (Rect{0, 0, 7, 7}));
    EXPECT_THROW(Find(placed, Probe::Count), std::out_of_range);
}

TEST(ControlTable, ScalesEdgesFromTheWholeWindowAt144Dpi) {
    const std::vector<PlacedControl<Probe>> placed = Placed(144, Language::English);
    const PlacedControl<Probe>& button = Find(placed, Probe::Button);
    // 16, 26, 36, 36 in the window at one and a half; its place is what is left in the parent.
    EXPECT_EQ(button.client, (Rect{24, 39, 54, 54}));
    EXPECT_EQ(button.place.left, button.client.left - Find(placed, Probe::Inner).client.left);
    EXPECT_EQ(button.place, (Rect{1, 1, 31, 16}));
    EXPECT_EQ(Find(placed, Probe::Tab).client, (Rect{0, 0, 11, 11}));
    // Lengths scale, the rest stays.
    ASSERT_TRUE(button.look.has_value());
    EXPECT_EQ(button.look->Font.height, 17);
    EXPECT_EQ(button.look->SelectedFont.height, 20);
    EXPECT_EQ(button.look->MarginWidth, 11);
    EXPECT_EQ(button.look->CornerWidth, 5);
    EXPECT_EQ(button.look->FrameWidth, 3);
    EXPECT_EQ(button.look->StaticSectionWidth, 50);
    EXPECT_EQ(button.look->FadeInTime, 50);
    EXPECT_EQ(button.look->Colour, Rgb(1, 2, 3));
    EXPECT_FALSE(Find(placed, Probe::Panel).look.has_value());
    EXPECT_EQ(button.background, Rgb(9, 9, 9));
    EXPECT_EQ(button.style, 0x10u);
}

TEST(ControlTable, TextsAndHintsInTheLanguage) {
    EXPECT_EQ(Find(Placed(96, Language::English), Probe::Button).text, u"Go");
    EXPECT_EQ(Find(Placed(96, Language::Chinese), Probe::Button).text, u"走");
    EXPECT_EQ(Find(Placed(96, Language::Chinese), Probe::Button).hint, u"走了");
    EXPECT_TRUE(Find(Placed(96, Language::Chinese), Probe::Panel).text.empty());
    EXPECT_TRUE(TextRef{}.Empty());
    EXPECT_TRUE(TextRef{}.In(Language::English).empty());
}

TEST(ControlTable, PageRule) {
    EXPECT_TRUE(ShownOnPage(kEveryPage, 1));
    EXPECT_TRUE(ShownOnPage(2, 2));
    EXPECT_FALSE(ShownOnPage(2, 1));
    EXPECT_FALSE(ShownOnPage(1, kEveryPage));
}

template <typename Id> void ExpectTextsInBothLanguages(const std::vector<ControlRow<Id>>& table) {
    for (const ControlRow<Id>& row : table) {
        if (!row.text.Empty()) {
            EXPECT_FALSE(row.text.In(Language::English).empty()) << row.name;
            EXPECT_FALSE(row.text.In(Language::Chinese).empty()) << row.name;
        }
        // Some tooltips say nothing more in Chinese than the caption does.
        EXPECT_EQ(row.hint.Empty(), row.hint.In(Language::English).empty()) << row.name;
    }
}

TEST(ControlTable, EveryTextOfTheWindowsTablesResolvesInBothLanguages) {
    ExpectTextsInBothLanguages(MainWindowLayoutTable());
    ExpectTextsInBothLanguages(OptionsLayoutTable());
    ExpectTextsInBothLanguages(TutorialLayoutTable());
}

TEST(ControlTable, TheTutorialsButtonsScaleWithTheWindow) {
    const auto placed = PlaceTutorialControls(DpiScale{144}, Language::Chinese);
    const PlacedControl<TutorialControl>& next = Find(placed, TutorialControl::Next);
    EXPECT_EQ(next.client, (Rect{188, 261, 269, 300}));
    EXPECT_EQ(next.client, Find(placed, TutorialControl::Finish).client);
    EXPECT_EQ(next.text, u"继续");
    EXPECT_EQ(next.look->CornerWidth, 3);
    EXPECT_EQ(Find(placed, TutorialControl::Frame).look->FrameWidth, 8);
    EXPECT_EQ(Find(placed, TutorialControl::Frame).client, (Rect{0, 0, 603, 320}));
}

} // namespace
} // namespace traxo
