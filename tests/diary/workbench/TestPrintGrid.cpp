#include "tests/diary/workbench/WorkbenchFixture.h"
#include "tests/support/TestMain.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QtPrintSupport/QPrinter>

namespace {

const QString Sure = QStringLiteral("你确定吗？");
const QString NotReady = QStringLiteral("打印机没有准备好！");

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The workbench with entries r001, r002, ... in their content, and prints to PDF files.
struct Printing : Workbench
{
    explicit Printing(int count, TWriteDaily_fm::Mode mode = TWriteDaily_fm::Mode::Write)
    {
        add(count);
        showList(mode);
    }

    void add(int count)
    {
        for (int i = 0; i < count; ++i) {
            t.prompts.expectConfirm(Sure, true);
            dm->AddDiary(QStringLiteral("会议"), QStringLiteral("例会"), QStringLiteral("来源ABCDEFGHIJKL"),
                QStringLiteral("张三"), QStringLiteral("r%1").arg(i + 1, 3, 10, QLatin1Char('0')),
                QDate(2024, 3, 1).addDays(i % 28));
        }
    }

    // Prints the shown list through its print button into a PDF file.
    QString print(const QString& name = QStringLiteral("list.pdf"))
    {
        const QString path = expectPdf(name);
        clickPrint();
        return path;
    }

    void clickPrint() const
    {
        QTest::mouseClick(search() ? wb->searchPanel->fcImageBtn6 : wb->writePanel->fcImageBtn3, Qt::LeftButton);
    }

    // The print dialog's answer: a PDF printer writing the file name in the program folder,
    // or at the path given.
    QString expectPdf(const QString& name)
    {
        const QString dir = qEnvironmentVariable("DAILORA_PRINTS");
        const QString path
            = name.startsWith(QLatin1Char('/')) ? name : (dir.isEmpty() ? t.file(name) : dir + QLatin1Char('/') + name);
        QFile::remove(path);
        t.prompts.expectPrint(true, [path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
        });
        return path;
    }

    // The text of each page.
    static QStringList pages(const QString& pdf)
    {
        // Some CJK fonts map their glyphs to the compatibility radicals: read them as characters.
        QStringList result = run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") })
                                 .normalized(QString::NormalizationForm_KC)
                                 .split(QLatin1Char('\f'));
        if (!result.isEmpty() && result.constLast().trimmed().isEmpty())
            result.removeLast();
        return result;
    }

    // The left edge of the first word that is text, in points.
    static double leftOf(const QString& pdf, const QString& text)
    {
        const QString boxes = run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") })
                                  .normalized(QString::NormalizationForm_KC);
        const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(text));
        const QRegularExpressionMatch match = word.match(boxes);
        return match.hasMatch() ? match.captured(1).toDouble() : -1;
    }
};

int rowsOn(const QString& page)
{
    return int(page.count(QRegularExpression(QStringLiteral("r\\d\\d\\d"))));
}

#define DONE(w) QVERIFY2((w).t.prompts.done(), qPrintable((w).t.prompts.problems()))

} // namespace

class TestPrintGrid : public QObject
{
    Q_OBJECT

private slots:
    void onePage_data();
    void onePage();
    void severalPagesAndExactFill();
    void columnsFollowTheGrid();
    void cancelPrintsNothing();
    void nothingToPrint_data();
    void nothingToPrint();
    void unwritablePrinterIsNotReady();
    void refusedSaveOfPendingEditPrintsNothing();
    void typedCellIsPrinted();
};

void TestPrintGrid::onePage_data()
{
    QTest::addColumn<TWriteDaily_fm::Mode>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("itemHeader");
    QTest::newRow("full list") << TWriteDaily_fm::Mode::Write << QStringLiteral("所有日记") << QStringLiteral("名称");
    QTest::newRow("result list") << TWriteDaily_fm::Mode::Search << QStringLiteral("查询日记")
                                 << QStringLiteral("项目");
}

