#include "diary/widgets/MoxCalColors.h"

#include <QPalette>

TMoxCalColors TMoxCalColors::fromPalette(const QPalette& palette)
{
    // Qt has no caption colours; the selection colours play the active caption's part and
    // the disabled text the inactive caption text's.
    return {
        .BackColor = palette.color(QPalette::Active, QPalette::Base),
        .TextColor = palette.color(QPalette::Active, QPalette::Text),
        .TitleBackColor = palette.color(QPalette::Active, QPalette::Highlight),
        .TitleTextColor = QColor(Qt::white),
        .TrailingTextColor = palette.color(QPalette::Disabled, QPalette::Text),
        .SundayColor = QColor(Qt::red),
        .SaturdayColor = QColor(0x80, 0x00, 0x00),
    };
}
