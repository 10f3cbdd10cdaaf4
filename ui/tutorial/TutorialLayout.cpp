#include "ui/tutorial/TutorialLayout.h"

#include "ui/tutorial/TutorialScript.h"

#include <span>

namespace traxo {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);

// The four buttons share one look; only the shape differs.
DynamicLook TutorialButtonLook(TDynamicShape shape) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.Colour = Rgb(65, 133, 207);
    look.SelectedColour = Rgb(81, 106, 123);
    look.MouseDownColour = Rgb(31, 41, 48);
    look.BorderColour = Rgb(43, 103, 170);
    look.SelectedBorderColour = Rgb(213, 217, 227);
    look.OutsideColour = kWhite;
    look.FontColour = kWhite;
    look.SelectedFontColour = kWhite;
    look.SelectedFont = look.Font;
    look.CornerWidth = 2;
    look.FadeInTime = 50;
    look.FadeOutTime = 300;
    look.Alignment = taCenter;
    look.Shape = shape;
    return look;
}

using TC = TutorialControl;
using CK = ControlKind;

std::vector<TutorialRow> MakeTable() {
    const Rect whole{0, 0, kTutorialSize.width, kTutorialSize.height};
    return {
        {TC::Frame,
         "frame",
         CK::DynamicFrame,
         {},
         kEveryPage,
         whole,
         {},
         TutorialFrameLook(fsRectangle)},
        {TC::Memo, "dMemo", CK::Static, {}, kEveryPage, kTutorialMemo},
        {TC::Back,
         "btnBack",
         CK::DynamicOpaqueButton,
         {},
         kEveryPage,
         kTutorialBack,
         TutorialText::Back,
         TutorialButtonLook(fsJaggedLeft)},
        {TC::Cancel,
         "btnCancel",
         CK::DynamicOpaqueButton,
         {},
         kEveryPage,
         kTutorialCancel,
         TutorialText::Cancel,
         TutorialButtonLook(fsRectangle)},
        {TC::Next,
         "btnNext",
         CK::DynamicOpaqueButton,
         {},
         kEveryPage,
         kTutorialNext,
         TutorialText::Next,
         TutorialButtonLook(fsJaggedRight)},
        {TC::Finish,
         "btnFinish",
         CK::DynamicOpaqueButton,
         {},
         kEveryPage,
         kTutorialNext,
         TutorialText::Finish,
         TutorialButtonLook(fsJaggedRight)},
    };
}

} // namespace

DynamicLook TutorialFrameLook(TDynamicShape shape) {
    DynamicLook look = DefaultFrameLook();
    look.Colour = kWhite;
    look.SelectedColour = kWhite;
    look.MouseDownColour = kWhite;
    look.BorderColour = Rgb(128, 128, 128);
    look.SelectedBorderColour = look.BorderColour;
    look.OutsideColour = kWhite;
    look.FrameWidth = 5;
    look.CornerWidth = 20;
    look.Shape = shape;
    return look;
}

const std::vector<TutorialRow>& TutorialLayoutTable() {
    static const std::vector<TutorialRow> table = MakeTable();
    return table;
}

std::vector<PlacedControl<TutorialControl>> PlaceTutorialControls(DpiScale scale,
                                                                  Language language) {
    return PlaceControls(std::span<const TutorialRow>(TutorialLayoutTable()), scale, language);
}

} // namespace traxo
