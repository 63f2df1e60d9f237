#include "diary/widgets/MoxCalendar.h"

#include "common/Clock.h"
#include "diary/widgets/CalendarStep.h"
#include "diary/widgets/LunarCalendar.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Placement flags of DrawTextIn.
enum : int
{
    HCenter = 1,
    Right = 2,
    VCenter = 4,
    Bottom = 8
};

} // namespace

TMoxCalendar::TMoxCalendar(Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_date(clock.today())
    , m_trackedDate(m_date)
    , m_firstCellDate(CalcFirstCell(m_date))
    , m_colors(TMoxCalColors::fromPalette(palette()))
{
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(QStringLiteral("宋体")));
    setCalColors(m_colors);
    resize(300, 210);
    updateLayout();
}

void TMoxCalendar::setDate(QDate date)
{
    changeDate(date, false);
}

void TMoxCalendar::setDate(const QDateTime& value)
{
    changeDate(value.date(), false);
}

void TMoxCalendar::setCalColors(const TMoxCalColors& colors)
{
    m_colors = colors;
    QPalette background = palette();
    background.setColor(QPalette::Window, m_colors.BackColor);
    setPalette(background);
    setAutoFillBackground(true);
    update();
}

void TMoxCalendar::setCalStyle(TMoxCalStyle style)
{
    if (style == m_calStyle)
        return;
    m_calStyle = style;
    updateLayout();
    update();
}

void TMoxCalendar::setChineseEar(bool on)
{
    if (on == m_chineseEar)
        return;
    m_chineseEar = on;
    update();
}

void TMoxCalendar::setSmoothText(bool on)
{
    if (on == m_smoothText)
        return;
    m_smoothText = on;
    update();
}

QRect TMoxCalendar::CellRectOf(QDate day) const
{
    const qint64 n = m_firstCellDate.daysTo(day);
    return n >= 0 && n < MoxCalLayout::CellCount ? m_layout.cellRect(static_cast<int>(n)) : QRect();
}

void TMoxCalendar::changeDate(QDate date, bool tracked)
{
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    m_trackedDate = date;
    const QDate oldFirst = m_firstCellDate;
    m_firstCellDate = CalcFirstCell(date);

    if (m_firstCellDate != oldFirst) {
        update(m_layout.TitleRect);
        update(m_layout.DaysRect);
    } else {
        if (!tracked) {
            update(m_focusRect);
            update(CellRectOf(m_trackedDate));
        }
        // The stem-branch month and year can change within the shown month.
        if (m_chineseEar)
            update(m_layout.TitleRect);
    }
    emit OnChange();
}

void TMoxCalendar::TrackPoint(QPoint point)
{
    const int index = m_layout.cellAt(point);
    if (index < 0)
        return;
    const QDate day = m_firstCellDate.addDays(index);
    if (day == m_trackedDate)
        return;
    m_trackedDate = day;
    update(m_focusRect);
    update(m_layout.cellRect(index).adjusted(1, 1, -1, -1));
}

void TMoxCalendar::updateLayout()
{
    m_layout = CalcLayout(size(), font(), m_date, m_calStyle, weekdayNames());
}

QStringList TMoxCalendar::weekdayNames() const
{
    QStringList names;
    for (int column = 0; column < 7; ++column)
        names << locale().dayName(column == 0 ? 7 : column, QLocale::LongFormat);
    return names;
}

void TMoxCalendar::setMinimumPixelSize(int pixels)
{
    if (pixels == m_minimumPixelSize)
        return;
    m_minimumPixelSize = pixels;
    update();
}

QFont TMoxCalendar::sizedFont(int pointSize, bool bold) const
{
    QFont sized = font();
    sized.setPointSize(pointSize);
    if (m_minimumPixelSize > 0 && QFontInfo(sized).pixelSize() < m_minimumPixelSize)
        sized.setPixelSize(m_minimumPixelSize);
    sized.setBold(bold);
    sized.setStyleStrategy(m_smoothText ? QFont::PreferAntialias : QFont::NoAntialias);
    return sized;
}

void TMoxCalendar::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRegion& region = event->region();
    if (region.intersects(m_layout.TitleRect))
        paintTitle(painter);
    if (region.intersects(m_layout.WeekRect))
        paintWeekRow(painter);
    const QDate today = m_clock.today();
    for (int i = 0; i < MoxCalLayout::CellCount; ++i) {
        if (region.intersects(m_layout.cellRect(i)))
            paintCell(painter, i, today);
    }
}

void TMoxCalendar::paintTitle(QPainter& painter)
{
    painter.fillRect(m_layout.TitleRect, m_colors.TitleBackColor);
    painter.setPen(m_colors.TitleTextColor);
    painter.setFont(sizedFont(m_layout.TitleFontSize, true));
    const QString title = m_chineseEar ? StemBranchTitle(m_date) : m_date.toString(QStringLiteral("yyyy'年'M'月'"));
    DrawTextIn(painter, title, m_layout.TitleRect, HCenter | VCenter);
}

