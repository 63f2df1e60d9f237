#include "diary/browse/CalendarExport.h"
#include "diary/widgets/MoxCalendar.h"
#include "tests/diary/browse/BrowseFixture.h"
#include "tests/diary/browse/DocxContent.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

const QStringList SundayFirst { u"星期天"_s, u"星期一"_s, u"星期二"_s, u"星期三"_s, u"星期四"_s, u"星期五"_s,
    u"星期六"_s };
const QStringList MondayFirst { u"星期一"_s, u"星期二"_s, u"星期三"_s, u"星期四"_s, u"星期五"_s, u"星期六"_s,
    u"星期天"_s };

QString shortDate(const QDate& day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

} // namespace

class TestCalendarExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void monthCellOf_data();
    void monthCellOf();
    void nextDay_data();
    void nextDay();

    void monthGrid_data();
    void monthGrid();
    void monthTitleAndPage();
    void monthHeader();
    void monthCellWithEntries();
    void weekDays_data();
    void weekDays();
    void weekTitleAndHeader();
    void weekCellWithEntries();
    void tableGrid();
    void packageParts();

    void filesAreTheUsersOwnAndNeverReplaced();
    void insertedLinesBecomeParagraphs_data();
    void insertedLinesBecomeParagraphs();

private:
    DocxContent exportMonth(const QDate& date);
    DocxContent exportWeek(const QDate& date);

    std::unique_ptr<BrowseFixture> f;
};

void TestCalendarExport::init()
{
    f = std::make_unique<BrowseFixture>();
}

void TestCalendarExport::cleanup()
{
    QVERIFY2(f->t.prompts.done(), qPrintable(f->t.prompts.problems()));
    f.reset();
}

DocxContent TestCalendarExport::exportMonth(const QDate& date)
{
    f->form->MoxCalendar1->setDate(date);
    f->form->N1Click();
    return DocxContent::read(f->opener.paths().value(0));
}

DocxContent TestCalendarExport::exportWeek(const QDate& date)
{
    f->form->MoxCalendar1->setDate(date);
    f->form->Word1Click();
    return DocxContent::read(f->opener.paths().value(0));
}

void TestCalendarExport::monthCellOf_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("Saturday the 1st") << QDate(2015, 8, 1) << 2 << 7;
    QTest::newRow("first Sunday after it") << QDate(2015, 8, 2) << 3 << 1;
    QTest::newRow("30th in a sixth week") << QDate(2015, 8, 30) << 7 << 1;
    QTest::newRow("31st") << QDate(2015, 8, 31) << 7 << 2;
    QTest::newRow("Sunday the 1st") << QDate(2015, 2, 1) << 2 << 1;
    QTest::newRow("last of a four-week month") << QDate(2015, 2, 28) << 5 << 7;
}

void TestCalendarExport::monthCellOf()
{
    QFETCH(QDate, day);
    QFETCH(int, row);
    QFETCH(int, column);
    QCOMPARE(CalendarExport::MonthCellOf(day), std::make_pair(row, column));
}

void TestCalendarExport::nextDay_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QDate>("next");
    QTest::newRow("28 Feb, common year") << QDate(2015, 2, 28) << QDate(2015, 3, 1);
    QTest::newRow("28 Feb, leap year") << QDate(2020, 2, 28) << QDate(2020, 2, 29);
    QTest::newRow("29 Feb") << QDate(2020, 2, 29) << QDate(2020, 3, 1);
    QTest::newRow("30-day month") << QDate(2004, 4, 30) << QDate(2004, 5, 1);
    QTest::newRow("31-day month") << QDate(2004, 1, 31) << QDate(2004, 2, 1);
    QTest::newRow("year end") << QDate(2004, 12, 31) << QDate(2005, 1, 1);
    QTest::newRow("30 of a 31-day month") << QDate(2004, 12, 30) << QDate(2004, 12, 31);
}

void TestCalendarExport::nextDay()
{
    QFETCH(QDate, day);
    QFETCH(QDate, next);
    QCOMPARE(CalendarExport::NextDay(day), next);
}

void TestCalendarExport::monthGrid_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::newRow("August 2015") << QDate(2015, 8, 19);
    QTest::newRow("February 2015") << QDate(2015, 2, 10);
    QTest::newRow("February 2016") << QDate(2016, 2, 29);
}

