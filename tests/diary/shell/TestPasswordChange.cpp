#include "diary/shell/CommandLabel.h"
#include "diary/shell/main.h"
#include "tests/diary/store/TreeFileBytes.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QUuid>

using namespace TreeFileBytes;

namespace {

QByteArray passwordFile(const QByteArray& password)
{
    return int32(1) + block({ "node", 1 }) + block({ password });
}

using Texts = std::pair<QString, QString>;

} // namespace

class TestPasswordChange : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wrongOldPasswordChangesNothing();
    void changeToEmpty();
    void longPasswordIsStoredCut();
    void dialogShowsPreviousTexts();
    void missingFileIsCreated();
    void failedSaveKeepsTheOldPassword();

private:
    // Starts a main window on the test folder and passes its gate with password.
    std::unique_ptr<TMainForm> started(const QString& password);
    void change(const std::optional<Texts>& texts);

    std::unique_ptr<TestContext> t;
};

void TestPasswordChange::init()
{
    t = std::make_unique<TestContext>();
}

void TestPasswordChange::cleanup()
{
    QVERIFY2(t->prompts.done(), qPrintable(t->prompts.problems()));
    t.reset();
}

std::unique_ptr<TMainForm> TestPasswordChange::started(const QString& password)
{
    auto form = std::make_unique<TMainForm>(t->context, QUuid::createUuid().toString());
    t->prompts.expectPassword(password);
    form->show();
    return form;
}

void TestPasswordChange::wrongOldPasswordChangesNothing()
{
    t->writeFile("temp.nod", passwordFile("Old"));
    const QByteArray before = t->readFile("temp.nod");
    auto form = started("Old");
    t->prompts.expectPasswordChange(Texts("old", "new"));
    t->prompts.expectNotice(QStringLiteral("原始密码输入错误!!!"));
    QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
    QCOMPARE(t->readFile("temp.nod"), before);
    QVERIFY(form->fcTreeView1().nodeAt(1)->text() == QStringLiteral("Old"));
    QCOMPARE(t->prompts.records().at(1).caption, QStringLiteral("修改密码窗口"));
    QCOMPARE(t->prompts.records().at(1).text, QStringLiteral("原始密码:|修改密码:"));
}

void TestPasswordChange::changeToEmpty()
{
    t->writeFile("temp.nod", passwordFile("Old"));
    auto form = started("Old");
    t->prompts.expectPasswordChange(Texts("Old", ""));
    t->prompts.expectNotice(QStringLiteral("密码修改成功,请记住:"));
    QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
    // The root as loaded (collapsed now), then the password node with record size 39.
    QCOMPARE(t->readFile("temp.nod"), int32(1) + block({ "node", 1 }) + block({ "" }));
}

void TestPasswordChange::longPasswordIsStoredCut()
{
    t->writeFile("temp.nod", passwordFile(""));
    const QString longPassword(300, QLatin1Char('k'));
    {
        auto form = started("");
        t->prompts.expectPasswordChange(Texts("", longPassword));
        t->prompts.expectNotice(QStringLiteral("密码修改成功,请记住:") + longPassword);
        QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
        // In force for the rest of the run, whole.
        t->prompts.expectPasswordChange(Texts(longPassword, longPassword));
        t->prompts.expectNotice(QStringLiteral("密码修改成功,请记住:") + longPassword);
        QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
    }
    QCOMPARE(t->readFile("temp.nod").mid(51, 4), int32(294));
    QCOMPARE(t->readFile("temp.nod").mid(51 + 4 + 39), QByteArray(255, 'k'));

    TMainForm cutWorks(t->context, QUuid::createUuid().toString());
    t->prompts.expectPassword(QString(255, QLatin1Char('k')));
    cutWorks.show();
    QVERIFY(cutWorks.PasswordPassed());
    TMainForm wholeFails(t->context, QUuid::createUuid().toString());
    t->prompts.expectPassword(longPassword);
    t->prompts.expectNotice(QStringLiteral("密码输入错误!!!"));
    wholeFails.show();
    QVERIFY(!wholeFails.PasswordPassed());
}

void TestPasswordChange::dialogShowsPreviousTexts()
{
    t->writeFile("temp.nod", passwordFile("a"));
    auto form = started("a");
    QCOMPARE(t->prompts.last().fields, QStringList({ "" }));
    t->prompts.expectPasswordChange(Texts("x", "y"));
    t->prompts.expectNotice(QStringLiteral("原始密码输入错误!!!"));
    QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
    QCOMPARE(t->prompts.records().at(1).fields, QStringList({ "", "" }));
    t->prompts.expectPasswordChange(std::nullopt);
    QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
    QCOMPARE(t->prompts.last().fields, QStringList({ "x", "y" }));
}

void TestPasswordChange::missingFileIsCreated()
{
    t->prompts.expectError(QStringLiteral("Cannot open file"), true);
    auto form = started("");
    t->prompts.expectPasswordChange(Texts("", "新密码"));
    t->prompts.expectNotice(QStringLiteral("密码修改成功,请记住:新密码"));
    QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
    QCOMPARE(t->readFile("temp.nod"), int32(1) + block({ "node", 1, true }) + block({ "\xD0\xC2\xC3\xDC\xC2\xEB" }));
}

void TestPasswordChange::failedSaveKeepsTheOldPassword()
{
    t->writeFile("temp.nod", passwordFile("a"));
    auto form = started("a");
    QFile::remove(t->file("temp.nod"));
    QDir(t->dir.path()).mkdir(QStringLiteral("temp.nod"));
    // The failure is shown, and no success before it.
    t->prompts.expectPasswordChange(Texts("a", "b"));
    t->prompts.expectError(QStringLiteral("Cannot create file \"%1\". ").arg(t->file("temp.nod")), true);
    QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
    QCOMPARE(form->fcTreeView1().nodeAt(1)->text(), QStringLiteral("a"));

    // Once the file can be written, the old password still opens the change.
    QDir(t->dir.path()).rmdir(QStringLiteral("temp.nod"));
    t->prompts.expectPasswordChange(Texts("a", "c"));
    t->prompts.expectNotice(QStringLiteral("密码修改成功,请记住:c"));
    QTest::mouseClick(form->fcLabel2(), Qt::LeftButton);
    QCOMPARE(t->readFile("temp.nod"), passwordFile("c"));
}

DAILORA_TEST_MAIN(TestPasswordChange)
#include "TestPasswordChange.moc"
