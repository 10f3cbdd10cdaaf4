#pragma once
// A memory DC over a 32-bit bitmap of a given size, where a window paints a whole frame before
// copying it to the screen in one block. Recreated only when the size changes.

#include "platform/CoreTypes.h"
#include "platform/ScopedWin_win.h"

#include <windows.h>

#include <cstdint>
#include <optional>

namespace traxo {

class OffscreenBitmap {
public:
    OffscreenBitmap() = default;
    ~OffscreenBitmap();
    OffscreenBitmap(const OffscreenBitmap&) = delete;
    OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

    // Makes the bitmap `width` by `height` (at least 1 by 1); keeps it when the size is the
    // same. False when the system refuses.
    bool Resize(int width, int height);
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Lets the bitmap go; the next Resize makes it again.
    void Release();

    // Copies the whole bitmap to `target` at (x, y) in one BitBlt.
    void Copy(HDC target, int x, int y) const;
    // The colour of one pixel as 0x00BBGGRR (reads the bitmap's memory); kNoPixel outside.
    static constexpr Colour kNoPixel = 0xFF000000u;
    Colour Pixel(int x, int y) const;

private:
    // Declared in this order so that the bitmap is let go of before either goes.
    ScopedBitmap bitmap_;
    ScopedMemoryDc dc_;
    std::optional<ScopedSelection> selection_;
    const std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace traxo
