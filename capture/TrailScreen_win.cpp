#include "capture/TrailScreen_win.h"

#include "platform/GdiColour_win.h"

namespace traxo {
namespace {

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kBackgroundSlots;
}

using BitmapDc = ScopedBitmapDc;

} // namespace

WindowsTrailScreen::~WindowsTrailScreen() {
    ReleaseScreen();
}

void WindowsTrailScreen::ReleaseScreen() {
    canvas_.reset(); // gives the DC its brush back
    if (screen_ != nullptr) {
        SelectObject(screen_, originalPen_);
        screenDc_.reset();
        screen_ = nullptr;
    }
}

void WindowsTrailScreen::BindToScreen() {
    ReleaseScreen();
    screen_ = screenDc_.emplace(nullptr).get();
    if (screen_ == nullptr) {
        screenDc_.reset();
        return;
    }
    originalPen_ = GetCurrentObject(screen_, OBJ_PEN);
    if (pen_) {
        SelectObject(screen_, pen_.get());
    }
    canvas_.emplace(screen_);
}

void WindowsTrailScreen::SetPen(Colour colour, int width) {
    // The trail sets the pen for every point; a new one is only made when it changes.
    if (pen_ && colour == penColour_ && width == penWidth_) {
        return;
    }
    OwnedPen pen(CreatePen(PS_SOLID, width, GdiColour(colour)));
    if (!pen) {
        return;
    }
    if (screen_ != nullptr) {
        SelectObject(screen_, pen.get());
    }
    pen_ = std::move(pen); // the old pen is no longer selected when it goes
    penColour_ = colour;
    penWidth_ = width;
}

void WindowsTrailScreen::SaveArea(int slot, Rect bounds) {
    if (screen_ == nullptr || !ValidSlot(slot)) {
        return;
    }
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen_, width, height));
    if (!bitmap) {
        return;
    }
    {
        const BitmapDc copy(screen_, bitmap.get());
        if (copy.get() == nullptr) {
            return;
        }
        BitBlt(copy.get(), 0, 0, width, height, screen_, bounds.left, bounds.top, SRCCOPY);
    }
    saved_[slot] = std::move(bitmap);
}

void WindowsTrailScreen::RestoreArea(int slot, Rect bounds) {
    if (!ValidSlot(slot) || !saved_[slot]) {
        return;
    }
    if (screen_ != nullptr) {
        const BitmapDc copy(screen_, saved_[slot].get());
        if (copy.get() != nullptr) {
            BitBlt(screen_, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, copy.get(), 0, 0, SRCCOPY);
        }
    }
    saved_[slot].reset();
}

void WindowsTrailScreen::SetBrushColour(Colour colour) {
    if (canvas_) {
        canvas_->SetBrushColour(colour);
    }
}

void WindowsTrailScreen::SetBrushStyle(BrushStyle style) {
    if (canvas_) {
        canvas_->SetBrushStyle(style);
    }
}

void WindowsTrailScreen::MoveTo(Point to) {
    if (canvas_) {
        canvas_->MoveTo(to);
    }
}

void WindowsTrailScreen::LineTo(Point to) {
    if (canvas_) {
        canvas_->LineTo(to);
    }
}

void WindowsTrailScreen::Ellipse(Rect bounds) {
    if (canvas_) {
        canvas_->Ellipse(bounds);
    }
}

} // namespace traxo
