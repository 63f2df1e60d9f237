#pragma once

#include <QColor>
#include <QPixmap>

// The reminder window's clock face: an octagonal dial with the numerals 12, 3, 6 and 9 on a
// backdrop of one colour, which the clock lets the panel show through.
namespace ClockDial {

QColor backdrop();
QPixmap picture(int side = 120);
// The small hub that sits over the dial's centre.
QPixmap hub(int side = 16);

} // namespace ClockDial
