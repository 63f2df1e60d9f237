#include "diary/toolkit/OutlineDrag.h"

#include <QTest>

// Positions are global; the window starts at (100, 50) and is pressed at (300, 200).
class TestOutlineDrag : public QObject
{
    Q_OBJECT

private slots:
    void release_data();
    void release();
    void moveWithoutPressShowsNothing();
};

void TestOutlineDrag::release_data()
{
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QPoint>("releasedAt");
    QTest::addColumn<std::optional<QPoint>>("target");
    QTest::newRow("within the tolerance")
        << QList<QPoint> { { 305, 195 } } << QPoint(305, 195) << std::optional<QPoint>();
    QTest::newRow("just past it") << QList<QPoint> { { 306, 200 } } << QPoint(306, 200)
                                  << std::optional<QPoint>(QPoint(106, 50));
    // Once the outline shows, coming back near the press still moves the window there.
    QTest::newRow("out and back") << QList<QPoint> { { 340, 260 }, { 302, 201 } } << QPoint(302, 201)
                                  << std::optional<QPoint>(QPoint(102, 51));
    QTest::newRow("released far outside")
        << QList<QPoint> { { 400, 300 } } << QPoint(-50, 900) << std::optional<QPoint>(QPoint(-250, 750));
}

void TestOutlineDrag::release()
{
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, releasedAt);
    QFETCH(std::optional<QPoint>, target);
    OutlineDrag drag(5);
    drag.press({ 300, 200 }, { 100, 50 });
    for (const QPoint& at : moves)
        drag.move(at);
    QCOMPARE(drag.release(releasedAt), target);
    QCOMPARE(drag.move({ 500, 500 }), std::optional<QPoint>());
}

void TestOutlineDrag::moveWithoutPressShowsNothing()
{
    OutlineDrag drag(5);
    QCOMPARE(drag.move({ 400, 400 }), std::optional<QPoint>());
    QCOMPARE(drag.release({ 400, 400 }), std::optional<QPoint>());
}

QTEST_APPLESS_MAIN(TestOutlineDrag)
#include "TestOutlineDrag.moc"
