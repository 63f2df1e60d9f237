#include "common/AppError.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QPushButton>
#include <QTest>

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void uncaughtFailureReachesErrorDisplay();
};

void TestApplication::uncaughtFailureReachesErrorDisplay()
{
    TestContext t;
    QPushButton button(QStringLiteral("x"));
    connect(&button, &QPushButton::clicked, [] { throw AppError(QStringLiteral("写入失败")); });
    button.show();
    t.prompts.expectError(QStringLiteral("写入失败"));
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    // The loop goes on: a second click is handled as well.
    t.prompts.expectError(QStringLiteral("写入失败"));
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(t.prompts.done());
}

DAILORA_TEST_MAIN(TestApplication)
#include "TestApplication.moc"
