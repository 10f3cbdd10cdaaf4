// The options dialog without its window: loading, the enabling rules, the lists, OK and
// Cancel, the text and layout tables, and the rows of the known-programs list.
#include "SetTestSupport.h"
#include "platform/RecordingPaintCanvas.h"
#include "ui/options/KnownAppRowPainter.h"
#include "ui/options/OptionsLayout.h"
#include "ui/options/OptionsModel.h"
#include "ui/options/OptionsTexts.h"

#include <gtest/gtest.h>
#include <set>

namespace traxo {
namespace {

using testing::EmptySet;
using testing::SampleSet;

Settings SomeSettings() {
    Settings settings;
    settings.invoke = 1;
    settings.idleTimeout = 40;
    settings.tail = Rgb(10, 20, 30);
    settings.excludedPrograms = {u"c:\\games\\shooter.exe"};
    return settings;
}

const std::vector<std::u16string> kRecent{u"c:\\apps\\mail.exe", u"c:\\traxo\\tools\\edit.exe"};

struct Opened {
    Settings settings = SomeSettings();
    std::unique_ptr<MotionSet> set = SampleSet(5, 3);
    OptionsModel model;
    explicit Opened(Settings s = SomeSettings(), bool autoStart = false) : settings(std::move(s)) {
        model.FormShow(settings, kRecent, *set, autoStart);
    }
};

TEST(OptionsDialogShow, LoadsEveryControlFromTheSettings) {
    Settings s = SomeSettings();
    s.showInfo = false;
    s.fastTrails = true;
    s.autoCheck = false;
    s.mouseExMode = true;
    s.language = Language::Chinese;
    s.recogniser = 1;
    Opened o(s, true);
    const OptionsControls& c = o.model.controls;
    EXPECT_EQ(c.mode, 1);
    EXPECT_TRUE(c.timeoutEnabled && c.timeoutTicked && c.trackIdleEnabled);
    EXPECT_EQ(c.trackIdle, 40);
    EXPECT_EQ(c.tail, Rgb(10, 20, 30));
    EXPECT_FALSE(c.showInfo);
    EXPECT_TRUE(c.fastTrails && c.mouseExMode && c.autoStart && c.preciseRecognition);
    EXPECT_EQ(c.language, Language::Chinese);
    EXPECT_EQ(c.shownLanguage, Language::Chinese);
    EXPECT_TRUE(o.model.CheckNowVisible());
    EXPECT_EQ(c.excluded, s.excludedPrograms);
    EXPECT_EQ(c.recent, kRecent);
    EXPECT_EQ(c.recentSelected, 0);
    EXPECT_EQ(c.recent2Selected, 0);
    ASSERT_EQ(o.model.knownApps.Rows().size(), 3u);
    EXPECT_EQ(o.model.knownApps.Rows()[2].title, u"Program 2");
    EXPECT_EQ(o.model.knownApps.Selected(), -1);
}

TEST(OptionsDialogShow, ATickLeftFromAnEarlierOpeningIsNotKept) {
    Opened o;
    o.model.listviewMethodsSelectItem(0); // the timeout box is disabled at the next opening
    Settings noTimeout = SomeSettings();
    noTimeout.idleTimeout = 0;
    o.model.FormShow(noTimeout, kRecent, *o.set, false);
    o.model.listviewMethodsSelectItem(2);
    EXPECT_FALSE(o.model.controls.timeoutTicked);
    o.model.btnOKClick(o.settings, *o.set, false);
    EXPECT_EQ(o.settings.idleTimeout, 0);
}

TEST(OptionsDialogRules, TriggerModesEnableTheTimeoutAndTheModifierSwitch) {
    struct Case {
        int mode;
        bool timeout;
        bool mouseEx;
    };
    const Case cases[] = {
        {0, false, false}, {1, true, true}, {2, true, false}, {3, true, true}, {4, true, false}};
    for (const Case& c : cases) {
        Opened o;
        o.model.listviewMethodsSelectItem(c.mode);
        EXPECT_EQ(o.model.controls.timeoutEnabled, c.timeout) << c.mode;
        EXPECT_EQ(o.model.controls.trackIdleEnabled, c.timeout) << c.mode << " (ticked at opening)";
        EXPECT_EQ(o.model.controls.mouseExModeEnabled, c.mouseEx) << c.mode;
    }
    Opened o;
    o.model.chkTimeoutClick(false);
    EXPECT_FALSE(o.model.controls.trackIdleEnabled);
    o.model.chkTimeoutClick(true);
    EXPECT_TRUE(o.model.controls.trackIdleEnabled);
    o.model.SetTrackIdle(500);
    EXPECT_EQ(o.model.controls.trackIdle, kIdleTimeoutMax);
    o.model.SetTrackIdle(1);
    EXPECT_EQ(o.model.controls.trackIdle, kIdleTimeoutMin);
}

TEST(OptionsDialogOk, WritesEverySettingBack) {
    Opened o;
    OptionsControls& c = o.model.controls;
    o.model.listviewMethodsSelectItem(3);
    o.model.SetTrackIdle(120);
    c.tail = Rgb(200, 0, 0);
    c.showTrails = false;
    c.fastTrails = true;
    c.showInfo = false;
    c.mouseExMode = true;
    c.autoCheck = false;
    c.preciseRecognition = true;
    o.model.comboLangSelect(1);
    const OptionsOutcome outcome = o.model.btnOKClick(o.settings, *o.set, false);
    EXPECT_EQ(o.settings.invoke, 3);
    EXPECT_EQ(o.settings.idleTimeout, 120);
    EXPECT_EQ(o.settings.tail, Rgb(200, 0, 0));
    EXPECT_FALSE(o.settings.showTrails);
    EXPECT_TRUE(o.settings.fastTrails);
    EXPECT_FALSE(o.settings.showInfo);
    EXPECT_TRUE(o.settings.mouseExMode);
    EXPECT_FALSE(o.settings.autoCheck);
    EXPECT_EQ(o.settings.recogniser, 1);
    EXPECT_EQ(o.settings.language, Language::Chinese);
    EXPECT_FALSE(outcome.toggleAutoStart);
    EXPECT_FALSE(outcome.setModified);
}

TEST(OptionsDialogOk, IdleTimeoutIsStoredOnlyWhenTheBoxIsEnabledAndTicked) {
    struct Case {
        const char* name;
        int mode;
        bool ticked;
        int expected;
    };
    const Case cases[] = {{"mode 0 whatever the track bar shows", 0, true, 0},
                          {"cleared", 2, false, 0},
                          {"ticked in mode 2", 2, true, 70},
                          {"ticked in mode 4", 4, true, 70}};
    for (const Case& c : cases) {
        Opened o;
        o.model.listviewMethodsSelectItem(c.mode);
        o.model.chkTimeoutClick(c.ticked);
        o.model.SetTrackIdle(70);
        o.model.btnOKClick(o.settings, *o.set, false);
        EXPECT_EQ(o.settings.idleTimeout, c.expected) << c.name;
    }
}

TEST(OptionsDialogOk, TheModifierSwitchIsStoredEvenWhileDisabled) {
    for (const int mode : {2, 4}) {
        Opened o;
        o.model.listviewMethodsSelectItem(mode);
        ASSERT_FALSE(o.model.controls.mouseExModeEnabled);
        o.model.controls.mouseExMode = true;
        o.model.btnOKClick(o.settings, *o.set, false);
        EXPECT_TRUE(o.settings.mouseExMode) << mode;
    }
}

TEST(OptionsDialogOk, AutostartIsToggledOnlyWhenTheBoxDiffersFromTheEntry) {
    struct Case {
        bool box;
        bool entry;
        bool toggle;
    };
    for (const Case c : {Case{true, true, false}, Case{false, true, true}, Case{true, false, true},
                         Case{false, false, false}}) {
        Opened o;
        o.model.controls.autoStart = c.box;
        EXPECT_EQ(o.model.btnOKClick(o.settings, *o.set, c.entry).toggleAutoStart, c.toggle);
    }
}

TEST(OptionsDialogOk, APreviewedLanguageKeepsTheTriggerMode) {
    Opened o;
    o.model.comboLangSelect(1);
    EXPECT_EQ(o.model.controls.shownLanguage, Language::Chinese);
    EXPECT_EQ(o.settings.language, Language::English) << "a preview only";
    o.model.btnOKClick(o.settings, *o.set, false);
    EXPECT_EQ(o.settings.invoke, 1);
    EXPECT_EQ(o.settings.language, Language::Chinese);
}

TEST(OptionsDialogCancel, LeavesSettingsAndSetAsTheyWereButTheRecentSwitchHolds) {
    Opened o;
    auto before = SampleSet(5, 3);
    const Settings settingsBefore = o.settings;
    o.model.listviewMethodsSelectItem(0);
    o.model.comboLangSelect(1);
    o.model.btnBrowseClick(u"C:\\X\\Y.EXE");
    o.model.knownApps.Select(0);
    o.model.knownApps.MarkSelected();
    o.model.chkRecentClick(false, o.settings);
    // Cancel: nothing is written back.
    Settings expected = settingsBefore;
    expected.recentList = false;
    EXPECT_EQ(o.settings, expected);
    EXPECT_TRUE(testing::SameImage(*o.set, *before));
    // The next opening shows the current language again.
    o.model.FormShow(o.settings, kRecent, *o.set, false);
    EXPECT_EQ(o.model.controls.shownLanguage, Language::English);
    EXPECT_FALSE(o.model.controls.recentList);
    EXPECT_FALSE(o.model.knownApps.Rows()[0].Marked());
}

TEST(OptionsDialogLists, ExcludedProgramsAreAddedRemovedAndWrittenBack) {
    Opened o;
    OptionsControls& c = o.model.controls;
    EXPECT_FALSE(o.model.btnRemoveClick()) << "nothing selected";
    o.model.btnBrowseClick(u"D:\\Tools\\Paint.EXE");
    c.recentSelected = 1;
    EXPECT_TRUE(o.model.btnExcludeClick());
    EXPECT_TRUE(o.model.btnExcludeClick()) << "no duplicate test";
    c.excludedSelected = 0;
    EXPECT_TRUE(o.model.btnRemoveClick());
    c.recentSelected = -1;
    EXPECT_FALSE(o.model.btnExcludeClick());
    o.model.btnOKClick(o.settings, *o.set, false);
    EXPECT_EQ(o.settings.excludedPrograms,
              (std::vector<std::u16string>{u"d:\\tools\\paint.exe", kRecent[1], kRecent[1]}));
}

TEST(OptionsDialogLists, AnEmptyRecentListSelectsNothing) {
    OptionsModel model;
    auto set = EmptySet();
    model.FormShow(Settings{}, {}, *set, false);
    EXPECT_EQ(model.SelectedRecent(false), std::nullopt);
    EXPECT_EQ(model.SelectedRecent(true), std::nullopt);
    EXPECT_FALSE(model.btnExcludeClick());
}

TEST(OptionsDialogOk, KnownProgramsOfAShorterListMarkTheSetModified) {
    Opened o;
    o.set->motions[3].rules[0].appIndex = 2; // the sample's other rule names program 0
    o.model.knownApps.ReplaceWith(std::vector<KnownAppEntry>{{u"Only", u"only.exe"}});
    const OptionsOutcome outcome = o.model.btnOKClick(o.settings, *o.set, false);
    EXPECT_TRUE(outcome.setModified);
    EXPECT_EQ(outcome.knownApps.orphanRules, 1);
    EXPECT_EQ(testing::Value(o.set->motions[3].ruleCount), 0);
    EXPECT_EQ(testing::Value(o.set->knownAppCount), 1);
    for (int m = 0; m < o.set->motionCount; ++m) {
        for (int r = 0; r < o.set->motions[m].ruleCount; ++r) {
            EXPECT_EQ(testing::Value(o.set->motions[m].rules[r].appIndex), 0);
        }
    }
}

TEST(OptionsTexts, EveryTextHasBothLanguagesInTableOrder) {
    for (const TextRow& row : TextTableOf(OptionsText{}).rows) {
        // The remove buttons' hint is cleared in Chinese (tests/native/TranslationTablesTest.cpp).
        EXPECT_EQ(row.chinese.empty(),
                  row.id == static_cast<std::size_t>(OptionsText::BtnRemoveHint))
            << row.id;
        EXPECT_NE(row.english, row.chinese) << row.id;
    }
    EXPECT_EQ(TriggerModeText(3, Language::Chinese), u"按住鼠标中键并移动鼠标");
    EXPECT_EQ(TriggerModeText(0, Language::English), u"press Ctrl+Shift and move mouse");
    EXPECT_EQ(TriggerModeText(5, Language::English), u"");
}

TEST(OptionsTexts, TheAffectedCountReplacesTheFirstMark) {
    EXPECT_EQ(GesturesAffectedText(4, Language::English), u"Number of gestures affected: 4");
    EXPECT_EQ(GesturesAffectedText(12, Language::Chinese), u"手势数量：12");
}

TEST(OptionsTexts, TheTimeoutSliderShowsItsValueInSeconds) {
    EXPECT_EQ(IdleTimeoutText(150, Language::English), u"1.5 s");
    EXPECT_EQ(IdleTimeoutText(kIdleTimeoutMin, Language::English), u"0.1 s");
    EXPECT_EQ(IdleTimeoutText(kIdleTimeoutMax, Language::English), u"2.0 s");
    EXPECT_EQ(IdleTimeoutText(35, Language::Chinese), u"0.4 秒");
    // The label stands beside the slider, on its page.
    const OptionsRow& label =
        OptionsLayoutTable()[static_cast<std::size_t>(OptionsControl::lblIdleValue)];
    const OptionsRow& slider =
        OptionsLayoutTable()[static_cast<std::size_t>(OptionsControl::trackIdle)];
    EXPECT_EQ(label.page, slider.page);
    EXPECT_GE(label.place.left, slider.place.right);
}

TEST(OptionsLayout, ControlsAreInOrderUniqueAndInsideTheDialog) {
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < OptionsLayoutTable().size(); ++i) {
        const OptionsRow& spec = OptionsLayoutTable()[i];
        EXPECT_EQ(static_cast<std::size_t>(spec.id), i);
        EXPECT_TRUE(names.insert(spec.name).second) << "twice: " << i;
        EXPECT_GE(spec.place.left, 0) << i;
        EXPECT_LE(spec.place.right, kOptionsClientWidth) << i;
        if (spec.kind != ControlKind::DropDown) { // a drop-down's height includes its list
            EXPECT_LE(spec.place.bottom, kOptionsClientHeight) << i;
        }
        EXPECT_EQ(ControlOfId(ControlIdOf(spec.id)), spec.id);
    }
    EXPECT_EQ(ControlOfId(kFirstOptionsControlId - 1), std::nullopt);
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(OptionsLayout, NoTwoControlsShownTogetherOverlap) {
    using enum OptionsControl;
    // A frame surrounds its list; the "..." button lies over the list by design.
    const std::set<OptionsControl> overlays{Shape1, Shape2, btnReloadApp, PageControl1};
    for (const OptionsView view : {OptionsView::Options, OptionsView::KnownPrograms}) {
        for (const OptionsPage page : PagesOf(view)) {
            for (const OptionsRow& a : OptionsLayoutTable()) {
                for (const OptionsRow& b : OptionsLayoutTable()) {
                    if (&a < &b && !overlays.contains(a.id) && !overlays.contains(b.id) &&
                        ShownOnPage(a, view, page) && ShownOnPage(b, view, page) &&
                        a.kind != ControlKind::DropDown && b.kind != ControlKind::DropDown) {
                        EXPECT_FALSE(Overlap(a.place, b.place)) << a.name << " / " << b.name;
                    }
                }
            }
        }
    }
    EXPECT_EQ(PagesOf(OptionsView::KnownPrograms).size(), 1u);
    EXPECT_FALSE(
        ShownOnPage(SpecOf(chkAutoStart), OptionsView::KnownPrograms, OptionsPage::KnownApps));
    EXPECT_TRUE(ShownOnPage(SpecOf(chkAutoStart), OptionsView::Options, OptionsPage::Exclusion));
}

struct RowPaint {
    RecordingPaintCanvas canvas;
    std::optional<Point> button;
    RowPaint(const KnownAppRow& row, bool focused, int scrollBar, DpiScale scale = {}) {
        const KnownAppRowPlace place{2, {0, 40, 440, 58}, 160, focused};
        const KnownAppListFrame frame{{20, 80, 464, 232}, scrollBar, {16, 16}};
        button = PaintKnownAppRow(canvas, row, place, frame, u"(gone)", FontSpec{}, scale);
    }
};

TEST(KnownAppRows, MarkedFocusedAndPlainRowsAreDrawnApart) {
    const KnownAppRow plain{u"Mail", u"mail.exe"};
    const KnownAppRow marked{u"Mail", std::u16string(kDeletedPath)};
    struct Case {
        const char* name;
        const KnownAppRow& row;
        bool focused;
        Colour fill;
        bool showsTitle;
    };
    const Case cases[] = {{"plain", plain, false, kRowFill, true},
                          {"focused", plain, true, kFocusedRowFill, true},
                          {"marked", marked, false, kMarkedRowFill, false},
                          {"marked and focused", marked, true, kMarkedRowFill, false}};
    for (const Case& c : cases) {
        RowPaint paint(c.row, c.focused, 0);
        const auto fills = paint.canvas.CallsOf(PaintOp::Fill);
        ASSERT_EQ(fills.size(), 1u) << c.name;
        EXPECT_EQ(fills[0].brushColour, c.fill) << c.name;
        EXPECT_EQ(fills[0].rect, (Rect{0, 40, 440, 58})) << c.name;
        EXPECT_EQ(paint.canvas.TextCalls(u"Mail").size(), c.showsTitle ? 1u : 0u) << c.name;
        const auto gone = paint.canvas.TextCalls(u"(gone)");
        EXPECT_EQ(gone.size(), c.showsTitle ? 0u : 1u) << c.name;
        if (!gone.empty()) {
            EXPECT_EQ(gone[0].fontColour, kMarkedRowText);
            EXPECT_EQ(gone[0].rect.left, 24);
            EXPECT_EQ(gone[0].rect.top, 42);
        }
        const auto icons = paint.canvas.CallsOf(PaintOp::AppIcon);
        ASSERT_EQ(icons.size(), 1u) << c.name;
        EXPECT_EQ(icons[0].pictureId, 3) << "row 2 shows icon 3";
        EXPECT_EQ(paint.button.has_value(), c.focused && c.showsTitle) << c.name;
    }
}

TEST(KnownAppRows, ThePathStandsInTheSecondColumnAndTheButtonAtTheListsRightEnd) {
    const KnownAppRow row{u"Mail", u"mail.exe"};
    RowPaint fits(row, true, 0);
    const auto path = fits.canvas.TextCalls(u"mail.exe");
    ASSERT_EQ(path.size(), 1u);
    EXPECT_EQ(path[0].rect.left, 164);
    EXPECT_EQ(path[0].rect.top, 42);
    EXPECT_EQ(fits.button, (Point{464 - 16, 80 + 40 + 1}));
    RowPaint scrolled(row, true, 17);
    EXPECT_EQ(scrolled.button, (Point{464 - 16 - 17, 121}));
    RowPaint large(row, false, 0, DpiScale{192});
    EXPECT_EQ(large.canvas.TextCalls(u"Mail")[0].rect.left, 48);
}

} // namespace
} // namespace traxo
