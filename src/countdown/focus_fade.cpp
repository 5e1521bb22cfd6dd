#include "countdown/focus_fade.h"

namespace {

constexpr int fadeStepSize = 10;

} // namespace

FadeDirection fadeToStart(bool animated, int level, bool focused) {
    if (!animated) {
        return FadeDirection::None;
    }
    if (level == opaqueLevel && !focused) {
        return FadeDirection::Down;
    }
    if (level == fadedLevel && focused) {
        return FadeDirection::Up;
    }
    return FadeDirection::None;
}

FadeTick fadeStep(int level, FadeDirection direction) {
    if (direction == FadeDirection::Down) {
        if (level < fadedLevel) {
            return {fadedLevel, fadedLevel, true};
        }
        return {level, level - fadeStepSize, false};
    }
    if (level > opaqueLevel) {
        return {opaqueLevel, opaqueLevel, true};
    }
    return {level, level + fadeStepSize, false};
}
