#pragma once

#include "diary/widgets/MoxCalColors.h"
#include "diary/widgets/MoxCalLayout.h"

#include <QDate>
#include <QWidget>

class Clock;
class QPainter;

// The month calendar: a title, the weekday names and 6 x 7 owner-drawn day cells with their
// lunar or stem-branch labels. One day is selected; mouse and keyboard change it.
class TMoxCalendar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMoxCalendar)

public:
    // Today comes from clock, also for the red outline of today's cell.
    explicit TMoxCalendar(Clock& clock, QWidget* parent = nullptr);

    QDate Date() const { return m_date; }
    void setDate(QDate date);
    // Only the day counts; the time of day is dropped.
    void setDate(const QDateTime& value);

    const TMoxCalColors& CalColors() const { return m_colors; }
    void setCalColors(const TMoxCalColors& colors);
    TMoxCalStyle CalStyle() const { return m_calStyle; }
    void setCalStyle(TMoxCalStyle style);
    bool ChineseEar() const { return m_chineseEar; }
    void setChineseEar(bool on);
    bool SmoothText() const { return m_smoothText; }
    void setSmoothText(bool on);
    // The smallest label a reader can still make out where a calendar is shown small.
    static constexpr int LegiblePixels = 10;
    // No text is drawn smaller than this many pixels, whatever the layout computed (0: no limit).
    int MinimumPixelSize() const { return m_minimumPixelSize; }
    void setMinimumPixelSize(int pixels);

    QDate FirstCellDate() const { return m_firstCellDate; }
    QDate TrackedDate() const { return m_trackedDate; }
    const MoxCalLayout& layout() const { return m_layout; }
    // Empty for a day that is not on the grid.
    QRect CellRectOf(QDate day) const;

signals:
    void OnChange();
    void OnClick();
    void OnDblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // tracked: the new day was already repainted while the mouse tracked it.
    void changeDate(QDate date, bool tracked);
    void TrackPoint(QPoint point);
    void updateLayout();
    QStringList weekdayNames() const;
    QFont sizedFont(int pointSize, bool bold = false) const;
    void paintTitle(QPainter& painter);
    void paintWeekRow(QPainter& painter);
    void paintCell(QPainter& painter, int index, QDate today);
    void DrawTextIn(QPainter& painter, const QString& text, const QRect& box, int flags) const;

    Clock& m_clock;
    QDate m_date;
    QDate m_trackedDate;
    QDate m_firstCellDate;
    TMoxCalColors m_colors;
    TMoxCalStyle m_calStyle = TMoxCalStyle::csBottom;
    bool m_chineseEar = false;
    bool m_smoothText = false;
    int m_minimumPixelSize = 0;
    MoxCalLayout m_layout;
    QRect m_focusRect;
};
