#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double linearChannel(double value) { return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4); }

QColor mix(const QColor& from, const QColor& to, double amount)
{
    auto channel = [amount](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * amount)); };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue())};
}

} // namespace

namespace quandrel::contrast {

double luminance(const QColor& colour)
{
    return 0.2126 * linearChannel(colour.redF()) + 0.7152 * linearChannel(colour.greenF()) +
           0.0722 * linearChannel(colour.blueF());
}

double ratio(const QColor& a, const QColor& b)
{
    // By value: minmax of two temporaries would hand back references to them.
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

QColor legibleAgainst(const QColor& preferred, const QColor& background, double minimumRatio)
{
    if (ratio(preferred, background) >= minimumRatio) {
        return preferred;
    }
    const QColor target =
        ratio(Qt::white, background) >= ratio(Qt::black, background) ? QColor(Qt::white) : QColor(Qt::black);
    // Twenty steps are finer than the eye can tell apart and keep this cheap at paint time.
    for (int step = 1; step <= 20; ++step) {
        const QColor candidate = mix(preferred, target, step / 20.0);
        if (ratio(candidate, background) >= minimumRatio) {
            return candidate;
        }
    }
    return target;
}

} // namespace quandrel::contrast
