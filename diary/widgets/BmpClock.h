#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>

class Clock;
class QTimer;

// An analogue clock drawn once a second over a background picture or colour: three hands
// from the centre, each with an optional tail. When Transparent is on, the pixels of the
// drawn picture's bottom-left colour let the parent show through.
class TBmpClock final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBmpClock)

public:
    // The time shown comes from clock.
    explicit TBmpClock(Clock& clock, QWidget* parent = nullptr);

    // clang-format off
    int HourHandLength() const { return m_hourLength; }
    void setHourHandLength(int value) { m_hourLength = value; }
    int MinHandLength() const { return m_minLength; }
    void setMinHandLength(int value) { m_minLength = value; }
    int SecHandLength() const { return m_secLength; }
    void setSecHandLength(int value) { m_secLength = value; }
    int BHourHandLength() const { return m_hourTail; }
    void setBHourHandLength(int value) { m_hourTail = value; }
    int BMinHandLength() const { return m_minTail; }
    void setBMinHandLength(int value) { m_minTail = value; }
    int BSecHandLength() const { return m_secTail; }
    void setBSecHandLength(int value) { m_secTail = value; }
    int HourHandWidth() const { return m_hourWidth; }
    void setHourHandWidth(int value) { m_hourWidth = value; }
    int MinHandWidth() const { return m_minWidth; }
    void setMinHandWidth(int value) { m_minWidth = value; }
    int SecHandWidth() const { return m_secWidth; }
    void setSecHandWidth(int value) { m_secWidth = value; }
    QColor HourHandColor() const { return m_hourColor; }
    void setHourHandColor(const QColor& value) { m_hourColor = value; }
    QColor MinHandColor() const { return m_minColor; }
    void setMinHandColor(const QColor& value) { m_minColor = value; }
    QColor SecHandColor() const { return m_secColor; }
    void setSecHandColor(const QColor& value) { m_secColor = value; }
    QColor BgColor() const { return m_bgColor; }
    void setBgColor(const QColor& value) { m_bgColor = value; }
    const QPixmap& BgPicture() const { return m_bgPicture; }
    void setBgPicture(const QPixmap& picture) { m_bgPicture = picture; }
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on) { m_transparent = on; }
    // clang-format on

    // The clock as it is drawn at time.
    QImage render(QTime time) const;
    QTimer* timer() const { return m_timer; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tick();

    Clock& m_clock;
    QTimer* m_timer;
    bool m_redrawPending = true;

    int m_hourLength = 28;
    int m_minLength = 35;
    int m_secLength = 40;
    int m_hourTail = 8;
    int m_minTail = 8;
    int m_secTail = 11;
    int m_hourWidth = 2;
    int m_minWidth = 2;
    int m_secWidth = 1;
    QColor m_hourColor { 255, 0, 0 };
    QColor m_minColor { 0, 128, 0 };
    QColor m_secColor { 0, 0, 255 };
    QColor m_bgColor { Qt::white };
    QPixmap m_bgPicture;
    bool m_transparent = false;
};
