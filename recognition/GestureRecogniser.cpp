#include "recognition/GestureRecogniser.h"

namespace traxo {

RecogniserChoice RecogniserFromSetting(std::int32_t value) {
    return value == static_cast<std::int32_t>(RecogniserChoice::Precise)
               ? RecogniserChoice::Precise
               : RecogniserChoice::Scoring;
}

int GestureRecogniser::Recognise(RecogniserChoice choice, const MotionPath& gesture,
                                 const MotionSet& set, RecognitionState& state) {
    return choice == RecogniserChoice::Precise ? precise_.Recognise(gesture, set, state)
                                               : scoring_.Recognise(gesture, set, state);
}

} // namespace traxo
