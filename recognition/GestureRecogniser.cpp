#include "recognition/GestureRecogniser.h"

namespace traxo {

RecogniserChoice RecogniserFromSetting(std::int32_t value) {
    return value == static_cast<std::int32_t>(RecogniserChoice::Precise)
               ? RecogniserChoice::Precise
               : RecogniserChoice::Scoring;
}

GestureRecogniser::GestureRecogniser(MotionActionRunner* actionRunner)
    : scoring_(actionRunner), precise_(actionRunner) {}

int GestureRecogniser::Recognise(RecogniserChoice choice, const MotionPath& gesture,
                                 const MotionSet& set, RecognitionState& state,
                                 bool executeAction, WindowHandle targetWindow) {
    return choice == RecogniserChoice::Precise
               ? precise_.Recognise(gesture, set, state, executeAction, targetWindow)
               : scoring_.Recognise(gesture, set, state, executeAction, targetWindow);
}

} // namespace traxo
