#include "controls/DynamicPainters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace traxo {
namespace {

Size MeasureCaption(PaintCanvas& canvas, std::u16string_view caption, const CaptionHooks& hooks) {
    return hooks.extent ? hooks.extent(canvas, caption) : canvas.MeasureText(caption);
}

void DrawCaption(PaintCanvas& canvas, const DynamicLook& look, Point at,
                 std::u16string_view caption, const CaptionHooks& hooks) {
    if (caption.empty()) {
        return;
    }
    canvas.SetBrushStyle(BrushStyle::Clear);
    if (look.CustomTextRenderer && hooks.render) {
        hooks.render(canvas, at.x, at.y, caption);
    } else {
        canvas.DrawText(at, caption);
    }
}

// A one-pixel line under the access key's letter, just above the text cell's bottom.
void UnderlineAccessKey(PaintCanvas& canvas, std::u16string_view caption, std::size_t index,
                        Point at, int textHeight, Colour colour, const CaptionHooks& hooks) {
    const int left = at.x + MeasureCaption(canvas, caption.substr(0, index), hooks).width;
    const int width = MeasureCaption(canvas, caption.substr(index, 1), hooks).width;
    const int y = at.y + textHeight - std::max(1, textHeight / 8);
    canvas.SetPen(colour, 1);
    canvas.MoveTo({left, y});
    canvas.LineTo({left + width, y});
}

// The key in the caption's colour at the control's bottom-right corner, its letter in the fill.
void DrawKeyTip(PaintCanvas& canvas, const FontSpec& font, char16_t key, Colour colour, Colour fill,
                Size control, const CaptionHooks& hooks) {
    const std::u16string letter(1, key);
    canvas.SetFont(font, fill);
    const Size text = MeasureCaption(canvas, letter, hooks);
    const Rect tip{control.width - text.width - 6, control.height - text.height - 3,
                   control.width - 2, control.height - 1};
    canvas.FillRect(tip, colour);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.DrawText({tip.left + 2, tip.top + 1}, letter);
}

// The caption's access key as the window's cues show it, and the focus cue.
void PaintKeyboardCues(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                       Point caption, Size text, Colour fontColour, const CaptionHooks& hooks) {
    const std::size_t index = AccessKeyIndex(look.Caption, look.AccessKey);
    if (state.accessKeyCue && index != std::u16string::npos) {
        UnderlineAccessKey(canvas, look.Caption, index, caption, text.height, fontColour, hooks);
    } else if (state.keyTip && look.AccessKey != 0 && index == std::u16string::npos) {
        DrawKeyTip(canvas, state.hover ? look.SelectedFont : look.Font, look.AccessKey, fontColour,
                   state.current, state.size, hooks);
    }
    if (state.focusCue) {
        const int inset = std::max(2, std::min(state.size.width, state.size.height) / 8);
        canvas.DrawFocusRect({inset, inset, state.size.width - inset, state.size.height - inset});
    }
}

std::optional<Size> GlyphSize(const DynamicLook& look) {
    if (!look.Glyph) {
        return std::nullopt;
    }
    return look.Glyph->size;
}

Colour DisabledCaption(const DynamicLook& look, Colour standard) {
    return look.DisabledFontColour == kColourNone ? standard : look.DisabledFontColour;
}

Colour PenOf(Colour border, Colour fill) {
    return border == kColourNone ? fill : border;
}

// The shape, the static section, glyph and caption of both buttons.
void PaintButtonBody(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                     const CaptionHooks& hooks, bool solid, CentreRule centre) {
    const int w = state.size.width;
    const int h = state.size.height;
    const BrushStyle brush = solid ? BrushStyle::Solid : BrushStyle::Clear;
    canvas.SetBrushStyle(brush);
    canvas.SetBrushColour(state.current);
    canvas.SetPen(PenOf(state.hover ? look.SelectedBorderColour : look.BorderColour, state.current),
                  1);
    DrawShape(canvas, look.Shape, w, h, look.CornerWidth, 1);
    if (look.StaticSectionWidth > 0) {
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetBrushColour(look.StaticSectionColour);
        DrawShape(canvas, look.Shape, look.StaticSectionWidth, h, look.CornerWidth, 1);
        canvas.SetBrushStyle(brush);
        canvas.SetBrushColour(state.current);
    }

    const FontSpec& font = state.hover ? look.SelectedFont : look.Font;
    const Colour fontColour = !state.enabled ? DisabledCaption(look, kButtonDisabledFontColour)
                              : state.hover  ? look.SelectedFontColour
                                             : look.FontColour;
    canvas.SetFont(font, fontColour);
    const Size text = MeasureCaption(canvas, look.Caption, hooks);
    const CaptionPlacement place = PlaceCaption(w, h, look.MarginWidth, look.Alignment, text,
                                                GlyphSize(look), look.Layout, centre);
    if (look.Glyph) {
        canvas.DrawPicture(*look.Glyph, place.glyph, !state.enabled);
    }
    DrawCaption(canvas, look, place.caption, look.Caption, hooks);
    PaintKeyboardCues(canvas, look, state, place.caption, text, fontColour, hooks);
}

// A caption turned by `angle` degrees, placed by the box around the turned text.
void DrawTurnedCaption(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                       int angle, Colour fontColour, const CaptionHooks& hooks) {
    FontSpec font = look.Font;
    font.angle = angle;
    canvas.SetFont(font, fontColour);
    const Size text = MeasureCaption(canvas, look.Caption, hooks);
    const double radians = angle * std::numbers::pi / 180.0;
    const double cosA = std::cos(radians);
    const double sinA = std::sin(radians);
    // The corners of the text cell around its top-left corner: along the baseline
    // (cos, -sin) and down the cell (sin, cos), y growing downwards.
    const double xs[] = {0, text.width * cosA, text.height * sinA,
                         text.width * cosA + text.height * sinA};
    const double ys[] = {0, -text.width * sinA, text.height * cosA,
                         -text.width * sinA + text.height * cosA};
    const double minX = *std::min_element(std::begin(xs), std::end(xs));
    const double maxX = *std::max_element(std::begin(xs), std::end(xs));
    const double minY = *std::min_element(std::begin(ys), std::end(ys));
    const double maxY = *std::max_element(std::begin(ys), std::end(ys));
    const Size box{int(std::lround(maxX - minX)), int(std::lround(maxY - minY))};
    const CaptionPlacement place =
        PlaceCaption(state.size.width, state.size.height, look.MarginWidth, look.Alignment, box,
                     std::nullopt, look.Layout, CentreRule::WholeWidth);
    const Point origin{place.caption.x - int(std::lround(minX)),
                       place.caption.y - int(std::lround(minY))};
    DrawCaption(canvas, look, origin, look.Caption, hooks);
}

} // namespace

