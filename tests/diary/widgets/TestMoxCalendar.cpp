#include "diary/widgets/CalendarStep.h"
#include "diary/widgets/MoxCalendar.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TestMain.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

const QDate Today(2024, 2, 10); // a Saturday

// Colours that no two roles share, so a pixel tells which role drew it.
const TMoxCalColors TestColors {
    .BackColor = QColor(255, 255, 255),
    .TextColor = QColor(0, 0, 0),
    .TitleBackColor = QColor(0, 0, 128),
    .TitleTextColor = QColor(255, 255, 0),
    .TrailingTextColor = QColor(128, 128, 128),
    .SundayColor = QColor(0, 160, 0),
    .SaturdayColor = QColor(0, 0, 255),
};

// Collects the regions that a widget is asked to repaint.
class PaintRecorder final : public QObject
{
public:
    QRegion region;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

int pixelsOf(const QImage& image, const QRect& box, const QColor& colour)
{
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

QPoint centreOf(const TMoxCalendar& cal, QDate day)
{
    return cal.CellRectOf(day).center();
}

} // namespace

class TestMoxCalendar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstCell_data();
    void firstCell();
    void keyboard_data();
    void keyboard();
    void sameDayOtherTime();
    void repaints_data();
    void repaints();
    void pressDragRelease();
    void pressAndReleaseOutsideGrid();
    void neighbourMonthClickTurnsTheMonth();
    void doubleClick();
    void cellColours_data();
    void cellColours();
    void todayOutline_data();
    void todayOutline();
    void layoutFits();
    void tinyCalendarUsesSize4();
    void step_data();
    void step();

private:
    FixedClock m_clock { QDateTime(Today, QTime(9, 30)) };
    std::unique_ptr<TMoxCalendar> m_cal;
};

void TestMoxCalendar::init()
{
    m_cal = std::make_unique<TMoxCalendar>(m_clock);
    m_cal->setCalColors(TestColors);
    m_cal->resize(370, 221);
    m_cal->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_cal.get()));
}

void TestMoxCalendar::cleanup()
{
    m_cal.reset();
}

void TestMoxCalendar::firstCell_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("first");

    QTest::newRow("first is a Sunday") << QDate(2004, 8, 15) << QDate(2004, 7, 25);
    QTest::newRow("first is a Saturday") << QDate(2004, 5, 31) << QDate(2004, 4, 25);
    QTest::newRow("first is a Monday") << QDate(2004, 3, 1) << QDate(2004, 2, 29);
}

void TestMoxCalendar::firstCell()
{
    QFETCH(QDate, date);
    QFETCH(QDate, first);
    m_cal->setDate(date);
    QCOMPARE(m_cal->FirstCellDate(), first);
    QCOMPARE(m_cal->CellRectOf(first), m_cal->layout().cellRect(0));
}

void TestMoxCalendar::keyboard_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<int>("clicks");

    const int none = Qt::NoModifier;
    QTest::newRow("Right") << QDate(2024, 2, 10) << int(Qt::Key_Right) << none << QDate(2024, 2, 11) << 0;
    QTest::newRow("Right on the last day")
        << QDate(2024, 2, 29) << int(Qt::Key_Right) << none << QDate(2024, 3, 1) << 0;
    QTest::newRow("Left on the first") << QDate(2024, 3, 1) << int(Qt::Key_Left) << none << QDate(2024, 2, 29) << 0;
    QTest::newRow("Up") << QDate(2024, 2, 10) << int(Qt::Key_Up) << none << QDate(2024, 2, 3) << 0;
    QTest::newRow("Down") << QDate(2024, 2, 10) << int(Qt::Key_Down) << none << QDate(2024, 2, 17) << 0;
    QTest::newRow("Page Up clamps") << QDate(2024, 3, 31) << int(Qt::Key_PageUp) << none << QDate(2024, 2, 29) << 0;
    QTest::newRow("Page Down clamps") << QDate(2023, 1, 31) << int(Qt::Key_PageDown) << none << QDate(2023, 2, 28) << 0;
    QTest::newRow("Home") << QDate(2024, 2, 10) << int(Qt::Key_Home) << none << QDate(2024, 2, 1) << 0;
    QTest::newRow("End") << QDate(2024, 2, 10) << int(Qt::Key_End) << none << QDate(2024, 2, 29) << 0;
    QTest::newRow("Home on the first") << QDate(2024, 2, 1) << int(Qt::Key_Home) << none << QDate(2024, 2, 1) << 0;
    QTest::newRow("Enter clicks") << QDate(2024, 2, 10) << int(Qt::Key_Return) << none << QDate(2024, 2, 10) << 1;
    QTest::newRow("Shift held") << QDate(2024, 2, 10) << int(Qt::Key_Right) << int(Qt::ShiftModifier)
                                << QDate(2024, 2, 10) << 0;
    QTest::newRow("Ctrl held") << QDate(2024, 2, 10) << int(Qt::Key_Down) << int(Qt::ControlModifier)
                               << QDate(2024, 2, 10) << 0;
    QTest::newRow("other key") << QDate(2024, 2, 10) << int(Qt::Key_A) << none << QDate(2024, 2, 10) << 0;
}

