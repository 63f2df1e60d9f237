#include "diary/shell/SaveDialog.h"
#include "tests/support/TestMain.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

class TestSaveDialog : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void answers_data();
    void answers();
    void keepsTheLastFolderForTheRun();
    void choosingAVolumeOpensItsRoot();
};

namespace {

// Presses one of the chooser's buttons once its loop runs.
void pressLater(TSaveDialogForm& chooser, QPushButton* button)
{
    QTimer::singleShot(0, &chooser, [button] { button->click(); });
}

} // namespace

void TestSaveDialog::layout()
{
    TSaveDialogForm chooser;
    QCOMPARE(chooser.size(), QSize(322, 226));
    QCOMPARE(chooser.windowTitle(), QStringLiteral("数据备份（恢复窗口）"));
    QCOMPARE(chooser.Button1->text(), QStringLiteral("确定"));
    QCOMPARE(chooser.Button2->text(), QStringLiteral("取消"));
    QCOMPARE(chooser.Label1->font().pixelSize(), 19);
    QVERIFY(chooser.Label1->font().bold());
    QStringList roots;
    for (int i = 0; i < chooser.DriveComboBox1->count(); ++i)
        roots.append(chooser.DriveComboBox1->itemData(i).toString());
    QVERIFY(roots.contains("/"));
    QVERIFY(roots.contains(QDir::homePath()));
    // The first time it stands at the current folder.
    QCOMPARE(chooser.folder(), QDir::currentPath());
}

void TestSaveDialog::answers_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("确定") << true;
    QTest::newRow("取消") << false;
}

void TestSaveDialog::answers()
{
    QFETCH(bool, confirm);
    QTemporaryDir folder;
    TSaveDialogForm chooser;
    const QString prompt = QStringLiteral("请指出原来数据备份的位置:        ");
    pressLater(chooser, confirm ? chooser.Button1 : chooser.Button2);
    const QString chosen = chooser.choose(QStringLiteral("数据备份（恢复窗口）"), prompt, folder.path());
    QCOMPARE(chooser.Label1->text(), prompt);
    QCOMPARE(chosen, confirm ? QDir::cleanPath(folder.path()) : QString());
    QCOMPARE(chooser.pathLabel->toolTip(), QDir::cleanPath(folder.path()));
}

void TestSaveDialog::keepsTheLastFolderForTheRun()
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("备份");
    const QString sub = QDir(folder.path()).filePath("备份");
    TSaveDialogForm chooser;
    pressLater(chooser, chooser.Button1);
    QCOMPARE(chooser.choose({}, QStringLiteral("请选择保存的位置：           "), sub), sub);
    pressLater(chooser, chooser.Button1);
    QCOMPARE(chooser.choose({}, QStringLiteral("请指出原来数据备份的位置:        ")), sub);
}

void TestSaveDialog::choosingAVolumeOpensItsRoot()
{
    TSaveDialogForm chooser;
    chooser.openAt(QDir::tempPath());
    const int root = chooser.DriveComboBox1->findData(QStringLiteral("/"));
    QVERIFY(root >= 0);
    chooser.DriveComboBox1->setCurrentIndex(root);
    emit chooser.DriveComboBox1->activated(root);
    QCOMPARE(chooser.folder(), QStringLiteral("/"));
    QCOMPARE(chooser.pathLabel->text(), QStringLiteral("/"));
}

DAILORA_TEST_MAIN(TestSaveDialog)
#include "TestSaveDialog.moc"
