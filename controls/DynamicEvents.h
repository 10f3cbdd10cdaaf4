#pragma once
// The events every animated control offers its owner; any of them may be left empty.

#include "platform/PaintCanvas.h"

#include <functional>
#include <string_view>

namespace traxo {

struct DynamicControlEvents {
    std::function<void()> OnClick, OnDblClick, OnMouseEnter, OnMouseExit, OnFading;
    std::function<void(int button, Point)> OnMouseDown, OnMouseUp; // 0 left 1 right 2 middle
    std::function<void(Point)> OnMouseMove;
    // The owner measures / draws the caption (used when set; drawing only with
    // CustomTextRenderer on).
    std::function<Size(PaintCanvas&, std::u16string_view)> OnCustomTextExtent;
    std::function<void(PaintCanvas&, int x, int y, std::u16string_view)> OnCustomTextRender;
};

} // namespace traxo
