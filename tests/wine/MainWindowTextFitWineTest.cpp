// The main window's captions and labels measured with the system's own fonts at 125 % and
// 150 %, in both languages: every text the controls draw lies inside the control, so none is
// cut on a high-DPI display.
#include "actions/ActionLists.h"
#include "controls/DynamicPainters.h"
#include "platform/GdiPaintCanvas_win.h"
#include "platform/OffscreenBitmap_win.h"
#include "platform/RecordingPaintCanvas.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/main/MainWindowLooks.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace traxo {
namespace {

struct DrawnText {
    Point at;
    std::u16string text;
};

class MainWindowTextFit : public ::testing::TestWithParam<int> {
protected:
    MainWindowTextFit() { bitmap.Resize(16, 16); }

    Size Measure(const FontSpec& font, std::u16string_view text) {
        GdiPaintCanvas canvas(bitmap.Dc(), &cache);
        canvas.SetFont(font, 0);
        return canvas.MeasureText(text);
    }

    OffscreenBitmap bitmap;
    GdiObjectCache cache;
};

std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (const char16_t c : text) {
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

TEST_P(MainWindowTextFit, CaptionsAndLabelsLieInsideTheirControls) {
    const int dpi = GetParam();
    int checked = 0;
    for (const Language language : {Language::English, Language::Chinese}) {
        const std::vector<PlacedMainControl> layout =
            BuildMainWindowLayout(DpiScale{dpi}, language);
        for (const PlacedMainControl& control : layout) {
            const Size size{control.client.right - control.client.left,
                            control.client.bottom - control.client.top};
            const std::string name = std::string(control.name) + " (" + Narrow(control.text) +
                                     ", language " + std::to_string(LanguageNumber(language)) + ")";
            if (control.text.empty() || !control.look) {
                continue;
            }
            if (control.kind == ControlKind::Label) {
                if (control.id == MainControl::lblFile) {
                    continue; // a path, cut to the caption bar by design
                }
                const FontSpec font =
                    control.id == MainControl::lblVersion || control.id == MainControl::lblCopyright
                        ? LabelFont(control.id, false, DpiScale{dpi})
                        : control.look->Font;
                const Size text = Measure(font, control.text);
                EXPECT_LE(text.width, size.width) << name;
                EXPECT_LE(text.height, size.height + 1) << name;
                ++checked;
                continue;
            }
            if (control.kind != ControlKind::DynamicButton &&
                control.kind != ControlKind::DynamicOpaqueButton &&
                control.kind != ControlKind::DynamicLabel) {
                continue;
            }
            DynamicLook look = DynamicLookOf(layout, control.id);
            look.Caption = control.text;
            std::vector<DrawnText> drawn;
            CaptionHooks hooks;
            hooks.extent = [&](PaintCanvas&, std::u16string_view text) {
                return Measure(look.Font, text);
            };
            hooks.render = [&](PaintCanvas&, int x, int y, std::u16string_view text) {
                drawn.push_back({{x, y}, std::u16string(text)});
            };
            RecordingPaintCanvas canvas;
            DynamicPaintState state;
            state.size = size;
            if (control.kind == ControlKind::DynamicLabel) {
                PaintLabel(canvas, look, state, look.FontColour, hooks);
            } else {
                PaintOpaqueButton(canvas, look, state, hooks);
            }
            for (const PaintCall& call : canvas.CallsOf(PaintOp::Text)) {
                drawn.push_back({{call.rect.left, call.rect.top}, call.text});
            }
            ASSERT_FALSE(drawn.empty()) << name << ": no caption drawn";
            for (const DrawnText& text : drawn) {
                const Size extent = Measure(look.Font, text.text);
                EXPECT_GE(text.at.x, 0) << name;
                EXPECT_GE(text.at.y, 0) << name;
                EXPECT_LE(text.at.x + extent.width, size.width) << name << " is cut on the right";
                EXPECT_LE(text.at.y + extent.height, size.height)
                    << name << " is cut at the bottom";
            }
            ++checked;
        }
    }
    EXPECT_GE(checked, 20) << "too few texts measured";
}

INSTANTIATE_TEST_SUITE_P(Dpi, MainWindowTextFit, ::testing::Values(96, 120, 144),
                         [](const auto& info) { return "at" + std::to_string(info.param); });

} // namespace
} // namespace traxo