void TestCalendarExport::monthGrid()
{
    QFETCH(QDate, shown);
    const DocxContent doc = exportMonth(shown);
    QCOMPARE(doc.rows.size(), 7);
    // Every cell of the table below the header: the day it holds, or empty.
    QStringList expected(42);
    const QDate first(shown.year(), shown.month(), 1);
    for (QDate d = first; d.month() == shown.month(); d = d.addDays(1)) {
        const auto [row, column] = CalendarExport::MonthCellOf(d);
        expected[(row - 2) * 7 + column - 1] = QString::number(d.day()) + u"号"_s;
    }
    QStringList actual;
    for (int r = 2; r <= 7; ++r) {
        QCOMPARE(doc.rows.at(r - 1).size(), 7);
        for (int c = 1; c <= 7; ++c) {
            QCOMPARE(doc.cell(r, c).paragraphs.size(), 1);
            actual.append(doc.cell(r, c).paragraphs.first().text);
        }
    }
    QCOMPARE(actual, expected);
    if (shown.month() == 8) {
        QCOMPARE(doc.cell(2, 7).texts(), QStringList { u"1号"_s });
        QCOMPARE(doc.cell(7, 1).texts(), QStringList { u"30号"_s });
        QCOMPARE(doc.cell(7, 2).texts(), QStringList { u"31号"_s });
    }
    if (shown.year() == 2015 && shown.month() == 2) {
        QCOMPARE(doc.cell(2, 1).texts(), QStringList { u"1号"_s });
        QCOMPARE(doc.cell(5, 7).texts(), QStringList { u"28号"_s });
        QVERIFY(actual.mid(28).join(QString()).isEmpty()); // rows 6 and 7
    }
}

void TestCalendarExport::monthTitleAndPage()
{
    const DocxContent doc = exportMonth(QDate(2004, 12, 8));
    QCOMPARE(doc.body, (QStringList { u"p"_s, u"tbl"_s, u"p"_s, u"p"_s }));
    const DocxContent::Paragraph title = doc.paragraphs.first();
    QCOMPARE(title.text, QString(26, u' ') + u"我的Dailora"_s + QString(13, u' ') + u"(2004年12月)"_s);
    QVERIFY(title.preserved);
    QCOMPARE(title.alignment, u"center"_s);
    QCOMPARE(title.halfPoints, 40);
    QCOMPARE(doc.paragraphs.at(1).alignment, QString());
    QCOMPARE(doc.orientation, u"landscape"_s);
    QVERIFY(doc.pageWidth > doc.pageHeight);
    QCOMPARE(QFileInfo(f->opener.paths().first()).fileName(), u"我的Dailora 2004年12月.docx"_s);
}

void TestCalendarExport::monthHeader()
{
    const DocxContent doc = exportMonth(QDate(2004, 12, 8));
    for (int c = 1; c <= 7; ++c) {
        const DocxContent::Cell& cell = doc.cell(1, c);
        QCOMPARE(cell.texts(), QStringList { SundayFirst.at(c - 1) });
        QCOMPARE(cell.paragraphs.first().halfPoints, 40);
        // The rose set on Sunday and Saturday comes after the silver.
        QCOMPARE(cell.fill, c == 1 || c == 7 ? u"FF8080"_s : u"C0C0C0"_s);
    }
    QCOMPARE(doc.cell(2, 1).fill, QString());
}

void TestCalendarExport::monthCellWithEntries()
{
    f->add(QDate(2004, 12, 5), u"会议"_s, u"例会"_s, u"办公室"_s, u"张三"_s, u"周会"_s);
    f->add(QDate(2004, 12, 6), u"学习"_s, u"培训"_s, QString(), QString(), u"上午"_s);
    f->add(QDate(2004, 12, 6), u"工作"_s, u"文件"_s, u"财务处"_s, u"王五"_s, u"报表"_s);
    const DocxContent doc = exportMonth(QDate(2004, 12, 20));
    const DocxContent::Cell& fifth = doc.cell(3, 1);
    QCOMPARE(fifth.texts(),
        (QStringList {
            u"5号"_s, u"类型：会议"_s, u"项目：例会"_s, u"来源：办公室"_s, u"人员：张三"_s, u"内容：周会"_s }));
    QCOMPARE(fifth.paragraphs.at(0).alignment, u"center"_s);
    for (const DocxContent::Paragraph& p : fifth.paragraphs.mid(1))
        QCOMPARE(p.alignment, QString());
    for (const DocxContent::Paragraph& p : fifth.paragraphs)
        QCOMPARE(p.halfPoints, 20);
    QCOMPARE(doc.cell(3, 2).texts(),
        (QStringList { u"6号"_s, u"类型：学习"_s, u"项目：培训"_s, u"来源："_s, u"人员："_s, u"内容：上午"_s, QString(),
            u"类型：工作"_s, u"项目：文件"_s, u"来源：财务处"_s, u"人员：王五"_s, u"内容：报表"_s }));
    QCOMPARE(doc.cell(3, 3).texts(), QStringList { u"7号"_s });
}