void TestMoxCalendar::keyboard()
{
    QFETCH(QDate, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QDate, expected);
    QFETCH(int, clicks);

    m_cal->setDate(start);
    QSignalSpy changes(m_cal.get(), &TMoxCalendar::OnChange);
    QSignalSpy clicked(m_cal.get(), &TMoxCalendar::OnClick);
    QTest::keyClick(m_cal.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_cal->Date(), expected);
    QCOMPARE(changes.count(), expected == start ? 0 : 1);
    QCOMPARE(clicked.count(), clicks);
}

void TestMoxCalendar::sameDayOtherTime()
{
    QSignalSpy changes(m_cal.get(), &TMoxCalendar::OnChange);
    QCOMPARE(m_cal->Date(), Today);
    m_cal->setDate(QDateTime(Today, QTime(23, 59)));
    QCOMPARE(changes.count(), 0);
    m_cal->setDate(QDateTime(Today.addDays(1), QTime(0, 1)));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(m_cal->Date(), Today.addDays(1));
}

void TestMoxCalendar::repaints_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<bool>("stemBranch");
    QTest::addColumn<int>("key"); // 0: the date is set by the program
    QTest::addColumn<QDate>("target");
    QTest::addColumn<bool>("wholeMonth");

    QTest::newRow("Right within the month")
        << QDate(2024, 2, 10) << false << int(Qt::Key_Right) << QDate(2024, 2, 11) << false;
    QTest::newRow("Right into the next month")
        << QDate(2024, 2, 29) << false << int(Qt::Key_Right) << QDate(2024, 3, 1) << true;
    QTest::newRow("set within the month") << QDate(2024, 2, 10) << false << 0 << QDate(2024, 2, 20) << false;
    QTest::newRow("stem-branch title follows the keys")
        << QDate(2024, 2, 4) << true << int(Qt::Key_Right) << QDate(2024, 2, 5) << false;
}

void TestMoxCalendar::repaints()
{
    QFETCH(QDate, start);
    QFETCH(bool, stemBranch);
    QFETCH(int, key);
    QFETCH(QDate, target);
    QFETCH(bool, wholeMonth);

    m_cal->setChineseEar(stemBranch);
    m_cal->setDate(start);
    m_cal->repaint();
    const QRect oldCell = m_cal->CellRectOf(start);
    PaintRecorder recorder;
    m_cal->installEventFilter(&recorder);
    if (key)
        QTest::keyClick(m_cal.get(), Qt::Key(key));
    else
        m_cal->setDate(target);
    QCOMPARE(m_cal->Date(), target);
    QTRY_VERIFY(!recorder.region.isEmpty());

    const MoxCalLayout& l = m_cal->layout();
    QRegion expected;
    if (wholeMonth)
        expected = QRegion(l.TitleRect) + l.DaysRect;
    else
        expected = QRegion(oldCell) + m_cal->CellRectOf(target) + (stemBranch ? l.TitleRect : QRect());
    QCOMPARE(recorder.region, expected);
}