void TestPrintGrid::onePage()
{
    QFETCH(TWriteDaily_fm::Mode, mode);
    QFETCH(QString, title);
    QFETCH(QString, itemHeader);
    Printing w(1, mode);
    w.t.clock.set(QDateTime(QDate(2025, 11, 12), QTime(13, 14, 15)));
    const QString pdf = w.print(mode == TWriteDaily_fm::Mode::Write ? "full.pdf" : "result.pdf");
    DONE(w);
    const QStringList pages = Printing::pages(pdf);
    QCOMPARE(pages.size(), 1);
    const QString page = pages.constFirst();
    const QStringList lines = page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.value(0).contains(title), qPrintable(page));
    const QStringList header = lines.value(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(header,
        (QStringList { QStringLiteral("日期"), QStringLiteral("类型"), itemHeader, QStringLiteral("来源"),
            QStringLiteral("人员"), QStringLiteral("内容") }));
    const QString row = lines.value(2);
    for (const QString& value : { QLocale().toString(QDate(2024, 3, 1), QLocale::ShortFormat), QStringLiteral("会议"),
             QStringLiteral("例会"), QStringLiteral("张三"), QStringLiteral("r001") })
        QVERIFY2(row.contains(value), qPrintable(row));
    QVERIFY2(!page.contains(QStringLiteral("1.00")), qPrintable(page)); // the hidden key
    const QString footer = lines.constLast();
    QVERIFY2(footer.contains(QLocale().toString(QDate(2025, 11, 12), QLocale::ShortFormat)), qPrintable(footer));
    QVERIFY2(footer.contains(QStringLiteral("13:14:15")), qPrintable(footer));
    QVERIFY2(footer.trimmed().endsWith(QStringLiteral("#1")), qPrintable(footer));
    QCOMPARE(w.cursor().currentRow(), 0);
    // The page renders: dark ink on white paper.
    const QString png = pdf.chopped(4);
    run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-singlefile"), pdf,
            png });
    const QImage image(png + QStringLiteral(".png"));
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    QVERIFY(dark > 50);
}

void TestPrintGrid::severalPagesAndExactFill()
{
    Printing w(70);
    QStringList pages = Printing::pages(w.print());
    DONE(w);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    const int perPage = rowsOn(pages.constFirst());
    int printed = 0;
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY(pages.at(i).contains(QStringLiteral("所有日记")));
        QVERIFY(pages.at(i).contains(QStringLiteral("名称")));
        QVERIFY2(pages.at(i).trimmed().endsWith(QStringLiteral("#%1").arg(i + 1)), qPrintable(pages.at(i)));
        printed += rowsOn(pages.at(i));
    }
    QCOMPARE(printed, 70);
    // The list stands on its last row afterwards.
    QCOMPARE(w.cursor().currentRow(), 69);

    // Rows that exactly fill two pages give two pages.
    const int more = 2 * perPage - 70;
    QVERIFY(more > 0);
    w.add(more);
    pages = Printing::pages(w.print(QStringLiteral("exact.pdf")));
    DONE(w);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(rowsOn(pages.at(0)), perPage);
    QCOMPARE(rowsOn(pages.at(1)), perPage);
    // A second print starts from the first row again.
    QCOMPARE(Printing::pages(w.print(QStringLiteral("again.pdf"))).size(), 2);
    DONE(w);
}

void TestPrintGrid::columnsFollowTheGrid()
{
    Printing w(1);
    const QString wide = w.print(QStringLiteral("wide.pdf"));
    w.grid()->setColumnWidth(SourceCol, 40);
    const QString narrow = w.print(QStringLiteral("narrow.pdf"));
    DONE(w);
    const QString wideText = Printing::pages(wide).value(0);
    const QString narrowText = Printing::pages(narrow).value(0);
    QVERIFY2(wideText.contains(QStringLiteral("来源ABCDEFGHIJKL")), qPrintable(wideText));
    QVERIFY2(!narrowText.contains(QStringLiteral("来源ABCDEFGHIJKL")), qPrintable(narrowText));
    QVERIFY2(narrowText.contains(QStringLiteral("来源")), qPrintable(narrowText));
    // The next column starts further left by the scaled narrowing.
    const double wideLeft = Printing::leftOf(wide, QStringLiteral("人员"));
    const double narrowLeft = Printing::leftOf(narrow, QStringLiteral("人员"));
    QVERIFY(wideLeft > 0 && narrowLeft > 0);
    const double points = (96 - 40) * 72.0 / w.grid()->logicalDpiX();
    QVERIFY2(qAbs((wideLeft - narrowLeft) - points) < 1.5,
        qPrintable(QStringLiteral("%1 %2 %3").arg(wideLeft).arg(narrowLeft).arg(points)));
    // A hidden column is not printed.
    w.grid()->setColumnHidden(PersonCol, true);
    const QString hidden = Printing::pages(w.print(QStringLiteral("hidden.pdf"))).value(0);
    DONE(w);
    QVERIFY(!hidden.contains(QStringLiteral("人员")));
    QVERIFY(!hidden.contains(QStringLiteral("张三")));
}