void TestCalendarExport::weekDays_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDate>("monday");
    QTest::newRow("Sunday") << QDate(2004, 12, 26) << QDate(2004, 12, 20);
    QTest::newRow("Monday") << QDate(2004, 12, 20) << QDate(2004, 12, 20);
    QTest::newRow("across the year") << QDate(2004, 12, 31) << QDate(2004, 12, 27);
    QTest::newRow("28 Feb, common year") << QDate(2015, 2, 28) << QDate(2015, 2, 23);
    QTest::newRow("28 Feb, leap year") << QDate(2020, 2, 28) << QDate(2020, 2, 24);
}

void TestCalendarExport::weekDays()
{
    QFETCH(QDate, shown);
    QFETCH(QDate, monday);
    const DocxContent doc = exportWeek(shown);
    QCOMPARE(doc.rows.size(), 8);
    for (int r = 2; r <= 8; ++r) {
        const QDate day = monday.addDays(r - 2);
        QCOMPARE(doc.cell(r, 2).texts(), QStringList { shortDate(day) });
        QCOMPARE(doc.cell(r, 2).paragraphs.first().alignment, u"center"_s);
    }
    if (shown == QDate(2004, 12, 31))
        QCOMPARE(doc.cell(8, 2).texts(), QStringList { shortDate(QDate(2005, 1, 2)) });
    if (shown == QDate(2015, 2, 28))
        QCOMPARE(doc.cell(8, 2).texts(), QStringList { shortDate(QDate(2015, 3, 1)) });
    if (shown == QDate(2020, 2, 28))
        QCOMPARE(doc.cell(7, 2).texts(), QStringList { shortDate(QDate(2020, 2, 29)) });
}

void TestCalendarExport::weekTitleAndHeader()
{
    const DocxContent doc = exportWeek(QDate(2004, 12, 26));
    QCOMPARE(doc.body, (QStringList { u"p"_s, u"tbl"_s, u"p"_s, u"p"_s }));
    QCOMPARE(doc.paragraphs.first().text, u"我的Dailora"_s);
    QCOMPARE(doc.paragraphs.first().alignment, u"center"_s);
    QCOMPARE(doc.orientation, u"landscape"_s);
    QVERIFY(doc.pageWidth > doc.pageHeight);
    QCOMPARE(doc.gridColumns, (QList<int> { 800, 13280 }));

    QCOMPARE(doc.cell(1, 1).texts(), QStringList { QString() });
    QCOMPARE(doc.cell(1, 1).fill, u"CCCCCC"_s);
    QCOMPARE(doc.cell(1, 2).texts(), QStringList { u"内容"_s });
    QCOMPARE(doc.cell(1, 2).paragraphs.first().halfPoints, 24);
    QCOMPARE(doc.cell(1, 2).paragraphs.first().alignment, u"center"_s);
    QCOMPARE(doc.cell(1, 2).fill, u"CCCCCC"_s);
    for (int r = 2; r <= 8; ++r) {
        const DocxContent::Cell& name = doc.cell(r, 1);
        QCOMPARE(name.texts(), QStringList { MondayFirst.at(r - 2) });
        QCOMPARE(name.paragraphs.first().halfPoints, 24);
        QCOMPARE(name.textDirection, u"tbRlV"_s);
        QCOMPARE(name.fill, r <= 6 ? u"CCCCCC"_s : u"FF8080"_s);
        QCOMPARE(doc.cell(r, 2).fill, QString());
        QCOMPARE(doc.cell(r, 2).paragraphs.first().halfPoints, 20);
        // The vertical names need the height of three characters.
        QVERIFY(doc.rowHeights.at(r - 1) >= 3 * 12 * 20);
    }
}

void TestCalendarExport::weekCellWithEntries()
{
    f->add(QDate(2004, 12, 21), u"会议"_s, u"例会"_s, u"办公室"_s, u"张三"_s, u"周会"_s);
    f->add(QDate(2004, 12, 21), u"工作"_s, u"文件"_s, QString(), QString(), u"报表"_s);
    const DocxContent doc = exportWeek(QDate(2004, 12, 22));
    QCOMPARE(doc.cell(3, 2).texts(),
        (QStringList { shortDate(QDate(2004, 12, 21)), u"类型：会议    ★项目：例会    ★来源：办公室    ★人员：张三"_s,
            u"内容：周会"_s, QString(), u"类型：工作    ★项目：文件    ★来源：    ★人员："_s, u"内容：报表"_s }));
    QVERIFY(doc.cell(3, 2).paragraphs.at(1).preserved);
    QCOMPARE(doc.cell(3, 2).paragraphs.at(1).alignment, QString());
    QCOMPARE(doc.cell(2, 2).texts(), QStringList { shortDate(QDate(2004, 12, 20)) });
}

