#include "controls/FadeEngine.h"

#include <algorithm>
#include <cmath>

namespace traxo {
namespace {

double Channel(Colour colour, int index) {
    return double((colour >> (8 * index)) & 0xFF);
}

// Half a step of slack keeps the last step from being taken one tick early when the doubles
// land a hair below the exact distance.
constexpr double kSlack = 1e-6;

} // namespace

void FadeEngine::SetCurrent(Colour colour) {
    current_ = colour & 0x00FFFFFFu;
    target_ = current_;
    for (int c = 0; c < 3; ++c) {
        value_[c] = Channel(current_, c);
        step_[c] = 0;
    }
    running_ = false;
    flash_ = false;
}

void FadeEngine::FadeTo(Colour target, int timeMs) {
    target_ = target & 0x00FFFFFFu; // only plain RGB values fade; the high byte is not a channel
    const int ticks = std::max(timeMs, 10) / 10;
    for (int c = 0; c < 3; ++c) {
        value_[c] = Channel(current_, c);
        step_[c] = (Channel(target_, c) - value_[c]) / ticks;
    }
    running_ = true;
    flash_ = false;
}

void FadeEngine::FlashTo(Colour target, int timeMs) {
    FadeTo(target, timeMs);
    flash_ = true;
}

FadeEngine::TickResult FadeEngine::Tick(bool enabled, Colour restColour, int fadeInTime) {
    if (!running_) {
        return {};
    }
    if (!flash_ && !enabled) {
        running_ = false;
        return {};
    }
    if (current_ == target_) {
        if (flash_) {
            FadeTo(restColour, fadeInTime); // clears the flash
        } else {
            running_ = false;
        }
        return {};
    }
    Colour next = 0;
    for (int c = 0; c < 3; ++c) {
        const double goal = Channel(target_, c);
        if (2 * std::fabs(step_[c]) > std::fabs(goal - value_[c]) + kSlack) {
            value_[c] = goal;
        } else {
            value_[c] += step_[c];
        }
        const long rounded = std::clamp(std::lrint(value_[c]), 0L, 255L); // ties to even
        next |= Colour(rounded) << (8 * c);
    }
    current_ = next;
    return {true};
}

} // namespace traxo
