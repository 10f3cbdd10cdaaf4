#include "platform/OffscreenBitmap_win.h"

#include <algorithm>

namespace traxo {

OffscreenBitmap::~OffscreenBitmap() {
    Release();
}

void OffscreenBitmap::Release() {
    selection_.reset();
    dc_.reset();
    bitmap_.reset();
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

bool OffscreenBitmap::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (dc_.get() != nullptr && width == width_ && height == height_) {
        return true;
    }
    Release();
    dc_.reset(CreateCompatibleDC(nullptr));
    if (dc_.get() == nullptr) {
        return false;
    }
    // A top-down 32-bit DIB section: any display depth, and its pixels can be read back.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap_.get() == nullptr) {
        Release();
        return false;
    }
    bits_ = static_cast<const std::uint32_t*>(bits);
    selection_.emplace(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return true;
}

void OffscreenBitmap::Copy(HDC target, int x, int y) const {
    if (dc_.get() != nullptr) {
        BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
    }
}

Colour OffscreenBitmap::Pixel(int x, int y) const {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return kNoPixel;
    }
    GdiFlush();
    const std::uint32_t bgr = bits_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    return Rgb(std::uint8_t(bgr >> 16), std::uint8_t(bgr >> 8), std::uint8_t(bgr));
}

} // namespace traxo