void TestCalendarExport::tableGrid()
{
    const DocxContent month = exportMonth(QDate(2004, 12, 8));
    const QStringList borders { u"top:single:4"_s, u"left:single:4"_s, u"bottom:single:4"_s, u"right:single:4"_s,
        u"insideH:single:4"_s, u"insideV:single:4"_s };
    QCOMPARE(month.borders, borders);
    QCOMPARE(month.gridColumns.size(), 7);
    QCOMPARE(month.rowHeights, QList<int>(7, 0));
}

void TestCalendarExport::packageParts()
{
    exportWeek(QDate(2004, 12, 8));
    const QString path = f->opener.paths().first();
    const QByteArray types = DocxContent::entry(path, u"[Content_Types].xml"_s);
    for (const char* part : { "/word/document.xml", "/word/styles.xml", "/word/settings.xml" })
        QVERIFY2(types.contains(part), part);
    QVERIFY(DocxContent::entry(path, u"_rels/.rels"_s).contains("Target=\"word/document.xml\""));
    const QByteArray rels = DocxContent::entry(path, u"word/_rels/document.xml.rels"_s);
    QVERIFY(rels.contains("Target=\"styles.xml\"") && rels.contains("Target=\"settings.xml\""));
    QVERIFY(DocxContent::entry(path, u"word/styles.xml"_s).contains("w:docDefaults"));
    QVERIFY(DocxContent::entry(path, u"word/settings.xml"_s).contains("<w:hideSpellingErrors/>"));
}

void TestCalendarExport::filesAreTheUsersOwnAndNeverReplaced()
{
    f->form->MoxCalendar1->setDate(QDate(2004, 12, 8));
    f->form->N1Click();
    const QString first = f->opener.paths().at(0);
    QVERIFY(first.startsWith(QDir(f->home.path()).filePath(u"Documents/Dailora/"_s)));
    QVERIFY(!first.startsWith(f->t.context.programDir));
    QCOMPARE(QFileInfo(first).permissions() & 0x0077, QFile::Permissions());
    QCOMPARE(QFileInfo(QFileInfo(first).path()).permissions() & 0x0077, QFile::Permissions());

    // The user edits the first copy; the next export takes a name of its own.
    QFile edited(first);
    QVERIFY(edited.open(QIODevice::WriteOnly));
    edited.write("edited");
    edited.close();
    f->form->N1Click();
    const QString second = f->opener.paths().at(1);
    QCOMPARE(QFileInfo(second).fileName(), u"我的Dailora 2004年12月 (2).docx"_s);
    QFile check(first);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("edited"));
    f->form->Word1Click();
    QCOMPARE(QFileInfo(f->opener.paths().at(2)).fileName(), u"我的Dailora 2004年12月6日起一周.docx"_s);
}

void TestCalendarExport::insertedLinesBecomeParagraphs_data()
{
    QTest::addColumn<QStringList>("inserts");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::newRow("no line end") << QStringList { u"a"_s } << QStringList { u"a"_s };
    QTest::newRow("ended lines") << QStringList { u"a\r\nb\r\n"_s } << QStringList { u"a"_s, u"b"_s };
    QTest::newRow("empty line between") << QStringList { u"a\r\n\r\nb\r\n"_s }
                                        << QStringList { u"a"_s, QString(), u"b"_s };
    QTest::newRow("second insert after an ended line")
        << QStringList { u"a\r\n"_s, u"b"_s } << QStringList { u"a"_s, u"b"_s };
    QTest::newRow("second insert continues the line")
        << QStringList { u"a"_s, u"b\r\nc"_s } << QStringList { u"ab"_s, u"c"_s };
}

void TestCalendarExport::insertedLinesBecomeParagraphs()
{
    QFETCH(QStringList, inserts);
    QFETCH(QStringList, paragraphs);
    DocCell cell(10);
    for (const QString& text : inserts)
        cell.insertAfter(text);
    QStringList texts;
    for (const DocParagraph& p : cell.paragraphs())
        texts.append(p.text);
    QCOMPARE(texts, paragraphs);
}

DAILORA_TEST_MAIN(TestCalendarExport)
#include "TestCalendarExport.moc"