void TMoxCalendar::paintWeekRow(QPainter& painter)
{
    const QRect& week = m_layout.WeekRect;
    painter.setPen(m_colors.TitleBackColor);
    const QStringList names = weekdayNames();
    QFont weekFont = sizedFont(m_layout.WeekFontSize);
    // Names that would run into each other at the minimum size keep the size that fits.
    for (const QString& name : names)
        if (QFontMetrics(weekFont).horizontalAdvance(name) > m_layout.CellWidth - 2)
            weekFont.setPointSize(m_layout.WeekFontSize);
    painter.setFont(weekFont);
    for (int column = 0; column < 7; ++column) {
        const QRect box(column * m_layout.CellWidth, week.top(), m_layout.CellWidth, m_layout.CellHeight);
        DrawTextIn(painter, names[column], box, HCenter | VCenter);
    }
    const int y = week.top() + week.height() - 2;
    painter.drawLine(2, y, week.left() + week.width() - 3, y);
}

void TMoxCalendar::paintCell(QPainter& painter, int index, QDate today)
{
    const QRect cell = m_layout.cellRect(index);
    const QDate day = m_firstCellDate.addDays(index);
    const int column = index % 7;
    QColor color = m_colors.TextColor;
    if (day.month() != m_date.month())
        color = m_colors.TrailingTextColor;
    else if (column == 0)
        color = m_colors.SundayColor;
    else if (column == 6)
        color = m_colors.SaturdayColor;

    // Unselected cells keep the background that Qt has already erased.
    if (day == m_trackedDate) {
        painter.fillRect(cell, m_colors.TitleBackColor);
        color = m_colors.TitleTextColor;
        m_focusRect = cell;
        if (hasFocus()) {
            painter.setPen(QPen(m_colors.TitleTextColor, 1, Qt::DotLine));
            painter.drawRect(cell.adjusted(2, 2, -3, -3));
        }
    }
    if (day == today) {
        painter.setPen(Qt::red);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }

    painter.setPen(color);
    painter.setFont(sizedFont(m_layout.DayFontSize));
    const QString number = QString::number(day.day());
    const int cw = m_layout.CellWidth;
    const int ch = m_layout.CellHeight;
    switch (m_calStyle) {
    case TMoxCalStyle::csNone:
        DrawTextIn(painter, number, cell, HCenter | VCenter);
        return;
    case TMoxCalStyle::csRight: {
        const int numberWidth = cw / 3 * 2;
        DrawTextIn(painter, number, QRect(cell.left(), cell.top(), numberWidth, ch), Right | VCenter);
        const QString label = CellLunarText(day, m_chineseEar);
        if (label.isEmpty())
            return;
        // Two characters stacked around the middle of the cell; the rest does not fit.
        painter.setFont(sizedFont(m_layout.LunarFontSize));
        const QFontMetrics metrics = painter.fontMetrics();
        const int x = cell.left() + numberWidth + 2;
        const int middle = cell.top() + ch / 2;
        painter.drawText(x, middle - metrics.height() + metrics.ascent(), label.left(1));
        painter.drawText(x, middle + metrics.ascent(), label.mid(1, 1));
        return;
    }
    case TMoxCalStyle::csBottom: {
        const int numberHeight = ch / 5 * 3;
        DrawTextIn(painter, number, QRect(cell.left(), cell.top(), cw, numberHeight), HCenter | Bottom);
        painter.setFont(sizedFont(m_layout.LunarFontSize));
        DrawTextIn(painter, CellLunarText(day, m_chineseEar),
            QRect(cell.left(), cell.top() + numberHeight, cw, ch / 5 * 2), HCenter);
        return;
    }
    }
}

void TMoxCalendar::DrawTextIn(QPainter& painter, const QString& text, const QRect& box, int flags) const
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    int x = box.left();
    int y = box.top();
    if (flags & HCenter)
        x += (box.width() - width) / 2;
    else if (flags & Right)
        x += box.width() - width;
    if (flags & VCenter)
        y += (box.height() - height) / 2;
    else if (flags & Bottom)
        y += box.height() - height;
    painter.drawText(x, y + metrics.ascent(), text);
}

void TMoxCalendar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

void TMoxCalendar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange) {
        updateLayout();
        update();
    }
}

void TMoxCalendar::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    QDate target;
    switch (event->key()) {
    case Qt::Key_PageUp:
        target = StepCalendar(m_date, CalendarStep::PreMon);
        break;
    case Qt::Key_PageDown:
        target = StepCalendar(m_date, CalendarStep::NextMon);
        break;
    case Qt::Key_End:
        target = QDate(m_date.year(), m_date.month(), m_date.daysInMonth());
        break;
    case Qt::Key_Home:
        target = QDate(m_date.year(), m_date.month(), 1);
        break;
    case Qt::Key_Left:
        target = m_date.addDays(-1);
        break;
    case Qt::Key_Right:
        target = m_date.addDays(1);
        break;
    case Qt::Key_Up:
        target = m_date.addDays(-7);
        break;
    case Qt::Key_Down:
        target = m_date.addDays(7);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit OnClick();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    changeDate(target, false);
}

void TMoxCalendar::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        TrackPoint(event->position().toPoint());
}

void TMoxCalendar::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        TrackPoint(event->position().toPoint());
}

void TMoxCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    changeDate(m_trackedDate, true);
    if (rect().contains(event->position().toPoint()))
        emit OnClick();
}

void TMoxCalendar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit OnDblClick();
    mousePressEvent(event);
}

void TMoxCalendar::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(m_focusRect);
}

void TMoxCalendar::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(m_focusRect);
}
