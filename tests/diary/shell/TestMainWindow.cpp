#include "diary/shell/AboutForm.h"
#include "diary/shell/CommandLabel.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/shell/OutlookBar.h"
#include "diary/shell/main.h"
#include "tests/diary/store/TreeFileBytes.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTimer>
#include <QUuid>

#include <csignal>

using namespace TreeFileBytes;

namespace {

QString uniqueServerName()
{
    return QStringLiteral("lanmate-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A main window whose gate takes an empty password.
struct Shown
{
    TestContext t;
    bool written = (t.writeFile("temp.nod", int32(1) + block({ "node", 1 }) + block({ "" })), true);
    TMainForm form { t.context, uniqueServerName() };
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void layoutOfTheBar();
    void autoHideBounds_data();
    void autoHideBounds();
    void autoHideNeverAsksAgain();
    void dragFollowsLeftButtonOnly();
    void labelShadowFollowsThePointer();
    void doubleClickIsOneCommand();
    void assistantStartsOnce();
    void runningAssistantIsNotStartedAgain();
    void commandsShowTheirWindows();
};

void TestMainWindow::layoutOfTheBar()
{
    TestContext t;
    t.prompts.expectError(QString(), true); // no password file here
    TMainForm form(t.context, uniqueServerName());
    QCOMPARE(form.size(), QSize(115, 325));
    QCOMPARE(form.pos(), QPoint(670, 96));
    QCOMPARE(form.fcOutlookBar1->geometry(), QRect(10, 65, 93, 235));
    QCOMPARE(form.ShowHide_btn->geometry(), QRect(36, 300, 22, 12));
    QVERIFY(form.ShowHide_btn->isChecked());
    QVERIFY(!form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 100);
    QCOMPARE(form.fcOutlookBar1->groupCount(), 5);
    QCOMPARE(form.fcOutlookBar1->openGroup(), 0);
    const QStringList captions { "Dailora", "工作助手", "数据维护", "帮       助", "退       出" };
    for (int i = 0; i < 5; ++i)
        QCOMPARE(form.fcOutlookBar1->groupButton(i)->text(), captions.at(i));

    // Choosing a group slides it open in steps and closes the one that was open.
    QTest::mouseClick(form.UpdateDadaBtn, Qt::LeftButton);
    QVERIFY(form.fcOutlookBar1->sliding());
    QCOMPARE(form.fcOutlookBar1->openGroup(), 2);
    QTRY_VERIFY(!form.fcOutlookBar1->sliding());
    QVERIFY(form.fcOutlookBar1->panel(2)->isVisible() || !form.isVisible());
    QVERIFY(!form.fcOutlookBar1->panel(0)->isVisibleTo(form.fcOutlookBar1));
    QVERIFY(form.fcOutlookBar1->panel(2)->isVisibleTo(form.fcOutlookBar1));
    QCOMPARE(form.UpdateDadaBtn->y(), 40);
    QCOMPARE(form.ShapeBtn3->y(), 235 - 40);

    auto* search = form.findChild<CommandLabel*>("SearchLabl");
    QCOMPARE(search->text(), QStringLiteral("查　　询"));
    QCOMPARE(search->toolTip(), QStringLiteral("打开日记查询窗口"));
    QCOMPARE(search->font().pixelSize(), 16);
    QVERIFY(search->font().bold());
    auto* help = form.findChild<CommandLabel*>("fcLabel11");
    QCOMPARE(help->font().family(), QStringLiteral("华文行楷"));
    QCOMPARE(help->font().pixelSize(), 19);
    QCOMPARE(help->toolTip(), QStringLiteral("以Word形式显示帮助"));
}

void TestMainWindow::autoHideBounds_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("inside");
    // The window at 670, 96, 115 x 325.
    QTest::newRow("top left corner") << QPoint(670, 96) << true;
    QTest::newRow("x at width - 20") << QPoint(670 + 115 - 20, 200) << true;
    QTest::newRow("x at width - 19") << QPoint(670 + 115 - 19, 200) << false;
    QTest::newRow("y at height - 10") << QPoint(700, 96 + 325 - 10) << true;
    QTest::newRow("y at height - 9") << QPoint(700, 96 + 325 - 9) << false;
    QTest::newRow("left of it") << QPoint(669, 200) << false;
    QTest::newRow("above it") << QPoint(700, 95) << false;
}

void TestMainWindow::autoHideBounds()
{
    QFETCH(QPoint, pointer);
    QFETCH(bool, inside);
    QCOMPARE(TMainForm::pointerInside(pointer, QRect(670, 96, 115, 325)), inside);
}

void TestMainWindow::autoHideNeverAsksAgain()
{
    Shown s;
    TMainForm& form = s.form;
    s.t.prompts.expectPassword(QString());
    form.show();
    QPoint pointer(0, 0);
    form.setPointerSource([&] { return pointer; });
    QTest::mouseClick(form.ShowHide_btn, Qt::LeftButton);
    QVERIFY(!form.ShowHide_btn->isChecked());
    QVERIFY(form.Timer1->isActive());

    form.Timer1Timer();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.pos(), QPoint(670, 96));
    pointer = QPoint(700, 200);
    form.Timer1Timer();
    QVERIFY(form.isVisible());
    pointer = QPoint(670 + 115 - 19, 200);
    form.Timer1Timer();
    QVERIFY(!form.isVisible());

    // Auto-hide off shows the window for good.
    QTest::mouseClick(form.ShowHide_btn, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(form.ShowHide_btn->isChecked());
    QVERIFY(!form.Timer1->isActive());
    QVERIFY(form.isVisible());
    QVERIFY2(s.t.prompts.done(), qPrintable(s.t.prompts.problems()));
}

void TestMainWindow::dragFollowsLeftButtonOnly()
{
    Shown s;
    TMainForm& form = s.form;
    s.t.prompts.expectPassword(QString());
    form.show();
    const QPoint start = form.pos();

    sendMouse(&form, QEvent::MouseButtonPress, QPoint(50, 20), Qt::RightButton, Qt::RightButton);
    QCOMPARE(QPoint(form.dragX(), form.dragY()), QPoint(50, 20));
    sendMouse(&form, QEvent::MouseMove, QPoint(90, 60), Qt::NoButton, Qt::RightButton);
    QCOMPARE(form.pos(), start);
    sendMouse(&form, QEvent::MouseButtonRelease, QPoint(90, 60), Qt::RightButton, Qt::NoButton);

    // The left button drags from the anchor the last press set, also past the window's edge.
    sendMouse(&form, QEvent::MouseButtonPress, QPoint(10, 8), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&form, QEvent::MouseMove, QPoint(140, -30), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(form.pos(), start + QPoint(130, -38));
    QVERIFY2(s.t.prompts.done(), qPrintable(s.t.prompts.problems()));
}

void TestMainWindow::labelShadowFollowsThePointer()
{
    CommandLabel label(QStringLiteral("关于"));
    label.resize(80, 26);
    QVERIFY(label.shadow());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&label, &enter);
    QVERIFY(label.shadow());
    QTest::mousePress(&label, Qt::LeftButton);
    QVERIFY(!label.shadow());
    QTest::mouseRelease(&label, Qt::LeftButton);
    QVERIFY(label.shadow());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    QVERIFY(!label.shadow());
}

void TestMainWindow::doubleClickIsOneCommand()
{
    CommandLabel label(QStringLiteral("网络助手"));
    label.resize(80, 26);
    QSignalSpy clicked(&label, &CommandLabel::clicked);
    const QPoint at(40, 13);
    sendMouse(&label, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&label, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    sendMouse(&label, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&label, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicked.size(), 1);
    // A release off the label after pressing on it is no click.
    sendMouse(&label, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&label, QEvent::MouseButtonRelease, QPoint(120, 13), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicked.size(), 1);
    sendMouse(&label, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&label, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicked.size(), 2);
}

void TestMainWindow::assistantStartsOnce()
{
    Shown s;
    // An assistant that takes its time: it counts its starts and never opens its window.
    s.t.writeFile("Lanmate.dat", "#!/bin/sh\necho started >> \"$(dirname \"$0\")/starts\"\nexec sleep 30\n");
    QFile::setPermissions(
        s.t.file("Lanmate.dat"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    TMainForm& form = s.form;
    s.t.prompts.expectPassword(QString());
    form.show();
    form.fcOutlookBar1->open(1, false);
    auto* assistant = form.findChild<CommandLabel*>("fcLabel1");
    QTest::mouseClick(assistant, Qt::LeftButton);
    const qint64 pid = form.lanmate().startedPid();
    QVERIFY(pid > 0);
    QTest::mouseClick(assistant, Qt::LeftButton);
    QTest::mouseDClick(assistant, Qt::LeftButton);
    QCOMPARE(form.lanmate().startedPid(), pid);
    QTRY_COMPARE(s.t.readFile("starts"), QByteArray("started\n"));
    ::kill(pid_t(pid), SIGTERM);
    // Once it has gone, the command starts it again.
    QTRY_VERIFY(::kill(pid_t(pid), 0) != 0);
    form.fcLabel1Click();
    QVERIFY(form.lanmate().startedPid() != pid);
    QTRY_COMPARE(s.t.readFile("starts"), QByteArray("started\nstarted\n"));
    ::kill(pid_t(form.lanmate().startedPid()), SIGTERM);
    QVERIFY2(s.t.prompts.done(), qPrintable(s.t.prompts.problems()));
}

void TestMainWindow::runningAssistantIsNotStartedAgain()
{
    TestContext t;
    t.prompts.expectError(QString(), true);
    const QString name = uniqueServerName();
    QLocalServer running;
    QVERIFY(running.listen(name));
    t.writeFile("Lanmate.dat", "#!/bin/sh\necho started >> \"$(dirname \"$0\")/starts\"\n");
    QFile::setPermissions(t.file("Lanmate.dat"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    TMainForm form(t.context, name);
    form.fcLabel1Click();
    QCOMPARE(form.lanmate().startedPid(), 0);
    QVERIFY(!QFile::exists(t.file("starts")));
}

void TestMainWindow::commandsShowTheirWindows()
{
    TestContext t;
    t.writeFile("temp.nod", int32(1) + block({ "node", 1 }) + block({ "" }));
    t.writeFile("treeview.nod", int32(0));
    t.writeFile("typtreeview.nod", int32(0));
    DailoraProgram program(t.context);
    TMainForm& main = program.MainForm();
    t.prompts.expectPassword(QString());
    main.show();
    QVERIFY(!program.AboutForm1().isVisible());
    main.fcOutlookBar1->open(3, false);
    QTest::mouseClick(main.findChild<CommandLabel*>("fcLabel10"), Qt::LeftButton);
    QVERIFY(program.AboutForm1().isVisible());
    QVERIFY(program.AboutForm1().scrollText().contains(QStringLiteral("使用说明\n见帮助")));
    QTest::mouseClick(program.AboutForm1().fcImageBtn1, Qt::LeftButton);
    QVERIFY(!program.AboutForm1().isVisible());

    // Cancelled choosers close no table.
    main.fcOutlookBar1->open(2, false);
    t.prompts.expectFolder(QStringLiteral("请选择保存的位置：           "), QString());
    QTest::mouseClick(main.findChild<CommandLabel*>("fcLabel12"), Qt::LeftButton);
    t.prompts.expectFolder(QStringLiteral("请指出原来数据备份的位置:        "), QString());
    QTest::mouseClick(main.findChild<CommandLabel*>("fcLabel13"), Qt::LeftButton);
    QCOMPARE(t.prompts.records().last().caption, QStringLiteral("数据备份（恢复窗口）"));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

DAILORA_TEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
