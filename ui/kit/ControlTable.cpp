#include "ui/kit/ControlTable.h"

namespace traxo {

DynamicLook ScaledLook(DynamicLook look, DpiScale scale) {
    look.Font.height = scale(look.Font.height);
    look.SelectedFont.height = scale(look.SelectedFont.height);
    look.MarginWidth = scale(look.MarginWidth);
    look.CornerWidth = scale(look.CornerWidth);
    look.FrameWidth = scale(look.FrameWidth);
    look.StaticSectionWidth = scale(look.StaticSectionWidth);
    return look;
}

} // namespace traxo
