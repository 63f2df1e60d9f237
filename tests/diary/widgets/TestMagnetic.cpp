#include "diary/widgets/Magnetic.h"
#include "tests/support/TestMain.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

using MagneticSnap::Edges;
using MagneticSnap::Zone;

Q_DECLARE_METATYPE(Edges)

namespace {

const QSize kScreen(1024, 768);
const QSize kWindow(331, 554);

// A borderless window whose own press handler chooses the window to snap to, as the reminder
// window does.
class Owner final : public QWidget
{
public:
    Owner()
        : QWidget(nullptr, Qt::FramelessWindowHint)
        , magnetic(new TMagnetic(this))
    {
        resize(200, 150);
    }

    TMagnetic* magnetic;
    QWidget* chooseOnPress = nullptr;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        ++presses;
        if (chooseOnPress) {
            magnetic->setCustomHandle(chooseOnPress);
            TMagOption option = magnetic->MagOption();
            option.MagCustom = true;
            magnetic->setMagOption(option);
        }
        QWidget::mousePressEvent(event);
    }
};

void send(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, QPoint from, QPoint to)
{
    send(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(widget, QEvent::MouseMove, to, Qt::LeftButton);
}

} // namespace

class TestMagnetic : public QObject
{
    Q_OBJECT

private slots:
    void snap_data();
    void snap();
    void edgesLiePastTheLastPixel();
    void zones_data();
    void zones();
    void resizedKeepsTheOppositeEdges();
    void dragKeepsTheGrabbedPointUnderThePointer();
    void dragByAChildThatIgnoresThePress();
    void inactiveDoesNotMove();
    void moveWithoutTheButtonDoesNothing();
    void firstDragSnapsToTheWindowChosenOnPress();
    void chosenWindowAttractsWhereItWasAtThePress();
    void canResizeDefaultsToTheOwnersBorder();
    void resizeBand();

private:
    QPoint screenCentre() const;
};

void TestMagnetic::snap_data()
{
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QList<Edges>>("windows");
    QTest::addColumn<QPoint>("expected");

    const QList<Edges> none;
    QTest::newRow("19 from the left edge") << QPoint(19, 100) << none << QPoint(0, 100);
    QTest::newRow("20 from the left edge") << QPoint(20, 100) << none << QPoint(20, 100);
    QTest::newRow("19 from the right edge") << QPoint(674, 100) << none << QPoint(693, 100);
    QTest::newRow("20 from the right edge") << QPoint(673, 100) << none << QPoint(673, 100);
    QTest::newRow("19 from the top edge") << QPoint(100, 19) << none << QPoint(100, 0);
    QTest::newRow("19 from the bottom edge") << QPoint(100, 768 - 554 - 19) << none << QPoint(100, 214);
    QTest::newRow("past the left edge") << QPoint(-50, 100) << none << QPoint(0, 100);

    // The chosen window: left 100, top 300, right 500, bottom 400.
    const QList<Edges> chosen { { 100, 300, 500, 400 } };
    QTest::newRow("right edge 481") << QPoint(481, 100) << chosen << QPoint(500, 100);
    QTest::newRow("right edge 500") << QPoint(500, 100) << chosen << QPoint(500, 100);
    QTest::newRow("right edge 519") << QPoint(519, 100) << chosen << QPoint(500, 100);
    QTest::newRow("right edge 480") << QPoint(480, 100) << chosen << QPoint(480, 100);
    QTest::newRow("right edge 520") << QPoint(520, 100) << chosen << QPoint(520, 100);
    QTest::newRow("own right onto its left") << QPoint(100 - 331 + 10, 100) << chosen << QPoint(0, 100);
    QTest::newRow("own top onto its bottom")
        << QPoint(300, 110) << QList<Edges> { { 600, 50, 800, 100 } } << QPoint(300, 100);
    QTest::newRow("own bottom onto its top")
        << QPoint(300, 150) << QList<Edges> { { 600, 700, 800, 760 } } << QPoint(300, 146);
    QTest::newRow("both axes, no overlap asked")
        << QPoint(510, 110) << QList<Edges> { { 100, 50, 500, 100 } } << QPoint(500, 100);
    QTest::newRow("screen wins over the window")
        << QPoint(15, 100) << QList<Edges> { { 0, 300, 10, 400 } } << QPoint(0, 100);
    QTest::newRow("a later window works on the result")
        << QPoint(515, 100) << QList<Edges> { { 100, 300, 500, 400 }, { 0, 0, 490, 50 } } << QPoint(490, 100);
}

