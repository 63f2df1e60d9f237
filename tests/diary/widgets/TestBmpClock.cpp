#include "diary/widgets/BmpClock.h"
#include "diary/widgets/ClockHands.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TestMain.h"

#include <QPainter>
#include <QTimer>
#include <numbers>

namespace {

// Every pixel of image in colour.
QList<QPoint> pixelsOf(const QImage& image, const QColor& colour)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                points.append({ x, y });
        }
    }
    return points;
}

int farthestX(const QList<QPoint>& points)
{
    int x = INT_MIN;
    for (const QPoint& p : points)
        x = std::max(x, p.x());
    return x;
}

} // namespace

class TestBmpClock : public QObject
{
    Q_OBJECT

private slots:
    void handEnds_data();
    void handEnds();
    void hourHandHalfWayAtHalfPast();
    void defaults();
    void drawsTheHourLineToItsEnd();
    void tailsOfLengthZeroDrawNothing();
    void backgroundPictureOfAnotherSizeSetsTheCentre();
    void transparentLetsTheBottomLeftColourThrough();
    void timerRunsEverySecondWithoutBeingShown();
};

void TestBmpClock::handEnds_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QPoint>("hour");
    QTest::addColumn<QPoint>("minute");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<QPoint>("hourTail");

    QTest::newRow("3:00:00") << QTime(3, 0) << QPoint(88, 60) << QPoint(60, 25) << QPoint(60, 20) << QPoint(52, 60);
    QTest::newRow("15:00:00") << QTime(15, 0) << QPoint(88, 60) << QPoint(60, 25) << QPoint(60, 20) << QPoint(52, 60);
    QTest::newRow("9:45:30") << QTime(9, 45, 30) << QPoint(34, 49) << QPoint(25, 60) << QPoint(60, 100)
                             << QPoint(67, 63);
    QTest::newRow("12:00:59 seconds only")
        << QTime(12, 0, 59) << QPoint(60, 32) << QPoint(60, 25) << QPoint(56, 20) << QPoint(60, 68);
}

void TestBmpClock::handEnds()
{
    QFETCH(QTime, time);
    QFETCH(QPoint, hour);
    QFETCH(QPoint, minute);
    QFETCH(QPoint, second);
    QFETCH(QPoint, hourTail);

    const QPoint centre(60, 60);
    const ClockHands::Angles angles = ClockHands::anglesAt(time);
    QCOMPARE(ClockHands::handEnd(centre, angles.hour, 28), hour);
    QCOMPARE(ClockHands::handEnd(centre, angles.minute, 35), minute);
    QCOMPARE(ClockHands::handEnd(centre, angles.second, 40), second);
    QCOMPARE(ClockHands::tailEnd(centre, angles.hour, 8), hourTail);
}

void TestBmpClock::hourHandHalfWayAtHalfPast()
{
    const double six = ClockHands::anglesAt(QTime(6, 0)).hour;
    const double seven = ClockHands::anglesAt(QTime(7, 0)).hour;
    QCOMPARE(ClockHands::anglesAt(QTime(6, 30)).hour, (six + seven) / 2);
    QCOMPARE(ClockHands::anglesAt(QTime(6, 30, 59)).hour, ClockHands::anglesAt(QTime(6, 30)).hour);
    QCOMPARE(six, std::numbers::pi);
}

void TestBmpClock::defaults()
{
    FixedClock clock;
    TBmpClock bmpClock(clock);
    QCOMPARE(bmpClock.HourHandLength(), 28);
    QCOMPARE(bmpClock.MinHandLength(), 35);
    QCOMPARE(bmpClock.SecHandLength(), 40);
    QCOMPARE(bmpClock.BHourHandLength(), 8);
    QCOMPARE(bmpClock.BMinHandLength(), 8);
    QCOMPARE(bmpClock.BSecHandLength(), 11);
    QCOMPARE(bmpClock.HourHandWidth(), 2);
    QCOMPARE(bmpClock.MinHandWidth(), 2);
    QCOMPARE(bmpClock.SecHandWidth(), 1);
    QCOMPARE(bmpClock.HourHandColor(), QColor(255, 0, 0));
    QCOMPARE(bmpClock.MinHandColor(), QColor(0, 128, 0));
    QCOMPARE(bmpClock.SecHandColor(), QColor(0, 0, 255));
    QCOMPARE(bmpClock.BgColor(), QColor(Qt::white));
    QVERIFY(bmpClock.BgPicture().isNull());
}

