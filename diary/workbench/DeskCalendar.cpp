#include "diary/workbench/DeskCalendar.h"

#include "diary/widgets/MoxCalendar.h"
#include "diary/toolkit/ImageButton.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

DeskCalendar::DeskCalendar(Clock& clock, QWidget* parent)
    : QWidget(parent)
    , MoxCalendar1(new TMoxCalendar(clock, this))
    , PreYearBtn(new ImageButton(ImageButton::Symbol::DoubleLeft, QStringLiteral("显示上年"), this))
    , PreMonBtn(new ImageButton(ImageButton::Symbol::Left, QStringLiteral("显示上月"), this))
    , NextMonBtn(new ImageButton(ImageButton::Symbol::Right, QStringLiteral("显示下月"), this))
    , NextYearBtn(new ImageButton(ImageButton::Symbol::DoubleRight, QStringLiteral("显示下年"), this))
{
    MoxCalendar1->setObjectName(QStringLiteral("MoxCalendar1"));
    // Shown small: smooth text, and no label below the size a reader can still make out.
    MoxCalendar1->setSmoothText(true);
    MoxCalendar1->setMinimumPixelSize(TMoxCalendar::LegiblePixels);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(2);
    const std::pair<ImageButton*, CalendarStep> steps[] = { { PreYearBtn, CalendarStep::PreYear },
        { PreMonBtn, CalendarStep::PreMon }, { NextMonBtn, CalendarStep::NextMon },
        { NextYearBtn, CalendarStep::NextYear } };
    for (const auto& [button, direction] : steps) {
        button->setFixedSize(24, 20);
        connect(button, &ImageButton::clicked, this, [this, direction = direction] { step(direction); });
        if (button == NextMonBtn)
            buttons->addStretch();
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(buttons);
    layout->addWidget(MoxCalendar1, 1);
}

void DeskCalendar::step(CalendarStep direction)
{
    MoxCalendar1->setDate(StepCalendar(MoxCalendar1->Date(), direction));
}