void TestPrintGrid::cancelPrintsNothing()
{
    Printing w(3);
    w.dm->daily_tb.moveTo(1);
    w.t.prompts.expectPrint(false);
    QTest::mouseClick(w.wb->writePanel->fcImageBtn3, Qt::LeftButton);
    DONE(w);
    QCOMPARE(w.cursor().currentRow(), 1);
    QVERIFY(!w.cursor().eof());
}

void TestPrintGrid::nothingToPrint_data()
{
    QTest::addColumn<TWriteDaily_fm::Mode>("mode");
    QTest::newRow("full list") << TWriteDaily_fm::Mode::Write;
    QTest::newRow("result list") << TWriteDaily_fm::Mode::Search;
}

void TestPrintGrid::nothingToPrint()
{
    QFETCH(TWriteDaily_fm::Mode, mode);
    Printing w(0, mode);
    w.t.prompts.expectNotice(QStringLiteral("没有日记可以打印"));
    (mode == TWriteDaily_fm::Mode::Write ? w.wb->N8 : w.wb->N9)->trigger();
    DONE(w);
}

void TestPrintGrid::unwritablePrinterIsNotReady()
{
    Printing w(2);
    const QString path = w.t.file(QStringLiteral("missing/folder/list.pdf"));
    w.expectPdf(path);
    w.t.prompts.expectNotice(NotReady);
    w.clickPrint();
    DONE(w);
    QCOMPARE(w.t.prompts.last().caption, QStringLiteral("提示！"));
    QCOMPARE(w.t.prompts.last().icon, Prompts::Icon::Information);
    QVERIFY(!QFile::exists(path));
}

void TestPrintGrid::refusedSaveOfPendingEditPrintsNothing()
{
    Printing w(2);
    w.dm->daily_tb.moveTo(1);
    w.dm->daily_tb.edit();
    w.dm->daily_tb.setField(QStringLiteral("Neirong"), QStringLiteral("changed"));
    const QString pdf = w.expectPdf(QStringLiteral("list.pdf"));
    w.t.prompts.expectConfirm(Sure, false);
    w.clickPrint();
    DONE(w);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(w.cursor().state(), TableCursor::State::Edit);
    QCOMPARE(w.cursor().currentRow(), 1);
    QCOMPARE(w.cursor().field(QStringLiteral("Neirong")).toString(), QStringLiteral("changed"));
}

void TestPrintGrid::typedCellIsPrinted()
{
    Printing w(1);
    w.grid()->setCurrentIndex(w.grid()->model()->index(0, ContentCol));
    w.grid()->edit(w.grid()->currentIndex());
    auto* cell = w.grid()->viewport()->findChild<QLineEdit*>();
    QVERIFY(cell);
    cell->selectAll();
    cell->insert(QStringLiteral("typed"));
    const QString pdf = w.expectPdf(QStringLiteral("list.pdf"));
    w.t.prompts.expectConfirm(Sure, true); // the print saves the edit first
    w.clickPrint();
    const QStringList pages = Printing::pages(pdf);
    DONE(w);
    QVERIFY2(pages.value(0).contains(QStringLiteral("typed")), qPrintable(pages.value(0)));
}

DAILORA_TEST_MAIN(TestPrintGrid)
#include "TestPrintGrid.moc"