std::size_t AccessKeyIndex(std::u16string_view caption, char16_t key) {
    const auto lower = [](char16_t c) -> char16_t { return c >= u'A' && c <= u'Z' ? c + 32 : c; };
    if (key == 0) {
        return std::u16string::npos;
    }
    const auto found = std::ranges::find(caption, lower(key), lower);
    return found != caption.end() ? std::size_t(found - caption.begin()) : std::u16string::npos;
}

bool ButtonFillsSolid(TTransparentMode mode, bool hover) {
    return mode == tmOpaque || (mode == tmWhenInactive && hover);
}

void PaintOpaqueButton(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                       const CaptionHooks& hooks) {
    if (!state.visible) {
        return;
    }
    canvas.FillRect({0, 0, state.size.width, state.size.height}, look.OutsideColour);
    PaintButtonBody(canvas, look, state, hooks, true, CentreRule::WholeWidth);
}

void PaintButton(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                 const CaptionHooks& hooks) {
    if (!state.visible) {
        return;
    }
    PaintButtonBody(canvas, look, state, hooks, ButtonFillsSolid(look.TransparentMode, state.hover),
                    CentreRule::Halves);
}

int TabWidth(const DynamicLook& look, int captionWidth) {
    const int glyphWidth = look.Glyph ? look.Glyph->size.width : 0;
    return 2 * look.MarginWidth + captionWidth + glyphWidth + 5;
}

void PaintLabel(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                Colour fontColour, const CaptionHooks& hooks) {
    if (!state.visible) {
        return;
    }
    const int w = state.size.width;
    const int h = state.size.height;
    canvas.FillRect({0, 0, w, h}, look.OutsideColour);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(state.current);
    canvas.SetPen(PenOf(look.BorderColour, state.current), 1);

    const Colour textColour =
        state.enabled ? fontColour : DisabledCaption(look, kLabelDisabledFontColour);
    canvas.SetFont(look.Font, textColour);
    const Size text = MeasureCaption(canvas, look.Caption, hooks);
    if (look.Shape == fsTab) {
        canvas.Polygon(
            ShapeOutline(fsJaggedNW, TabWidth(look, text.width), h, look.CornerWidth, 1));
        canvas.MoveTo({0, h - 1});
        canvas.LineTo({w, h - 1});
    } else {
        DrawShape(canvas, look.Shape, w, h, look.CornerWidth, 1);
    }
    if (look.InitiallyHidden) {
        return;
    }

    const int angle = ((look.Angle % 360) + 360) % 360;
    if (angle != 0 && !look.Glyph) {
        DrawTurnedCaption(canvas, look, state, angle, textColour, hooks);
        return;
    }
    const CaptionPlacement place =
        PlaceCaption(w, h, look.MarginWidth, look.Alignment, text, GlyphSize(look), look.Layout,
                     CentreRule::WholeWidth);
    if (look.Glyph) {
        canvas.DrawPicture(*look.Glyph, place.glyph, !state.enabled);
    }
    DrawCaption(canvas, look, place.caption, look.Caption, hooks);
}

void PaintFrame(PaintCanvas& canvas, const DynamicLook& look, const DynamicPaintState& state,
                Point origin) {
    if (!state.visible) {
        return;
    }
    const bool fill = look.Colour != kColourNone;
    const bool pen = look.BorderColour != kColourNone;
    if (!fill && !pen) {
        return;
    }
    canvas.SetBrushStyle(fill ? BrushStyle::Solid : BrushStyle::Clear);
    canvas.SetBrushColour(state.current);
    canvas.SetPen(look.BorderColour, look.FrameWidth);
    DrawShape(canvas, look.Shape, state.size.width, state.size.height, look.CornerWidth,
              look.FrameWidth, origin);
}

} // namespace traxo
