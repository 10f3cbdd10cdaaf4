#pragma once
// The drawing of the four animated controls over PaintCanvas, in control pixels (0, 0 at the
// control's top-left corner). All text goes through the canvas's wide-character routines.

#include "controls/DynamicLook.h"

#include <functional>
#include <string>
#include <string_view>

namespace traxo {

// The owner's hooks for measuring and drawing the caption; either may be empty.
struct CaptionHooks {
    std::function<Size(PaintCanvas&, std::u16string_view)> extent;
    std::function<void(PaintCanvas&, int x, int y, std::u16string_view)> render;
};

// What the control shows at the moment of painting.
struct DynamicPaintState {
    Size size = kDynamicDefaultSize;
    Colour current = 0; // the fill colour the fade has reached
    bool hover = false;
    bool enabled = true;
    bool visible = true;
    bool focusCue = false;     // focused, and the window shows focus cues
    bool accessKeyCue = false; // the window shows its access keys
    bool keyTip = false;       // Alt is held: a caption without its key's letter shows the key
};

// Where a caption's access key is: the index of its first letter that matches the key in either
// case, npos when it has none (a Chinese caption), which then shows the key as a tip while Alt is
// held.
std::size_t AccessKeyIndex(std::u16string_view caption, char16_t key);

void PaintOpaqueButton(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                       const CaptionHooks& hooks);
// The windowless button: draws nothing of the background; the brush is clear (outline, glyph
// and caption only) unless ButtonFillsSolid.
void PaintButton(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                 const CaptionHooks& hooks);
bool ButtonFillsSolid(TTransparentMode mode, bool hover);

// `fontColour` is the label's own (it can fade); a disabled label writes in light grey.
void PaintLabel(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                Colour fontColour, const CaptionHooks& hooks);
// The frame paints on its parent: `origin` is its top-left corner there.
void PaintFrame(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                Point origin = {});

// The width of the tab a label of shape fsTab draws for its caption and glyph.
int TabWidth(const DynamicLook& look, int captionWidth);

} // namespace traxo
