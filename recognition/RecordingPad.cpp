#include "recognition/RecordingPad.h"

#include "platform/AsciiText.h"
#include "recognition/MotionGeometry.h"
#include "sets/SetDocument.h"

#include <algorithm>
#include <array>
#include <string>

namespace traxo {
namespace {

constexpr Colour kPadBackground = Rgb(255, 255, 255);
constexpr Colour kPadPen = Rgb(128, 128, 128);
constexpr Colour kStartDot = Rgb(255, 0, 0);
constexpr Colour kBoxPen = Rgb(192, 192, 192);
constexpr Colour kMessageColour = Rgb(70, 81, 121);
constexpr int kDotRadius = 5;
// Points closer than this to the last one are not recorded.
constexpr double kMinPointSpacing = 5;
constexpr int kReminderOffset = 90;
constexpr int kThumbSize = 40;
constexpr int kBoxPadding = 5;
constexpr int kShownGestureMarginPercent = 8;

// The font of the hidden label otLabel, which the pad's messages take.
const FontSpec kMessageFont{u"Tahoma", 13, false, false, 0};

// Here "#" is the number sign the user reads: the motion's number follows it ("Matches #5"), or
// takes the place of the "X" after it.
constexpr TextRow kPadTexts[]{
    {PadText::Armed, u"Left-click and drag here to draw.", u"点击并拖动鼠标，录制手势"},
    {PadText::Matches, u"Matches #", u"匹配手势#"},
    {PadText::Unrecognised, u"Unrecognised", u"无法识别"},
    {PadText::SimilarWarning, u"Warning: this is similar to gesture #X", u"警告：这个与手势#X相似"},
    {PadText::Reminder, u"Click \"Create gesture\" to record a new gesture.",
     u"点击 \"创建\" 来记录一个新的手势"},
    {PadText::SetFull, u"You can have a maximum of 100 gestures in a set",
     u"You can have a maximum of 100 gestures in a set"},
};

const MotionPath kEmptyPath{};

} // namespace

const TextTable& TextTableOf(PadText) {
    static constexpr TextTable table{"pad", kPadTexts, static_cast<std::size_t>(PadText::Count)};
    return table;
}

std::u16string_view PadMessage(PadText text, Language language) {
    return Text(text, language);
}

std::u16string SimilarityWarning(int motionIndex, Language language) {
    std::u16string text(PadMessage(PadText::SimilarWarning, language));
    const std::size_t at = text.find(u'X');
    if (at != std::u16string::npos) {
        text.replace(at, 1, DecimalText(motionIndex + 1));
    }
    return text;
}

RecordingPad::RecordingPad(SetDocument& document, PadOwner& owner)
    : document_(document), owner_(owner) {}

void RecordingPad::SetIdle() {
    state_ = padIdle;
}

MotionPath* RecordingPad::SelectedPath() {
    const int index = document_.selectedIndex();
    MotionSet& set = document_.motionSet();
    if (index < 0 || index >= set.motionCount || index >= kMotionSlots) {
        return nullptr;
    }
    return &set.motions[index].path;
}

void RecordingPad::ClearPad() {
    shownPath_.reset();
    shownMessages_.clear();
    PaintCanvas& canvas = owner_.PadCanvas();
    const Size size = owner_.PadSize();
    canvas.FillRect({0, 0, size.width, size.height}, kPadBackground);
    canvas.SetPen(kPadPen, 1);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(kPadBackground);
}

void RecordingPad::TranslateMe() {
    if (shownMessages_.empty()) {
        return; // nothing in words: a drawing in progress stays as it is
    }
    const std::unique_ptr<MotionPath> path = std::move(shownPath_);
    const std::vector<ShownMessage> messages = std::move(shownMessages_);
    ClearPad();
    if (path) {
        DrawOverPad(*path);
    }
    for (const ShownMessage& message : messages) {
        ShowMessage(message.text, message.motionIndex, message.thumbnail, message.offset);
    }
    owner_.PadChanged();
}

namespace {

std::u16string MessageWords(PadText text, int motionIndex, Language language) {
    if (text == PadText::SimilarWarning) {
        return SimilarityWarning(motionIndex, language);
    }
    std::u16string words(PadMessage(text, language));
    if (text == PadText::Matches) {
        words += DecimalText(motionIndex + 1);
    }
    return words;
}

} // namespace

void RecordingPad::ShowMessage(PadText text, int motionIndex, const MotionPath& thumbnail,
                               int offset) {
    MessageInGestureArea(thumbnail, MessageWords(text, motionIndex, owner_.CurrentLanguage()),
                         offset);
    shownMessages_.push_back({text, motionIndex, thumbnail, offset});
}

std::vector<std::u16string> RecordingPad::ShownMessageTexts() const {
    std::vector<std::u16string> texts;
    for (const ShownMessage& message : shownMessages_) {
        texts.push_back(MessageWords(message.text, message.motionIndex, owner_.CurrentLanguage()));
    }
    return texts;
}

void RecordingPad::DrawOverPad(const MotionPath& path) {
    shownPath_ = std::make_unique<MotionPath>(path);
    // The margin keeps a stroke along an edge off the pad's border, where it could not be seen.
    const Size size = owner_.PadSize();
    const int marginX = size.width * kShownGestureMarginPercent / 100;
    const int marginY = size.height * kShownGestureMarginPercent / 100;
    DrawInRect(path, owner_.PadCanvas(),
               {marginX, marginY, size.width - marginX, size.height - marginY});
}

void RecordingPad::btnCreateClick() {
    MotionSet& set = document_.motionSet();
    const int n = set.motionCount;
    if (n >= kMaxMotions) {
        owner_.ShowSetFullMessage(PadMessage(PadText::SetFull, owner_.CurrentLanguage()));
        return;
    }
    Motion& motion = set.motions[n];
    motion.path.count = 0;
    motion.path.drawIndex = 0;
    motion.defaultAction.Clear();
    motion.ruleCount = 0;
    set.motionCount = n + 1;
    document_.SelectMotion(n);
    owner_.SelectAndFocusMotion(n);
    document_.MarkModified();
    btnRecordClick();
    owner_.TutorialEvent(u"btnCreate/click");
}

void RecordingPad::btnRecordClick() {
    state_ = padArmed;
    if (MotionPath* path = SelectedPath()) {
        path->drawIndex = 0;
    }
    ClearPad();
    ShowMessage(PadText::Armed, -1, kEmptyPath, 0);
    owner_.PadChanged();
    owner_.UpdateButtons();
    owner_.SetRecordButtonVisible(false);
}

void RecordingPad::Image1MouseDown(PadButton button, Point at) {
    if (button != PadButton::Left) {
        return;
    }
    PaintCanvas& canvas = owner_.PadCanvas();
    ClearPad();
    canvas.SetPen(kStartDot, 1);
    canvas.SetBrushColour(kStartDot);
    canvas.Ellipse(Around(at, owner_.PadScale()(kDotRadius)));
    canvas.SetBrushColour(kPadBackground);
    canvas.SetPen(kPadPen, 1);

    if (state_ == padArmed) {
        // the motion it was armed for may have gone
        state_ = SelectedPath() != nullptr ? padRecording : padIdle;
    } else if (state_ == padIdle) {
        state_ = padTesting;
    }
    if (state_ == padRecording || state_ == padTesting) {
        SetPointAt(capturedPath_, 0, at);
        capturedPath_.count = 1;
        capturedPath_.drawIndex = 1;
    }
    owner_.PadChanged();
}

void RecordingPad::AddPoint(MotionPath& path, Point at) {
    const int count = PointsInUse(path);
    if (count == 0 || count >= kMaxPathPoints) {
        return; // a full path keeps what it has: nothing is written past the record
    }
    const DpiScale scale = owner_.PadScale();
    if (distancebetween(at, PointAt(path, count - 1)) <= kMinPointSpacing * scale.dpi / 96.0) {
        return;
    }
    SetPointAt(path, count, at);
    path.count = count + 1;
    path.drawIndex = count + 1;
    PaintCanvas& canvas = owner_.PadCanvas();
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(kPadBackground);
    canvas.SetPen(kPadPen, 1);
    canvas.Ellipse(Around(at, scale(kDotRadius)));
    owner_.PadChanged();
}

void RecordingPad::Image1MouseMove(Point at) {
    if (owner_.CapturingOnScreen()) {
        return;
    }
    if (state_ == padRecording || state_ == padTesting) {
        AddPoint(capturedPath_, at);
    }
}

void RecordingPad::Image1MouseUp(PadButton, Point) {
    owner_.TutorialEvent(u"image1/mouseup");
    owner_.ProcessPendingMessages();
    if (state_ == padRecording) {
        EndRecording();
    } else if (state_ == padTesting) {
        EndTest();
    }
}

void RecordingPad::EndRecording() {
    document_.MarkModified();
    state_ = padIdle;
    owner_.RepaintMotionList();

    const int index = document_.selectedIndex();
    MotionPath* path = SelectedPath();
    if (path == nullptr) {
        return;
    }
    // Only the path is replaced: the motion keeps its actions and rules.
    *path = ResizeGesture(capturedPath_);

    owner_.MotionListClick();
    owner_.UpdateButtons();

    // The motion leaves the contest while it is compared with the others, so that it is never
    // found similar to itself.
    capturedPath_ = *path;
    const std::int32_t keptCount = path->count;
    path->count = 0;
    const int similar = owner_.RecogniseWithoutAction(capturedPath_);
    document_.motionSet().motions[index].path.count = keptCount;
    if (similar >= 0 && similar < kMotionSlots) {
        ShowMessage(PadText::SimilarWarning, similar, document_.motionSet().motions[similar].path,
                    0);
        owner_.PadChanged();
    }
}

void RecordingPad::Image1CaptureLost() {
    if (state_ == padRecording || state_ == padTesting) {
        ShowMotion(document_.selectedIndex());
    }
}

void RecordingPad::EndTest() {
    owner_.SetReminderTimer(true);
    capturedPath_ = ResizeGesture(capturedPath_);
    const int k = owner_.RecogniseWithoutAction(capturedPath_);
    state_ = padIdle;

    ClearPad();
    DrawOverPad(capturedPath_);
    if (k >= 0 && k < kMotionSlots) {
        ShowMessage(PadText::Matches, k, document_.motionSet().motions[k].path, 0);
    } else {
        ShowMessage(PadText::Unrecognised, -1, capturedPath_, 0);
    }
    owner_.PadChanged();
}

void RecordingPad::ReminderTimerTimer() {
    if (state_ != padIdle) {
        return; // tried again at the next tick
    }
    ShowMessage(PadText::Reminder, -1, kEmptyPath, owner_.PadScale()(kReminderOffset));
    owner_.PadChanged();
    owner_.SetReminderTimer(false);
}

void RecordingPad::MessageInGestureArea(const MotionPath& path, std::u16string_view text,
                                        int offset) {
    PaintCanvas& canvas = owner_.PadCanvas();
    const Size pad = owner_.PadSize();
    const bool withPath = PointsInUse(path) > 0;

    const DpiScale scale = owner_.PadScale();
    FontSpec font = kMessageFont;
    font.height = scale(font.height);
    canvas.SetFont(font, kMessageColour);
    const int cx = pad.width / 2;
    const int cy = (pad.height / 5) * 3 + offset / 2;
    const Size measured = canvas.MeasureText(text);
    const int width = measured.width + scale(withPath ? 55 : 10);
    const int height =
        std::max(scale(withPath ? 50 : 30), measured.height + scale(2 * kBoxPadding));
    const int left = cx - width / 2;
    const int top = cy - height / 2;
    const int padding = scale(kBoxPadding);

    canvas.SetPen(kBoxPen, 1);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(kPadBackground);
    canvas.Rectangle({left, top, cx + width / 2, cy + height / 2});
    canvas.DrawText({cx + width / 2 - measured.width - padding, cy - measured.height / 2}, text);

    if (withPath) {
        canvas.SetPen(kMessageColour, 1);
        const Point corner{left + padding, top + padding};
        const int thumb = scale(kThumbSize);
        DrawInRect(path, canvas, {corner.x, corner.y, corner.x + thumb, corner.y + thumb});
    }
    canvas.SetPen(kPadPen, 1);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(kPadBackground);
}

void RecordingPad::ShowMotion(int index) {
    state_ = padIdle;
    ClearPad();
    const MotionSet& set = document_.motionSet();
    if (index >= 0 && index < set.motionCount && index < kMotionSlots) {
        DrawOverPad(set.motions[index].path);
    }
    owner_.PadChanged();
}

void RecordingPad::ShowScreenGesture(const MotionPath& normalised) {
    ClearPad();
    DrawOverPad(normalised);
    owner_.PadChanged();
}

} // namespace traxo
