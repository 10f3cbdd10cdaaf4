#include "platform/DpiRules.h"

namespace traxo {

int FontHeightAtDpi(int height, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi) {
        return height;
    }
    // Rounded half away from zero, as MulDiv rounds; never 0, which would mean "any size".
    const std::int64_t product = std::int64_t(height) * toDpi;
    const std::int64_t half = fromDpi / 2;
    const auto scaled =
        static_cast<int>(product >= 0 ? (product + half) / fromDpi : (product - half) / fromDpi);
    if (scaled == 0 && height != 0) {
        return height < 0 ? -1 : 1;
    }
    return scaled;
}

Rect WindowRectAtDpi(Rect suggested, Size frameAtNewDpi) {
    if (frameAtNewDpi.width <= 0 || frameAtNewDpi.height <= 0) {
        return suggested;
    }
    return {suggested.left, suggested.top, suggested.left + frameAtNewDpi.width,
            suggested.top + frameAtNewDpi.height};
}

} // namespace traxo
