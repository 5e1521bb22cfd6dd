#include "countdown/slide_steps.h"

namespace {

constexpr int openerDown = 20;
constexpr int openerAcross = 40;
constexpr int suggestStep = 20;
constexpr int settingsStep = 30;

// A strip opens `step` twips a tick up to its limit, or closes down to it.
SlideStep opening(int value, int limit, int step, bool animated) {
    return animated && value < limit ? SlideStep{value + step, false} : SlideStep{limit, true};
}

SlideStep closing(int value, int limit, int step, bool animated) {
    return animated && value > limit ? SlideStep{value - step, false} : SlideStep{limit, true};
}

} // namespace

SizeStep openerStep(int width, int height) {
    if (height < barHeight || width < barWidth) {
        return {width < barWidth ? width + openerAcross : width,
                height < barHeight ? height + openerDown : height, false};
    }
    return {barWidth, barHeight, true};
}

SlideStep suggestOpenStep(int height, bool animated) {
    return opening(height, suggestStripHeight, suggestStep, animated);
}

SlideStep suggestCloseStep(int height, bool animated) {
    return closing(height, barHeight, suggestStep, animated);
}

SlideStep settingsOpenStep(int width, bool animated) {
    return opening(width, settingsStripWidth, settingsStep, animated);
}

SlideStep settingsCloseStep(int width, bool animated) {
    return closing(width, barWidth, settingsStep, animated);
}
