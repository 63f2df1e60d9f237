#pragma once

#include <QPoint>
#include <QTime>

// The geometry of an analogue clock's hands: angles clockwise from twelve o'clock, in radians.
namespace ClockHands {

struct Angles
{
    double hour = 0;
    double minute = 0;
    double second = 0;
};

// The minute hand jumps once a minute; the hour hand moves with the minutes, not the seconds.
Angles anglesAt(QTime time);
// The point length pixels from centre along angle; the tail runs the other way. Coordinates
// are rounded to the nearest integer, ties to even.
QPoint handEnd(QPoint centre, double angle, int length);
QPoint tailEnd(QPoint centre, double angle, int length);

} // namespace ClockHands
