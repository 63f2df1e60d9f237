#include "diary/workbench/CalcPopup.h"
#include "diary/workbench/Calculator.h"
#include "diary/workbench/TCalcEdit.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>
#include <QSignalSpy>

class TestCalculator : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void dropDownAsksForOptionsAndWritesTheBox();
};

void TestCalculator::keys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("thousands");
    QTest::addColumn<bool>("decimalPoint");
    QTest::addColumn<QString>("shown");

    QTest::newRow("typing") << "12.5" << false << false << "12.5";
    QTest::newRow("left to right") << "2+3*4=" << false << false << "20";
    QTest::newRow("repeated operator") << "9-4-1=" << false << false << "4";
    QTest::newRow("division") << "1/4=" << false << false << "0.25";
    QTest::newRow("division by zero") << "5/0=" << false << false << "错误";
    QTest::newRow("clear after failure") << "5/0=C7" << false << false << "7";
    QTest::newRow("one decimal point only") << "1..5" << false << false << "1.5";
    QTest::newRow("backspace") << "123<" << false << false << "12";
    QTest::newRow("change sign") << "5~" << false << false << "-5";
    QTest::newRow("percent of left operand") << "200+10%=" << false << false << "220";
    QTest::newRow("thousands") << "1234567" << true << false << "1,234,567";
    QTest::newRow("thousands of a result") << "1000*1000=" << true << false << "1,000,000";
    QTest::newRow("decimal point shown") << "12" << false << true << "12.";
    QTest::newRow("leading zeros dropped") << "007" << false << false << "7";
}

void TestCalculator::keys()
{
    QFETCH(QString, keys);
    QFETCH(bool, thousands);
    QFETCH(bool, decimalPoint);
    QFETCH(QString, shown);

    Calculator calculator;
    for (const QChar key : keys)
        calculator.press(key);
    QCOMPARE(calculator.display(thousands, decimalPoint), shown);
}

void TestCalculator::dropDownAsksForOptionsAndWritesTheBox()
{
    TCalcEdit edit;
    edit.show();
    QCOMPARE(edit.text(), QStringLiteral("0"));
    QCOMPARE(edit.maxLength(), 20);
    connect(&edit, &TCalcEdit::beforeDropDown, &edit, [&edit] {
        CalcOptions options;
        options.closeOnEquals = true;
        options.thousands = true;
        edit.setOptions(options);
    });
    edit.setText(QStringLiteral("1500"));
    edit.dropDown();
    QVERIFY(edit.popup()->isVisible());
    for (const char key : { '*', '2', '=' })
        QTest::mouseClick(edit.popup()->key(QLatin1Char(key)), Qt::LeftButton);
    QCOMPARE(edit.text(), QStringLiteral("3,000"));
    QVERIFY(!edit.popup()->isVisible());
}

DAILORA_TEST_MAIN(TestCalculator)
#include "TestCalculator.moc"
