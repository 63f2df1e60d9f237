#pragma once

#include <QDateEdit>

class Clock;
class DatePopup;

// A date box in the user's short date format whose date changes only by its drop-down month
// calendar or the arrow keys; typed characters are discarded.
class DateBox final : public QDateEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DateBox)

public:
    explicit DateBox(Clock& clock, QWidget* parent = nullptr);

    void showPopup();
    DatePopup* popup() const { return m_popup; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    DatePopup* m_popup;
};
