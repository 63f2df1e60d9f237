#pragma once

#include "diary/widgets/CalendarStep.h"

#include <QWidget>

class Clock;
class ImageButton;
class TMoxCalendar;

// The month calendar of the search page with its four stepping buttons on its top edge.
class DeskCalendar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeskCalendar)

public:
    DeskCalendar(Clock& clock, QWidget* parent = nullptr);

    void step(CalendarStep step);

    TMoxCalendar* MoxCalendar1;
    ImageButton* PreYearBtn;
    ImageButton* PreMonBtn;
    ImageButton* NextMonBtn;
    ImageButton* NextYearBtn;
};
