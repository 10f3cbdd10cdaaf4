// The main window's layout table and the decisions of UpdateButtons: places, nesting, scaling,
// texts in both languages, and what the active toggle, status tab and btnRecord show.
#include "ui/main/MainWindowLayout.h"

#include "ui/kit/Pictures.h"
#include "ui/main/MainButtons.h"
#include "ui/main/MainWindowLooks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace traxo {
namespace {

using MC = MainControl;

bool Inside(Rect inner, Rect outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(MainWindowLayout, EveryControlLiesInsideItsPanelAndTheWindow) {
    for (const int dpi : {96, 120, 144, 192}) {
        const DpiScale scale{dpi};
        const std::vector<PlacedMainControl> layout =
            BuildMainWindowLayout(scale, Language::English);
        const Rect window{0, 0, scale(kMainClientSize.width), scale(kMainClientSize.height)};
        for (const PlacedMainControl& control : layout) {
            EXPECT_TRUE(Inside(control.client, window)) << control.name << " at " << dpi;
            if (control.parent) {
                EXPECT_TRUE(Inside(control.client, Find(layout, *control.parent).client))
                    << control.name << " at " << dpi;
            }
        }
    }
}

TEST(MainWindowLayout, NamesAreUniqueAndParentsComeFirst) {
    std::set<std::string_view> names;
    std::set<MC> seen;
    for (const MainLayoutRow& row : MainWindowLayoutTable()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_TRUE(!row.parent || seen.count(*row.parent)) << row.name;
        seen.insert(row.id);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(MC::None));
}

TEST(MainWindowLayout, PanelsStackAndTheToolbarButtonsAbut) {
    const std::vector<PlacedMainControl> layout =
        BuildMainWindowLayout(DpiScale{}, Language::English);
    EXPECT_EQ(Find(layout, MC::panelCaptionBar).client, (Rect{0, 0, 788, 27}));
    EXPECT_EQ(Find(layout, MC::Panel2).client, (Rect{0, 27, 788, 93}));
    EXPECT_EQ(Find(layout, MC::Panel1).client.top, 93);
    EXPECT_EQ(Find(layout, MC::Panel1).client.bottom, kMainClientSize.height);

    const MC toolbar[] = {MC::btnActive, MC::btnClear,   MC::btnLoad, MC::btnSave,
                          MC::btnSaveAs, MC::btnOptions, MC::btnHelp, MC::btnExit};
    for (std::size_t i = 1; i < std::size(toolbar); ++i) {
        const Rect previous = Find(layout, toolbar[i - 1]).client;
        const Rect button = Find(layout, toolbar[i]).client;
        EXPECT_EQ(button.left, previous.right + 1) << Find(layout, toolbar[i]).name;
        EXPECT_EQ(button.top, 27 + 16);
        EXPECT_EQ(button.bottom - button.top, 36);
    }
    // The list and the pad sit in Panel1, under the tabs, the buttons under the frames.
    EXPECT_EQ(Find(layout, MC::ListBox1).client, (Rect{5, 93 + 26, 301, 93 + 26 + 359}));
    EXPECT_EQ(Find(layout, MC::image1).client, (Rect{303, 93 + 26, 786, 93 + 426}));
    EXPECT_EQ(Find(layout, MC::btnRecord).client.top,
              Find(layout, MC::DynamicFrame2).client.bottom);
}

TEST(MainWindowLayout, ScalesPlacesFontsAndMargins) {
    const DpiScale scale{144};
    const std::vector<PlacedMainControl> layout = BuildMainWindowLayout(scale, Language::English);
    const PlacedMainControl& active = Find(layout, MC::btnActive);
    EXPECT_EQ(active.place, (Rect{20, 24, 131, 78}));
    EXPECT_EQ(active.client.top, 41 + 24); // Panel2's 27 rows become 41
    EXPECT_EQ(active.look->Font.height, 20);
    EXPECT_EQ(active.look->SelectedFont.height, 20);
    EXPECT_EQ(active.look->MarginWidth, 11);
    EXPECT_EQ(Find(layout, MC::btnExit).look->MarginWidth, 12);
    EXPECT_EQ(Find(layout, MC::btnKnownApps).look->StaticSectionWidth, 50);
    EXPECT_EQ(Find(layout, MC::DynamicFrame1).look->FrameWidth, 3);
}

struct TextCase {
    MC control;
    std::u16string english;
    std::u16string chinese;
};

TEST(MainWindowLayout, TextsInBothLanguages) {
    const TextCase cases[] = {
        {MC::btnClear, u"New set", u"新建"},
        {MC::btnLoad, u"Load set", u"载入"},
        {MC::btnSave, u"Save set", u"保存"},
        {MC::btnSaveAs, u"as...", u"另存为"},
        {MC::btnOptions, u"Options", u"选项"},
        {MC::btnHelp, u"Help", u"帮助"},
        {MC::btnExit, u"Exit", u"退出"},
        {MC::btnCreate, u"Create gesture", u"创建"},
        {MC::btnDelete, u"Delete gesture", u"删除"},
        {MC::btnRecord, u"Record again", u"重新录制"},
        {MC::btnKnownApps, u"Configure programs...", u"配置程序…"},
        {MC::lblSet, u"Gesture set", u"手势组"},
        {MC::lblCopyright, u"about/donate", u"关于Traxo"},
        {MC::btnHide, u"hide", u"隐藏"},
        {MC::lblVersion, u"version 1.41 by traxo.app", u"版本1.41 traxo.app"},
    };
    const std::vector<PlacedMainControl> english =
        BuildMainWindowLayout(DpiScale{}, Language::English);
    const std::vector<PlacedMainControl> chinese =
        BuildMainWindowLayout(DpiScale{}, Language::Chinese);
    for (const TextCase& c : cases) {
        EXPECT_EQ(Find(english, c.control).text, c.english) << Find(english, c.control).name;
        EXPECT_EQ(Find(chinese, c.control).text, c.chinese) << Find(english, c.control).name;
    }
}

TEST(MainWindowLayout, LabelsUnderlineOnHoverAndTheCopyrightIsBold) {
    EXPECT_FALSE(LabelFont(MC::lblVersion, false, DpiScale{}).underline);
    EXPECT_TRUE(LabelFont(MC::lblVersion, true, DpiScale{}).underline);
    EXPECT_FALSE(LabelFont(MC::lblVersion, true, DpiScale{}).bold);
    EXPECT_TRUE(LabelFont(MC::lblCopyright, false, DpiScale{}).bold);
    EXPECT_TRUE(LabelFont(MC::lblCopyright, true, DpiScale{}).underline);
}

struct LookCase {
    MC control;
    TDynamicShape shape;
    TTransparentMode mode;
    Colour outside;
    int glyph; // 0: none
};

TEST(MainWindowLayout, LooksBecomeTheControlsShapesAndSurroundings) {
    const LookCase cases[] = {
        {MC::btnActive, fsJaggedLeft, tmWhenInactive, Rgb(60, 78, 91), kGlyphActive},
        {MC::btnSave, fsJaggedNW, tmWhenInactive, Rgb(60, 78, 91), kGlyphSaveSet},
        {MC::btnSaveAs, fsJaggedSE, tmWhenInactive, Rgb(60, 78, 91), 0},
        {MC::btnExit, fsJaggedRight, tmWhenInactive, Rgb(60, 78, 91), kGlyphExit},
        {MC::btnHide, fsJaggedLeft, tmOpaque, Rgb(181, 200, 221), 0},
        {MC::btnCreate, fsRectangle, tmOpaque, Rgb(255, 255, 255), 0},
        {MC::btnDelete, fsJaggedSE, tmOpaque, Rgb(255, 255, 255), 0},
        {MC::btnAssign, fsJaggedSE, tmOpaque, Rgb(230, 232, 240), 0},
        {MC::btnKnownApps, fsJaggedSE, tmOpaque, Rgb(255, 255, 255), kGlyphKnownApps},
        {MC::lblSet, fsTab, tmOpaque, Rgb(255, 255, 255), 0},
    };
    const std::vector<PlacedMainControl> layout =
        BuildMainWindowLayout(DpiScale{}, Language::English);
    for (const LookCase& c : cases) {
        const DynamicLook look = DynamicLookOf(layout, c.control);
        const std::string_view name = Find(layout, c.control).name;
        EXPECT_EQ(look.Shape, c.shape) << name;
        EXPECT_EQ(look.TransparentMode, c.mode) << name;
        EXPECT_EQ(look.OutsideColour, c.outside) << name;
        EXPECT_EQ(look.Glyph ? look.Glyph->id : 0, c.glyph) << name;
        EXPECT_EQ(look.Caption, Find(layout, c.control).text) << name;
    }
    const DynamicLook hide = DynamicLookOf(layout, MC::btnHide);
    EXPECT_EQ(hide.Alignment, taRightJustify);
    EXPECT_EQ(hide.FadeInTime, 100);
    EXPECT_EQ(hide.FadeOutTime, 200);
    EXPECT_EQ(DynamicLookOf(layout, MC::btnAssign).Alignment, taLeftJustify);
    EXPECT_EQ(DynamicLookOf(layout, MC::btnKnownApps).StaticSectionWidth, 33);
}

// ---- UpdateButtons ----

struct ButtonsCase {
    const char* name;
    bool active;
    Language language;
    int padState;
    int selected;
    std::u16string caption;
    std::optional<std::u16string> status;
    bool recordVisible;
};

class UpdateButtons : public ::testing::TestWithParam<ButtonsCase> {};

TEST_P(UpdateButtons, FollowTheState) {
    const ButtonsCase& c = GetParam();
    const DynamicLook toolbar =
        DynamicLookOf(BuildMainWindowLayout(DpiScale{}, c.language), MC::btnActive);
    const MainButtons buttons =
        DecideButtons(c.active, c.language, c.padState, c.selected, toolbar);
    EXPECT_EQ(buttons.activeCaption, c.caption);
    EXPECT_EQ(buttons.status, c.status);
    EXPECT_EQ(buttons.recordVisible, c.recordVisible);
    EXPECT_EQ(buttons.trayActiveChecked, c.active);
    if (c.active) {
        EXPECT_EQ(buttons.activeLook.TransparentMode, tmOpaque);
        EXPECT_EQ(buttons.activeLook.Colour, Rgb(94, 121, 142));
    } else {
        EXPECT_EQ(buttons.activeLook.TransparentMode, tmAlways);
        EXPECT_EQ(buttons.activeLook.Colour, Rgb(60, 78, 91));
    }
    EXPECT_EQ(buttons.activeLook.FontColour, Rgb(255, 255, 255));
    EXPECT_EQ(buttons.activeLook.Caption, c.caption);
    ASSERT_TRUE(buttons.activeLook.Glyph.has_value());
    EXPECT_EQ(buttons.activeLook.Glyph->id, toolbar.Glyph->id);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateButtons,
    ::testing::Values(ButtonsCase{"ActiveEnglishIdle", true, Language::English, kPadStateIdle, -1,
                                  u"Active", u"Testing", false},
                      ButtonsCase{"InactiveEnglishStaysActive", false, Language::English,
                                  kPadStateIdle, 3, u"Active", u"Testing", true},
                      ButtonsCase{"ActiveChinese", true, Language::Chinese, kPadStateArmed, 0,
                                  u"启动", u"录制", true},
                      ButtonsCase{"InactiveChinese", false, Language::Chinese, kPadStateIdle, -1,
                                  u"关闭", u"测试", false},
                      ButtonsCase{"ArmedEnglish", true, Language::English, kPadStateArmed, -1,
                                  u"Active", u"Recording", false},
                      ButtonsCase{"RecordingKeepsTheStatus", true, Language::English,
                                  kPadStateRecording, 0, u"Active", std::nullopt, true},
                      ButtonsCase{"TestingKeepsTheStatus", true, Language::English,
                                  kPadStateTesting, 0, u"Active", std::nullopt, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace traxo
