#include "diary/widgets/BmpClock.h"

#include "common/Clock.h"
#include "diary/widgets/ClockHands.h"

#include <QPainter>
#include <QTimer>

namespace {

// The line of a hand and of its tail; a tail of length 0 draws nothing.
void drawHand(QPainter& painter, QPoint centre, double angle, int length, int tail, const QColor& color, int width)
{
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, ClockHands::handEnd(centre, angle, length));
    if (tail != 0)
        painter.drawLine(centre, ClockHands::tailEnd(centre, angle, tail));
}

} // namespace

TBmpClock::TBmpClock(Clock& clock, QWidget* parent)
    : QLabel(parent)
    , m_clock(clock)
    , m_timer(new QTimer(this))
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TBmpClock::tick);
    m_timer->start();
}

void TBmpClock::tick()
{
    m_redrawPending = true;
    update();
}

void TBmpClock::paintEvent(QPaintEvent* event)
{
    if (m_redrawPending) {
        m_redrawPending = false;
        setPixmap(QPixmap::fromImage(render(m_clock.now().time())));
    }
    QLabel::paintEvent(event);
}

QImage TBmpClock::render(QTime time) const
{
    QImage image;
    if (m_bgPicture.isNull()) {
        image = QImage(size(), QImage::Format_ARGB32);
        image.fill(m_bgColor);
    } else {
        image = m_bgPicture.toImage().convertToFormat(QImage::Format_ARGB32);
    }
    if (image.isNull())
        return image;
    const QPoint centre(image.width() / 2, image.height() / 2);
    const ClockHands::Angles angles = ClockHands::anglesAt(time);
    {
        QPainter painter(&image);
        drawHand(painter, centre, angles.hour, m_hourLength, m_hourTail, m_hourColor, m_hourWidth);
        drawHand(painter, centre, angles.minute, m_minLength, m_minTail, m_minColor, m_minWidth);
        drawHand(painter, centre, angles.second, m_secLength, m_secTail, m_secColor, m_secWidth);
    }
    if (m_transparent) {
        const QRgb key = image.pixel(0, image.height() - 1);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] == key)
                    line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return image;
}