void TestBmpClock::drawsTheHourLineToItsEnd()
{
    FixedClock clock;
    TBmpClock bmpClock(clock);
    bmpClock.resize(120, 120);
    const QImage image = bmpClock.render(QTime(3, 0));
    QCOMPARE(image.size(), QSize(120, 120));
    const QList<QPoint> hour = pixelsOf(image, QColor(255, 0, 0));
    QVERIFY(hour.contains(QPoint(88, 60)));
    QVERIFY(hour.contains(QPoint(52, 60))); // its tail
    QVERIFY(farthestX(hour) <= 89);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
}

void TestBmpClock::tailsOfLengthZeroDrawNothing()
{
    FixedClock clock;
    TBmpClock bmpClock(clock);
    bmpClock.resize(120, 120);
    bmpClock.setBHourHandLength(0);
    bmpClock.setBMinHandLength(0);
    bmpClock.setBSecHandLength(0);
    const QImage image = bmpClock.render(QTime(3, 0));
    QVERIFY(pixelsOf(image, QColor(255, 0, 0)).contains(QPoint(88, 60)));
    for (int x = 45; x < 59; ++x)
        QCOMPARE(image.pixelColor(x, 60), QColor(Qt::white));
    for (int y = 62; y < 75; ++y)
        QCOMPARE(image.pixelColor(60, y), QColor(Qt::white));
}

void TestBmpClock::backgroundPictureOfAnotherSizeSetsTheCentre()
{
    FixedClock clock;
    TBmpClock bmpClock(clock);
    bmpClock.resize(120, 120);
    QPixmap picture(201, 101);
    picture.fill(Qt::yellow);
    bmpClock.setBgPicture(picture);
    const QImage image = bmpClock.render(QTime(3, 0));
    QCOMPARE(image.size(), QSize(201, 101));
    const QList<QPoint> hour = pixelsOf(image, QColor(255, 0, 0));
    QVERIFY(hour.contains(QPoint(128, 50)));
    QCOMPARE(farthestX(hour), 128 + (hour.contains(QPoint(129, 50)) ? 1 : 0));
    QCOMPARE(image.pixelColor(200, 100), QColor(Qt::yellow));
}

void TestBmpClock::transparentLetsTheBottomLeftColourThrough()
{
    FixedClock clock;
    TBmpClock bmpClock(clock);
    bmpClock.resize(120, 120);
    QPixmap dial(120, 120);
    dial.fill(QColor(0, 128, 128));
    {
        QPainter painter(&dial);
        painter.fillRect(20, 20, 80, 80, Qt::white);
    }
    bmpClock.setBgPicture(dial);
    bmpClock.setTransparent(true);
    const QImage image = bmpClock.render(QTime(3, 0));
    QCOMPARE(qAlpha(image.pixel(0, 119)), 0);
    QCOMPARE(qAlpha(image.pixel(5, 5)), 0);
    QCOMPARE(image.pixelColor(25, 25), QColor(Qt::white));
    QCOMPARE(image.pixelColor(88, 60), QColor(255, 0, 0));
}

void TestBmpClock::timerRunsEverySecondWithoutBeingShown()
{
    FixedClock clock;
    TBmpClock bmpClock(clock);
    QVERIFY(!bmpClock.isVisible());
    QVERIFY(bmpClock.timer()->isActive());
    QCOMPARE(bmpClock.timer()->interval(), 1000);
}

DAILORA_TEST_MAIN(TestBmpClock)
#include "TestBmpClock.moc"