void TestMagnetic::snap()
{
    QFETCH(QPoint, target);
    QFETCH(QList<Edges>, windows);
    QFETCH(QPoint, expected);
    QCOMPARE(MagneticSnap::snap(target, kWindow, windows, kScreen, 20), expected);
}

void TestMagnetic::edgesLiePastTheLastPixel()
{
    const QRect frame(10, 20, 331, 554);
    QCOMPARE(Edges::of(frame), (Edges { 10, 20, 341, 574 }));
    QVERIFY(frame.right() == 340); // one less: not what the snapping compares
}

void TestMagnetic::zones_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Zone>("zone");
    QTest::newRow("top-left corner") << QPoint(0, 0) << Zone::TopLeft;
    QTest::newRow("top-left inner") << QPoint(4, 4) << Zone::TopLeft;
    QTest::newRow("just inside") << QPoint(5, 5) << Zone::None;
    QTest::newRow("top-right") << QPoint(327, 4) << Zone::TopRight;
    QTest::newRow("top near the right") << QPoint(326, 4) << Zone::Top;
    QTest::newRow("bottom-right") << QPoint(330, 553) << Zone::BottomRight;
    QTest::newRow("bottom-left") << QPoint(0, 550) << Zone::BottomLeft;
    QTest::newRow("left") << QPoint(4, 100) << Zone::Left;
    QTest::newRow("top") << QPoint(100, 0) << Zone::Top;
    QTest::newRow("bottom") << QPoint(100, 550) << Zone::Bottom;
    QTest::newRow("right") << QPoint(327, 100) << Zone::Right;
    QTest::newRow("middle") << QPoint(100, 100) << Zone::None;
}

void TestMagnetic::zones()
{
    QFETCH(QPoint, point);
    QFETCH(Zone, zone);
    QCOMPARE(MagneticSnap::zoneAt(point, kWindow), zone);
}

void TestMagnetic::resizedKeepsTheOppositeEdges()
{
    const QRect start(100, 100, 200, 150);
    QCOMPARE(MagneticSnap::resized(start, Zone::Right, { 30, 99 }, { 50, 50 }), QRect(100, 100, 230, 150));
    QCOMPARE(MagneticSnap::resized(start, Zone::TopLeft, { 10, 20 }, { 50, 50 }), QRect(110, 120, 190, 130));
    QCOMPARE(MagneticSnap::resized(start, Zone::Left, { 500, 0 }, { 50, 50 }), QRect(250, 100, 50, 150));
}

QPoint TestMagnetic::screenCentre() const
{
    return QGuiApplication::primaryScreen()->geometry().center() - QPoint(100, 75);
}

void TestMagnetic::dragKeepsTheGrabbedPointUnderThePointer()
{
    Owner owner;
    owner.show();
    owner.move(screenCentre());
    const QPoint start = owner.pos();
    drag(&owner, { 10, 10 }, { 60, 40 });
    QCOMPARE(owner.pos(), start + QPoint(50, 30));
    QCOMPARE(owner.presses, 1);
    // Moves keep arriving while the pointer runs ahead of the window.
    send(&owner, QEvent::MouseMove, { 15, 5 }, Qt::LeftButton);
    QCOMPARE(owner.pos(), start + QPoint(55, 25));
}

void TestMagnetic::dragByAChildThatIgnoresThePress()
{
    Owner owner;
    auto* label = new QLabel(QStringLiteral("label"), &owner);
    label->setGeometry(20, 20, 100, 30);
    owner.show();
    owner.move(screenCentre());
    const QPoint start = owner.pos();
    QTest::mousePress(label, Qt::LeftButton, {}, { 5, 5 });
    QTest::mouseMove(label, { 25, 15 });
    QTest::mouseRelease(label, Qt::LeftButton, {}, { 25, 15 });
    QCOMPARE(owner.pos(), start + QPoint(20, 10));
}

