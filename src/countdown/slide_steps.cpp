#include "countdown/slide_steps.h"

namespace {

constexpr int openerDown = 20;
constexpr int openerAcross = 40;
constexpr int suggestStep = 20;
constexpr int settingsStep = 30;

} // namespace

SizeStep openerStep(int width, int height) {
    if (height < barHeight || width < barWidth) {
        return {width < barWidth ? width + openerAcross : width,
                height < barHeight ? height + openerDown : height, false};
    }
    return {barWidth, barHeight, true};
}

SlideStep suggestOpenStep(int height, bool animated) {
    if (animated && height < suggestStripHeight) {
        return {height + suggestStep, false};
    }
    return {suggestStripHeight, true};
}

SlideStep suggestCloseStep(int height, bool animated) {
    if (animated && height > barHeight) {
        return {height - suggestStep, false};
    }
    return {barHeight, true};
}

SlideStep settingsOpenStep(int width, bool animated) {
    if (animated && width < settingsStripWidth) {
        return {width + settingsStep, false};
    }
    return {settingsStripWidth, true};
}

SlideStep settingsCloseStep(int width, bool animated) {
    if (animated && width > barWidth) {
        return {width - settingsStep, false};
    }
    return {barWidth, true};
}
