// The assign dialog's list rows and drop-down entries, drawn on the recording canvas.
#include "ui/editors/AssignRowPainter.h"

#include "platform/RecordingPaintCanvas.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

constexpr Rect kRow{0, 48, 620, 72};
constexpr int kTitleColumn = 300;
const FontSpec kFont{u"Tahoma", 11};

RecordingPaintCanvas PaintRow(int index, bool selected, DpiScale scale = {}) {
    RecordingPaintCanvas canvas;
    const AssignRow row{u"Mail", u"@Keys:Ctrl + W", 3};
    PaintAssignRow(canvas, row, {index, kRow, kTitleColumn, selected}, u"Ctrl + W", kFont, scale);
    return canvas;
}

TEST(AssignRowPainter, SelectedAndFirstRowsAreDrawnApart) {
    struct Case {
        const char* name;
        int index;
        bool selected;
        Colour fill;
        bool bold;
        bool line;        // the line under the all-programs row
        bool showsAction; // the selected row's action is the drop-down's to show
    };
    const Case cases[] = {
        {"plain", 2, false, kAssignRowFill, false, false, true},
        {"selected", 2, true, kAssignSelectedRowFill, false, false, false},
        {"all programs", 0, false, kAssignRowFill, true, true, true},
        {"all programs selected", 0, true, kAssignSelectedRowFill, true, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RecordingPaintCanvas canvas = PaintRow(c.index, c.selected);
        const auto fills = canvas.CallsOf(PaintOp::Fill);
        ASSERT_EQ(fills.size(), c.line ? 2u : 1u);
        EXPECT_EQ(fills[0].rect, kRow);
        EXPECT_EQ(fills[0].brushColour, c.fill);
        if (c.line) {
            EXPECT_EQ(fills[1].rect, (Rect{0, 71, 620, 72}));
            EXPECT_EQ(fills[1].brushColour, kAssignFirstRowLine);
        }
        const auto title = canvas.TextCalls(u"Mail");
        ASSERT_EQ(title.size(), 1u);
        EXPECT_EQ(title[0].font.bold, c.bold);
        EXPECT_EQ(title[0].font.face, u"Tahoma");
        EXPECT_EQ(title[0].fontColour, kAssignRowText);
        EXPECT_EQ(canvas.TextCalls(u"Ctrl + W").size(), c.showsAction ? 1u : 0u);
        EXPECT_TRUE(canvas.TextCalls(u"@Keys:Ctrl + W").empty()) << "the action is shown as text";
    }
}

TEST(AssignRowPainter, TheIconTitleAndActionStandInTheirColumnsAndAreCutThere) {
    const RecordingPaintCanvas canvas = PaintRow(2, false);
    const auto icons = canvas.CallsOf(PaintOp::AppIcon);
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].pictureId, 3) << "the row's own icon";
    EXPECT_EQ(icons[0].rect.left, 4);
    EXPECT_EQ(icons[0].rect.top, 52);
    // A long title ends at its column's edge; the action runs to the row's end and no further.
    const auto title = canvas.TextCalls(u"Mail");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].rect, (Rect{30, 52, kTitleColumn, 72}));
    const auto action = canvas.TextCalls(u"Ctrl + W");
    ASSERT_EQ(action.size(), 1u);
    EXPECT_EQ(action[0].rect, (Rect{kTitleColumn + 7, 52, 620, 72}));

    const RecordingPaintCanvas large = PaintRow(2, false, DpiScale{192});
    EXPECT_EQ(large.TextCalls(u"Mail")[0].rect.left, 60);
    EXPECT_EQ(large.TextCalls(u"Ctrl + W")[0].rect.left, kTitleColumn + 14);
    EXPECT_EQ(large.CallsOf(PaintOp::AppIcon)[0].rect.top, 56);
}

RecordingPaintCanvas PaintEntry(std::u16string_view text, AssignEntryPlace place) {
    RecordingPaintCanvas canvas;
    PaintAssignEntry(canvas, text, place, kFont, {});
    return canvas;
}

TEST(AssignEntryPainter, TheCurrentActionAndTheEditorsAreLinks) {
    constexpr Rect kEntry{0, 18, 320, 36};
    struct Case {
        const char* name;
        std::u16string_view text;
        AssignEntryPlace place;
        Colour fill;
        std::u16string_view shown;
        Colour colour;
        bool underline;
    };
    const Case cases[] = {
        {"current action in the box",
         u"Ctrl + W",
         {0, kEntry, false, true, false},
         kAssignEntryHighlight,
         u"Ctrl + W",
         kAssignLinkText,
         false},
        {"current action in the open list",
         u"Ctrl + W",
         {0, kEntry, true, true, false},
         kAssignEntryOpenCurrent,
         u"Ctrl + W",
         kAssignLinkText,
         false},
        {"plain entry",
         u"Copy",
         {3, kEntry, true, false, false},
         kAssignEntryFill,
         u"Copy",
         kAssignRowText,
         false},
        {"plain entry under the mouse",
         u"Copy",
         {3, kEntry, true, true, false},
         kAssignEntryHighlight,
         u"Copy",
         kAssignRowText,
         false},
        {"editor in the open list",
         u"[ Keystrokes... ]",
         {5, kEntry, true, false, false},
         kAssignEntryFill,
         u"Keystrokes...",
         kAssignLinkText,
         true},
        {"editor in the closed box",
         u"[ Keystrokes... ]",
         {5, kEntry, false, false, false},
         kAssignEntryFill,
         u"[ Keystrokes... ]",
         kAssignRowText,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RecordingPaintCanvas canvas = PaintEntry(c.text, c.place);
        const auto fills = canvas.CallsOf(PaintOp::Fill);
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].brushColour, c.fill);
        const auto texts = canvas.CallsOf(PaintOp::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, c.shown);
        EXPECT_EQ(texts[0].fontColour, c.colour);
        EXPECT_EQ(texts[0].font.underline, c.underline);
        EXPECT_EQ(texts[0].rect, (Rect{4, 18, 320, 36}));
        EXPECT_TRUE(canvas.CallsOf(PaintOp::FocusRect).empty());
    }
}

TEST(AssignEntryPainter, TheEmptyBoxIsOnlyFilledAndTheFocusedEntryIsMarked) {
    const RecordingPaintCanvas empty = PaintEntry(u"", {-1, {0, 0, 320, 18}, false, false, true});
    EXPECT_EQ(empty.calls.size(), 1u);
    EXPECT_EQ(empty.calls[0].op, PaintOp::Fill);
    const RecordingPaintCanvas focused =
        PaintEntry(u"Copy", {2, {0, 0, 320, 18}, false, false, true});
    const auto focus = focused.CallsOf(PaintOp::FocusRect);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].rect, (Rect{0, 0, 320, 18}));
    EXPECT_EQ(focused.calls.back().op, PaintOp::FocusRect) << "drawn over the text";
}

} // namespace
} // namespace traxo