void TestMagnetic::inactiveDoesNotMove()
{
    Owner owner;
    owner.magnetic->setActive(false);
    owner.show();
    owner.move(screenCentre());
    const QPoint start = owner.pos();
    drag(&owner, { 10, 10 }, { 60, 40 });
    QCOMPARE(owner.pos(), start);
    QCOMPARE(owner.presses, 1); // the owner still sees its press
}

void TestMagnetic::moveWithoutTheButtonDoesNothing()
{
    Owner owner;
    owner.show();
    owner.move(screenCentre());
    const QPoint start = owner.pos();
    send(&owner, QEvent::MouseButtonPress, { 10, 10 }, Qt::LeftButton);
    send(&owner, QEvent::MouseMove, { 60, 40 }, Qt::NoButton);
    QCOMPARE(owner.pos(), start);
}

void TestMagnetic::firstDragSnapsToTheWindowChosenOnPress()
{
    QWidget mainWindow(nullptr, Qt::FramelessWindowHint);
    mainWindow.setGeometry(300, 100, 200, 300); // right edge at 500
    mainWindow.show();
    Owner owner;
    owner.chooseOnPress = &mainWindow;
    owner.magnetic->setMagEffect(20);
    owner.show();
    owner.move(515, 150);
    // Dragged 2 pixels left: 513 is within 20 of the main window's right edge.
    drag(&owner, { 10, 10 }, { 8, 10 });
    QCOMPARE(owner.pos(), QPoint(500, 150));
}

void TestMagnetic::chosenWindowAttractsWhereItWasAtThePress()
{
    QWidget mainWindow(nullptr, Qt::FramelessWindowHint);
    mainWindow.setGeometry(300, 100, 200, 300);
    mainWindow.show();
    Owner owner;
    owner.chooseOnPress = &mainWindow;
    owner.magnetic->setMagEffect(20);
    owner.show();
    owner.move(515, 150);
    send(&owner, QEvent::MouseButtonPress, { 10, 10 }, Qt::LeftButton);
    mainWindow.move(100, 100);
    send(&owner, QEvent::MouseMove, { 8, 10 }, Qt::LeftButton);
    QCOMPARE(owner.pos(), QPoint(500, 150));
}

void TestMagnetic::canResizeDefaultsToTheOwnersBorder()
{
    Owner borderless;
    QVERIFY(borderless.magnetic->CanResize());
    QWidget framed;
    TMagnetic magnetic(&framed);
    QVERIFY(!magnetic.CanResize());
    QVERIFY(magnetic.Active());
    QCOMPARE(magnetic.MagEffect(), 10);
    QCOMPARE(magnetic.MagOption(), (TMagOption { true, false, false }));
    QCOMPARE(magnetic.CustomHandle(), nullptr);
}

void TestMagnetic::resizeBand()
{
    Owner owner;
    owner.show();
    owner.move(screenCentre());
    const QRect start = owner.geometry();

    owner.magnetic->setCanResize(false);
    send(&owner, QEvent::MouseMove, { 198, 70 }, Qt::NoButton);
    QCOMPARE(owner.cursor().shape(), Qt::ArrowCursor);
    drag(&owner, { 198, 70 }, { 208, 70 });
    QCOMPARE(owner.geometry(), start.translated(10, 0)); // the outline drags like the rest

    owner.setGeometry(start);
    owner.magnetic->setCanResize(true);
    send(&owner, QEvent::MouseMove, { 198, 70 }, Qt::NoButton);
    QCOMPARE(owner.cursor().shape(), Qt::SizeHorCursor);
    send(&owner, QEvent::MouseMove, { 100, 70 }, Qt::NoButton);
    QCOMPARE(owner.cursor().shape(), Qt::ArrowCursor);
    drag(&owner, { 198, 70 }, { 228, 90 });
    QCOMPARE(owner.geometry(), QRect(start.topLeft(), QSize(230, 150)));
}

DAILORA_TEST_MAIN(TestMagnetic)
#include "TestMagnetic.moc"
