#include "diary/widgets/MoxCalendar.h"
#include "diary/workbench/DateBox.h"
#include "diary/workbench/DatePopup.h"
#include "diary/workbench/DeskCalendar.h"
#include "diary/toolkit/ImageButton.h"
#include "diary/workbench/TreeComboBox.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

// How the date boxes and the desk calendar show their dates.
class TestWorkbenchLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dateBoxShowsTheShortFormat();
    void dateBoxDropsDownTheMonthCalendar_data();
    void dateBoxDropsDownTheMonthCalendar();
    void deskCalendarIsLegible_data();
    void deskCalendarIsLegible();
    void treeBoxShowsWholeRows();

private:
    static void saveShot(QWidget* widget, const QString& name);

    FixedClock m_clock { QDateTime(QDate(2026, 12, 10), QTime(14, 0)) };
};

void TestWorkbenchLook::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

void TestWorkbenchLook::saveShot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("DAILORA_SHOT_DIR");
    if (!folder.isEmpty())
        widget->grab().save(QDir(folder).filePath(name));
}

void TestWorkbenchLook::dateBoxShowsTheShortFormat()
{
    DateBox box(m_clock);
    box.setDate(QDate(2026, 12, 8));
    // As the lists show dates.
    QCOMPARE(box.findChild<QLineEdit*>()->text(), QLocale().toString(QDate(2026, 12, 8), QLocale::ShortFormat));
    QCOMPARE(box.findChild<QLineEdit*>()->text(), QStringLiteral("2026/12/8"));
}

void TestWorkbenchLook::dateBoxDropsDownTheMonthCalendar_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("arrow clicked") << true;
    QTest::newRow("F4") << false;
}

void TestWorkbenchLook::dateBoxDropsDownTheMonthCalendar()
{
    QFETCH(bool, byMouse);
    QWidget window;
    window.resize(300, 300);
    auto* box = new DateBox(m_clock, &window);
    box->setGeometry(10, 10, 130, 24);
    box->setDate(QDate(2026, 12, 10));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (byMouse)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 6, box->height() / 2));
    else
        QTest::keyClick(box, Qt::Key_F4);
    DatePopup* popup = box->popup();
    QVERIFY(popup->isVisible());
    TMoxCalendar* calendar = popup->calendar()->MoxCalendar1;
    QCOMPARE(calendar->Date(), QDate(2026, 12, 10));
    saveShot(popup, QStringLiteral("datepopup.png"));

    // A month back by its button, then a click on the 3rd picks that day and closes.
    QTest::mouseClick(popup->calendar()->PreMonBtn, Qt::LeftButton);
    QCOMPARE(calendar->Date(), QDate(2026, 11, 10));
    QVERIFY(popup->isVisible());
    QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->CellRectOf(QDate(2026, 11, 3)).center());
    QVERIFY(!popup->isVisible());
    QCOMPARE(box->date(), QDate(2026, 11, 3));
    QCOMPARE(box->findChild<QLineEdit*>()->text(), QStringLiteral("2026/11/3"));
}

void TestWorkbenchLook::deskCalendarIsLegible_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China);
    QTest::newRow("English: long names keep the size that fits") << QLocale(QLocale::English);
}

void TestWorkbenchLook::deskCalendarIsLegible()
{
    QFETCH(QLocale, locale);
    DeskCalendar desk(m_clock);
    desk.resize(232, 226); // as the search page shows it
    TMoxCalendar* calendar = desk.MoxCalendar1;
    calendar->setLocale(locale);
    calendar->setDate(QDate(2026, 12, 10));
    desk.show();
    QVERIFY(QTest::qWaitForWindowExposed(&desk));
    QVERIFY(calendar->SmoothText());
    QCOMPARE(calendar->MinimumPixelSize(), 10);
    const QImage image = calendar->grab().toImage();
    if (locale.language() == QLocale::Chinese)
        saveShot(&desk, QStringLiteral("deskcalendar.png"));

    // The weekday names keep off each column's edges: the first and last two pixel columns
    // of every day column in the weekday row hold nothing but the background.
    const QRect week = calendar->layout().WeekRect;
    const int cell = calendar->layout().CellWidth;
    const QColor background = image.pixelColor(image.width() - 1, week.top());
    for (int column = 0; column < 7; ++column)
        for (const int x : { column * cell, column * cell + cell - 1 })
            for (int y = week.top(); y < week.bottom() - 2; ++y)
                QCOMPARE(image.pixelColor(x, y), background);
}

void TestWorkbenchLook::treeBoxShowsWholeRows()
{
    TreeComboBox box;
    box.resize(120, 22);
    box.show();
    for (int type = 0; type < 4; ++type) {
        TreeNode* node = box.tree().addRoot(QStringLiteral("类型%1").arg(type));
        for (int item = 0; item < 3; ++item)
            box.tree().addChild(node, QStringLiteral("项目%1").arg(item));
    }
    box.dropDown();
    QTreeView* view = box.view();
    QVERIFY(view->isVisible());
    const int rowHeight = view->visualRect(view->model()->index(0, 0)).height();
    QCOMPARE(view->viewport()->height(), 8 * rowHeight);
    QVERIFY(!view->horizontalScrollBar()->isVisible());
    // Scrolling moves by whole rows.
    view->verticalScrollBar()->setValue(1);
    QCOMPARE(view->visualRect(view->indexAt(QPoint(2, 1))).top(), 0);
    view->hide();
}

DAILORA_TEST_MAIN(TestWorkbenchLook)
#include "TestWorkbenchLook.moc"
