#pragma once
// The one place that picks the recogniser the user chose (the `recogniser` setting): the screen
// capture, the pad's test, the similarity warning and the result popup all recognise through
// it, so they always agree.

#include "recognition/PreciseRecogniser.h"
#include "recognition/Recogniser.h"

#include <cstdint>

namespace traxo {

enum class RecogniserChoice : std::int32_t {
    Scoring = 0, // slopes, turns and distances of corresponding points; the default
    Precise = 1, // elastic match of evenly spaced points
};

// The choice a stored `recogniser` value stands for; anything unknown is the default.
RecogniserChoice RecogniserFromSetting(std::int32_t value);

class GestureRecogniser {
public:
    // Recognises with the chosen recogniser, under the contract of Recogniser::Recognise: the
    // verdict is the matched motion's index or -1, and nothing runs. Each keeps its own
    // preparation of the set's motions, so switching costs nothing.
    int Recognise(RecogniserChoice choice, const MotionPath& gesture, const MotionSet& set,
                  RecognitionState& state);

private:
    Recogniser scoring_;
    PreciseRecogniser precise_;
};

} // namespace traxo
