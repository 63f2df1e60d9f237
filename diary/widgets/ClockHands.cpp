#include "diary/widgets/ClockHands.h"

#include <cmath>
#include <numbers>

namespace ClockHands {

Angles anglesAt(QTime time)
{
    constexpr double pi = std::numbers::pi;
    const double h = time.hour();
    const double m = time.minute();
    const double s = time.second();
    return { (h + m / 60) * 2 * pi / 12, m / 60 * 2 * pi, s / 60 * 2 * pi };
}

QPoint handEnd(QPoint centre, double angle, int length)
{
    return { int(std::nearbyint(centre.x() + std::sin(angle) * length)),
        int(std::nearbyint(centre.y() - std::cos(angle) * length)) };
}

QPoint tailEnd(QPoint centre, double angle, int length)
{
    return { int(std::nearbyint(centre.x() - std::sin(angle) * length)),
        int(std::nearbyint(centre.y() + std::cos(angle) * length)) };
}

} // namespace ClockHands