void TestMoxCalendar::pressDragRelease()
{
    const QDate a(2024, 2, 13);
    const QDate b(2024, 2, 14);
    const QDate c(2024, 2, 21);
    m_cal->repaint();
    QSignalSpy changes(m_cal.get(), &TMoxCalendar::OnChange);
    PaintRecorder recorder;
    m_cal->installEventFilter(&recorder);

    QTest::mousePress(m_cal.get(), Qt::LeftButton, {}, centreOf(*m_cal, a));
    QCOMPARE(m_cal->TrackedDate(), a);
    QTRY_COMPARE(recorder.region, QRegion(m_cal->CellRectOf(Today)) + m_cal->CellRectOf(a).adjusted(1, 1, -1, -1));

    QTest::mouseMove(m_cal.get(), centreOf(*m_cal, b));
    QTest::mouseMove(m_cal.get(), centreOf(*m_cal, c));
    QCOMPARE(m_cal->TrackedDate(), c);
    QCOMPARE(m_cal->Date(), Today);
    QCOMPARE(changes.count(), 0);

    // Leaving the grid keeps the last tracked day.
    QTest::mouseMove(m_cal.get(), QPoint(5, 5));
    QTest::mouseRelease(m_cal.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(m_cal->Date(), c);
    QCOMPARE(changes.count(), 1);
}

void TestMoxCalendar::pressAndReleaseOutsideGrid()
{
    QSignalSpy changes(m_cal.get(), &TMoxCalendar::OnChange);
    const QPoint title = m_cal->layout().TitleRect.center();
    QTest::mousePress(m_cal.get(), Qt::LeftButton, {}, title);
    QTest::mouseRelease(m_cal.get(), Qt::LeftButton, {}, title);
    QCOMPARE(m_cal->Date(), Today);
    QCOMPARE(changes.count(), 0);
}

void TestMoxCalendar::neighbourMonthClickTurnsTheMonth()
{
    m_cal->setDate(QDate(2004, 8, 15));
    QSignalSpy changes(m_cal.get(), &TMoxCalendar::OnChange);
    QSignalSpy clicked(m_cal.get(), &TMoxCalendar::OnClick);
    QTest::mouseClick(m_cal.get(), Qt::LeftButton, {}, m_cal->layout().cellRect(0).center());
    QCOMPARE(m_cal->Date(), QDate(2004, 7, 25));
    QCOMPARE(m_cal->FirstCellDate(), QDate(2004, 6, 27));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(clicked.count(), 1);

    // 1 August 2004 opens the second row of its own month.
    m_cal->setDate(QDate(2004, 8, 15));
    QTest::mouseClick(m_cal.get(), Qt::LeftButton, {}, m_cal->layout().cellRect(7).center());
    QCOMPARE(m_cal->Date(), QDate(2004, 8, 1));
}

void TestMoxCalendar::doubleClick()
{
    QSignalSpy opened(m_cal.get(), &TMoxCalendar::OnDblClick);
    const QDate day(2024, 2, 20);
    // The events of a real double click: press, release, double click, release.
    const QPoint at = centreOf(*m_cal, day);
    QTest::mouseClick(m_cal.get(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(m_cal.get(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(m_cal.get(), Qt::LeftButton, {}, at);
    QCOMPARE(m_cal->Date(), day);
    QCOMPARE(opened.count(), 1);
}

void TestMoxCalendar::cellColours_data()
{
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<QDate>("cell");
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<QColor>("absent");

    QTest::newRow("Sunday") << Today << QDate(2024, 2, 11) << TestColors.SundayColor << TestColors.TextColor;
    QTest::newRow("Saturday") << Today << QDate(2024, 2, 17) << TestColors.SaturdayColor << TestColors.TextColor;
    QTest::newRow("weekday") << Today << QDate(2024, 2, 14) << TestColors.TextColor << TestColors.SundayColor;
    QTest::newRow("selected Sunday") << QDate(2024, 2, 4) << QDate(2024, 2, 4) << TestColors.TitleTextColor
                                     << TestColors.SundayColor;
    QTest::newRow("neighbouring-month Sunday")
        << Today << QDate(2024, 1, 28) << TestColors.TrailingTextColor << TestColors.SundayColor;
}

void TestMoxCalendar::cellColours()
{
    QFETCH(QDate, selected);
    QFETCH(QDate, cell);
    QFETCH(QColor, shown);
    QFETCH(QColor, absent);

    m_cal->setDate(selected);
    const QImage image = m_cal->grab().toImage();
    const QRect inside = m_cal->CellRectOf(cell).adjusted(3, 3, -3, -3);
    QVERIFY(pixelsOf(image, inside, shown) > 10);
    QCOMPARE(pixelsOf(image, inside, absent), 0);
}

void TestMoxCalendar::todayOutline_data()
{
    QTest::addColumn<QDate>("selected");
    QTest::newRow("not selected") << QDate(2024, 2, 12);
    QTest::newRow("selected") << Today;
}

void TestMoxCalendar::todayOutline()
{
    QFETCH(QDate, selected);
    m_cal->setDate(selected);
    const QImage image = m_cal->grab().toImage();
    const QRect cell = m_cal->CellRectOf(Today);
    const int border = 2 * (cell.width() + cell.height()) - 4;
    const QRegion outline = QRegion(cell) - cell.adjusted(1, 1, -1, -1);
    int red = 0;
    for (const QRect& part : outline)
        red += pixelsOf(image, part, QColor(Qt::red));
    QCOMPARE(red, border);
    const QColor fill = selected == Today ? TestColors.TitleBackColor : TestColors.BackColor;
    QVERIFY(pixelsOf(image, cell.adjusted(1, 1, -1, -1), fill) > 0);
}

// Every text drawn must fit its part of the cell.
void TestMoxCalendar::layoutFits()
{
    const MoxCalLayout& l = m_cal->layout();
    QCOMPARE(l.CellWidth, 52);
    QCOMPARE(l.CellHeight, 27);
    QFont week = m_cal->font();
    week.setPointSize(l.WeekFontSize);
    for (int day = 1; day <= 7; ++day)
        QVERIFY(QFontMetrics(week).horizontalAdvance(m_cal->locale().dayName(day)) <= qRound(0.9 * l.CellWidth));
    QVERIFY(l.DayFontSize > 4);
    QVERIFY(l.LunarFontSize > 4);

    const QString text = QStringLiteral("2024年02月");
    const int size = FitFontSize(m_cal->font(), text, 200, 20);
    QFont font = m_cal->font();
    font.setPointSize(size);
    QVERIFY(QFontMetrics(font).height() <= 20);
    font.setPointSize(size + 1);
    QVERIFY(QFontMetrics(font).height() > 20 || QFontMetrics(font).horizontalAdvance(text) > 200);
    QCOMPARE(FitFontSize(m_cal->font(), QStringLiteral("9"), 10000, 10000), 72);
}

void TestMoxCalendar::tinyCalendarUsesSize4()
{
    for (TMoxCalStyle style : { TMoxCalStyle::csBottom, TMoxCalStyle::csRight, TMoxCalStyle::csNone }) {
        m_cal->setCalStyle(style);
        m_cal->resize(28, 32);
        const MoxCalLayout& l = m_cal->layout();
        QCOMPARE(l.TitleFontSize, 4);
        QCOMPARE(l.WeekFontSize, 4);
        QCOMPARE(l.DayFontSize, 4);
        if (style != TMoxCalStyle::csNone)
            QCOMPARE(l.LunarFontSize, 4);
        QVERIFY(!m_cal->grab().isNull());
    }
}

void TestMoxCalendar::step_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("step");
    QTest::addColumn<QDate>("to");

    const int preYear = int(CalendarStep::PreYear);
    const int nextYear = int(CalendarStep::NextYear);
    const int preMon = int(CalendarStep::PreMon);
    const int nextMon = int(CalendarStep::NextMon);
    QTest::newRow("back from 31 March, leap year") << QDate(2024, 3, 31) << preMon << QDate(2024, 2, 29);
    QTest::newRow("back from 30 March, leap year") << QDate(2024, 3, 30) << preMon << QDate(2024, 2, 29);
    QTest::newRow("back from 29 March, common year") << QDate(2023, 3, 29) << preMon << QDate(2023, 2, 28);
    QTest::newRow("back from 30 March, common year") << QDate(2023, 3, 30) << preMon << QDate(2023, 2, 28);
    QTest::newRow("back from 31 May") << QDate(2024, 5, 31) << preMon << QDate(2024, 4, 30);
    QTest::newRow("back from January") << QDate(2024, 1, 15) << preMon << QDate(2023, 12, 15);
    QTest::newRow("on from 31 January") << QDate(2023, 1, 31) << nextMon << QDate(2023, 2, 28);
    QTest::newRow("on from December") << QDate(2004, 12, 31) << nextMon << QDate(2005, 1, 31);
    QTest::newRow("year back from 29 February") << QDate(2004, 2, 29) << preYear << QDate(2003, 2, 28);
    QTest::newRow("year on from 29 February") << QDate(2004, 2, 29) << nextYear << QDate(2005, 2, 28);
    QTest::newRow("year on") << QDate(2024, 2, 10) << nextYear << QDate(2025, 2, 10);
}

void TestMoxCalendar::step()
{
    QFETCH(QDate, from);
    QFETCH(int, step);
    QFETCH(QDate, to);
    QCOMPARE(StepCalendar(from, CalendarStep(step)), to);
}

DAILORA_TEST_MAIN(TestMoxCalendar)
#include "TestMoxCalendar.moc"
