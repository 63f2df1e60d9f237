// The assistant's main window and contact list on the offscreen platform, with scripted prompts
// and a session on loopback.
#include "lanmate/chatlog/ChatLogFile.h"
#include "lanmate/net/LanSession.h"
#include "lanmate/ui/BevelPanel.h"
#include "lanmate/ui/ButtonEdit.h"
#include "lanmate/ui/IPList.h"
#include "lanmate/ui/LanmateProgram.h"
#include "lanmate/ui/Main.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString LogName = QStringLiteral("talkRecords.txt");
const QString FileModeError = QStringLiteral("喂，地址框或文件框出错了!");
const QString MessageModeError = QStringLiteral("文件名或IP地址无效！");
const QString ClearQuestion = QStringLiteral("您真想清空聊天记录吗？");
const QString LoadQuestion = QStringLiteral("当前记录会被清空,还要继续吗?");
const QString MeIP = QStringLiteral("127.0.0.1");
const QString PeerIP = QStringLiteral("127.0.0.2");

NetIdentity identity(const QString& ip, const QString& name, const QString& broadcast)
{
    NetIdentity id;
    id.LocalIP = ip;
    id.LocalName = name;
    id.BroadcastIP = broadcast;
    return id;
}

// One assistant on loopback with an empty chat log in its program folder.
struct Assistant
{
    explicit Assistant(bool withLog = true, const QString& broadcast = PeerIP)
        : program(t.context, identity(MeIP, QStringLiteral("me"), broadcast), LanPorts { 0, 0, QHostAddress(MeIP) },
            t.file(QStringLiteral("Lanmate.socket")))
    {
        if (withLog)
            ChatLogFile::save(t.file(LogName), {});
        if (!program.open())
            qFatal("cannot open the assistant's ports");
    }
    TfrmMain& w() { return program.frmMain(); }
    // The main window, shown and exposed, so that mouse and keys reach it.
    TfrmMain& shown()
    {
        program.frmMain().show();
        if (!QTest::qWaitForWindowExposed(&program.frmMain()))
            qFatal("the main window was not exposed");
        return program.frmMain();
    }

    TestContext t;
    LanmateProgram program;
};

void clickCheckBox(QCheckBox* box)
{
    // On the box's text, away from the indicator: the whole control takes the click.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
}

} // namespace

class TestLanmateWindow : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void clientArea();
    void modeBoxesExcludeEachOther();
    void boxesIgnoreInput_data();
    void boxesIgnoreInput();
    void sendNeedsItsBoxes_data();
    void sendNeedsItsBoxes();
    void ctrlEnterSendsEnterAddsLine_data();
    void ctrlEnterSendsEnterAddsLine();
    void chosenContactReceivesTheMessage();
    void doubleClickWithoutRowChoosesNothing();
    void firstStartWithoutLog();
    void mixedLogSurvivesSaveAndLoad();
    void clearAndLoadAskFirst();
    void foreignRtfLoads();
    void entriesShowAsParagraphsWithLineBreaks();
    void receivedFileEmptiesTheBoxes();
    void clockPanelShowsLongTime();
};

void TestLanmateWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");

    QTest::newRow("Panel1") << "Panel1" << QRect(0, 0, 320, 145) << QString() << QString();
    QTest::newRow("SendTo") << "SendTo" << QRect(6, 5, 185, 21) << QString() << QStringLiteral("选择联系人");
    QTest::newRow("FileName") << "FileName" << QRect(6, 49, 229, 22) << QString() << QStringLiteral("选择要发送的文件");
    QTest::newRow("SendStringEdt") << "SendStringEdt" << QRect(6, 94, 227, 21) << QString()
                                   << QStringLiteral("CTRL+ENTER 发送信息");
    QTest::newRow("BtnSend") << "BtnSend" << QRect(3, 117, 315, 29) << QStringLiteral("点 击 发 送 请 求 ")
                             << QString();
    QTest::newRow("RichEdit1") << "RichEdit1" << QRect(0, 145, 320, 309) << QString() << QString();
    QTest::newRow("Gauge") << "Gauge" << QRect(0, 454, 320, 26) << QString() << QString();
}

void TestLanmateWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, hint);
    Assistant a;
    auto* widget = a.w().findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->toolTip(), hint);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), text);
}

void TestLanmateWindow::clientArea()
{
    Assistant a;
    TfrmMain& w = a.w();
    QCOMPARE(w.windowTitle(), QStringLiteral("Lanmate"));
    QCOMPARE(w.centralWidget()->size(), QSize(320, 480));
    QCOMPARE(w.StatusBar1->height(), 26);
    QCOMPARE(w.width(), 320);
    QCOMPARE(w.height() - w.menuBar()->sizeHint().height(), 506);
    QCOMPARE(w.Label2->pos(), QPoint(210, 8));
    QCOMPARE(w.Label2->text(), QStringLiteral("左面选择联系人"));
    QCOMPARE(w.Label1->pos(), QPoint(6, 30));
    QCOMPARE(w.Label1->text(), QStringLiteral("请选择要传送的文件"));
    QCOMPARE(w.Label3->pos(), QPoint(7, 77));
    QCOMPARE(w.Label3->text(), QStringLiteral("在下面编辑框中输入要发送信息"));
    QCOMPARE(w.CheckBox1->pos(), QPoint(244, 48));
    QCOMPARE(w.CheckBox2->pos(), QPoint(244, 96));
    QVERIFY(w.CheckBox1->geometry().right() < 320 && w.CheckBox2->geometry().right() < 320);
    QCOMPARE(w.CheckBox1->text(), QStringLiteral("发送文件"));
    QCOMPARE(w.CheckBox2->text(), QStringLiteral("发送信息"));
    QCOMPARE(w.N1->title(), QStringLiteral("文件"));
    QCOMPARE(w.N2->text(), QStringLiteral("保存聊天纪录"));
    QCOMPARE(w.N3->text(), QStringLiteral("清空聊天记录"));
    QCOMPARE(w.N5->text(), QStringLiteral("装载聊天记录"));
    QCOMPARE(w.N1->actions().size(), 4);
    QVERIFY(w.N1->actions().at(2)->isSeparator());
    QCOMPARE(w.StatusPanel0->width(), 250);
    QCOMPARE(w.StatusPanel1->width(), 50);
    QVERIFY(w.RichEdit1->isReadOnly());

    TfrmIPList& list = a.program.frmIPList();
    QCOMPARE(list.windowTitle(), QStringLiteral("联系人"));
    QCOMPARE(list.size(), QSize(115, 473));
    QCOMPARE(list.List->headerItem()->text(0), QStringLiteral("    计算机名"));
    QCOMPARE(list.List->headerItem()->text(1), QStringLiteral("地址"));
    QCOMPARE(list.List->columnWidth(0), 115);
    QCOMPARE(list.List->columnWidth(1), 1);
    auto* hint = list.StatusBar1->findChild<QLabel*>();
    QVERIFY(hint);
    QCOMPARE(hint->text(), QStringLiteral("双击完成选择"));
}

void TestLanmateWindow::modeBoxesExcludeEachOther()
{
    Assistant a;
    TfrmMain& w = a.shown();
    QVERIFY(w.CheckBox1->isChecked() && !w.CheckBox2->isChecked());

    clickCheckBox(w.CheckBox2);
    QVERIFY(!w.CheckBox1->isChecked() && w.CheckBox2->isChecked());
    // A click on the ticked box moves the tick to the other one.
    clickCheckBox(w.CheckBox2);
    QVERIFY(w.CheckBox1->isChecked() && !w.CheckBox2->isChecked());
    clickCheckBox(w.CheckBox1);
    QVERIFY(!w.CheckBox1->isChecked() && w.CheckBox2->isChecked());
    // The keyboard toggles them the same way.
    w.CheckBox2->setFocus();
    QTest::keyClick(w.CheckBox2, Qt::Key_Space);
    QVERIFY(w.CheckBox1->isChecked() && !w.CheckBox2->isChecked());
}

void TestLanmateWindow::boxesIgnoreInput_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("how");
    for (const char* box : { "SendTo", "FileName" }) {
        for (const char* how : { "typing", "paste", "input method", "drop", "delete" })
            QTest::addRow("%s %s", box, how) << QString::fromLatin1(box) << QString::fromLatin1(how);
    }
}

void TestLanmateWindow::boxesIgnoreInput()
{
    QFETCH(QString, box);
    QFETCH(QString, how);
    Assistant a;
    TfrmMain& w = a.shown();
    auto* edit = w.findChild<ButtonEdit*>(box);
    edit->setText(QStringLiteral("原来"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(10, edit->height() / 2));
    edit->setFocus();

    if (how == QLatin1String("typing")) {
        QTest::keyClicks(edit, QStringLiteral("abc"));
    } else if (how == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(QStringLiteral("粘贴"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (how == QLatin1String("input method")) {
        QInputMethodEvent event;
        event.setCommitString(QStringLiteral("输入法"));
        QCoreApplication::sendEvent(edit, &event);
    } else if (how == QLatin1String("drop")) {
        QMimeData data;
        data.setText(QStringLiteral("拖放"));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(edit, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(edit, &drop);
    } else {
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    }
    QCOMPARE(edit->text(), QStringLiteral("原来"));
    QVERIFY(a.t.prompts.records().isEmpty());
}

void TestLanmateWindow::sendNeedsItsBoxes_data()
{
    QTest::addColumn<bool>("fileMode");
    QTest::addColumn<QString>("contact");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");
    QTest::newRow("message mode, no contact") << false << QString() << QStringLiteral("/tmp/x") << MessageModeError;
    QTest::newRow("file mode, no file") << true << QStringLiteral("peer") << QString() << FileModeError;
    QTest::newRow("file mode, no contact") << true << QString() << QStringLiteral("/tmp/x") << FileModeError;
}

void TestLanmateWindow::sendNeedsItsBoxes()
{
    QFETCH(bool, fileMode);
    QFETCH(QString, contact);
    QFETCH(QString, file);
    QFETCH(QString, error);
    Assistant a;
    TfrmMain& w = a.shown();
    if (!fileMode)
        clickCheckBox(w.CheckBox2);
    if (!contact.isEmpty())
        w.chooseContact(contact, PeerIP);
    w.FileName->setText(file);
    QSignalSpy sent(&a.program.session(), &LanSession::statusChanged);
    a.t.prompts.expectNotice(error);
    QTest::mouseClick(w.BtnSend, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
    QCOMPARE(a.t.prompts.last().caption, QStringLiteral("错误了"));
    QCOMPARE(a.t.prompts.last().icon, Prompts::Icon::Critical);
    QVERIFY(w.BtnSend->isEnabled());
    QVERIFY(w.log().entries().isEmpty());
}

void TestLanmateWindow::ctrlEnterSendsEnterAddsLine_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("sends");
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << true;
    QTest::newRow("keypad Ctrl+Enter") << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier) << true;
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
    QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << false;
}

void TestLanmateWindow::ctrlEnterSendsEnterAddsLine()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, sends);
    Assistant a;
    TfrmMain& w = a.shown();
    clickCheckBox(w.CheckBox2);
    QTest::mouseClick(w.SendStringEdt->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::keyClicks(w.SendStringEdt, QStringLiteral("ab"));
    // Without a contact, a send shows its error box: that is how a send is seen here.
    if (sends)
        a.t.prompts.expectNotice(MessageModeError);
    QTest::keyClick(w.SendStringEdt, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
    QCOMPARE(w.SendStringEdt->toPlainText(), sends ? QStringLiteral("ab") : QStringLiteral("ab\n"));
}

void TestLanmateWindow::chosenContactReceivesTheMessage()
{
    Assistant a;
    TfrmMain& w = a.w();
    // The peer listens on the same datagram port at another loopback address.
    LanSession peer(a.t.prompts, a.t.clock, identity(PeerIP, QStringLiteral("peer"), MeIP),
        LanPorts { a.program.session().datagramPort(), 0, QHostAddress(PeerIP) });
    QVERIFY(peer.open());
    QSignalSpy peerLog(&peer, &LanSession::chatLogged);

    w.show(); // probes: the peer answers and becomes a contact
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTreeWidget* list = a.program.frmIPList().List;
    QTRY_COMPARE(list->topLevelItemCount(), 1);

    bool chosen = false;
    QTimer::singleShot(0, this, [&] {
        TfrmIPList& frmIPList = a.program.frmIPList();
        QTRY_COMPARE(list->topLevelItemCount(), 1); // the list probed again when shown
        QVERIFY(QTest::qWaitForWindowExposed(&frmIPList));
        const QRect row = list->visualItemRect(list->topLevelItem(0));
        // Near the row's lower edge: still the row.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, row.bottom()));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, row.bottom()));
        chosen = !frmIPList.isVisible();
    });
    QTimer::singleShot(5000, this, [&] { a.program.frmIPList().reject(); }); // never hang on a failure
    QTest::mouseClick(w.SendTo->button(), Qt::LeftButton);
    QVERIFY(chosen);
    QVERIFY(!a.program.frmIPList().isVisible());
    QCOMPARE(w.SendTo->text(), QStringLiteral("peer"));
    QCOMPARE(w.TargetIP(), PeerIP);

    clickCheckBox(w.CheckBox2);
    QTest::mouseClick(w.SendStringEdt->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QInputMethodEvent chinese; // Chinese arrives through the input method
    chinese.setCommitString(QStringLiteral("你好"));
    QCoreApplication::sendEvent(w.SendStringEdt, &chinese);
    QTest::keyClick(w.SendStringEdt, Qt::Key_Return);
    QTest::keyClicks(w.SendStringEdt, QStringLiteral("world"));
    QTest::keyClick(w.SendStringEdt, Qt::Key_Return, Qt::ControlModifier);

    QTRY_COMPARE(peerLog.size(), 1);
    const QString time = QLatin1Char('(') + LanSession::longTime(QTime(9, 30)) + QLatin1Char(')');
    QCOMPARE(peerLog.at(0).at(0).toString(), time + QStringLiteral("来自\"me\"的信息：\r你好\r\nworld"));
    QCOMPARE(w.SendStringEdt->toPlainText(), QString());
    const QString logged = time + QStringLiteral("你对\"peer\"说： \n你好\nworld");
    QCOMPARE(w.log().entries(), QStringList { logged });
    QCOMPARE(w.RichEdit1->toPlainText(), logged);
    QVERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
}

void TestLanmateWindow::doubleClickWithoutRowChoosesNothing()
{
    Assistant a;
    TfrmMain& w = a.w();
    TfrmIPList& list = a.program.frmIPList();
    list.addContact(QStringLiteral("peer"), PeerIP);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.addContact(QStringLiteral("peer"), PeerIP); // showing it emptied the list
    list.List->clearSelection();
    QTest::mouseDClick(list.List->viewport(), Qt::LeftButton, {}, QPoint(20, list.List->viewport()->height() - 5));
    QVERIFY(list.isVisible());
    QCOMPARE(w.SendTo->text(), QString());
    QCOMPARE(w.TargetIP(), QString());
}

void TestLanmateWindow::firstStartWithoutLog()
{
    Assistant a(false);
    a.t.prompts.expectError(QStringLiteral("Cannot open file"), true);
    a.program.start();
    QVERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
    QCOMPARE(a.t.prompts.records().size(), 1);
    QVERIFY(a.w().isVisible());
    QCOMPARE(a.w().RichEdit1->toPlainText(), QString());
    QVERIFY(!QFile::exists(a.t.file(LogName)));

    a.w().close();
    QCOMPARE(ChatLogFile::load(a.t.file(LogName)).entries, QStringList());
    QCOMPARE(a.t.prompts.records().size(), 1);
}

void TestLanmateWindow::mixedLogSurvivesSaveAndLoad()
{
    Assistant a;
    a.program.start();
    TfrmMain& w = a.w();
    const QStringList entries { QStringLiteral("(9:30:00)来自\"张三\"的信息：\r你好 hello"),
        QStringLiteral("(9:31:00)你对\"李四\"说： \rline 1\r\n第二行 {braces} \\backslash\\"),
        QStringLiteral("ascii only") };
    for (const QString& entry : entries)
        emit a.program.session().chatLogged(entry);
    const QStringList shown = w.log().entries();

    const QString saved = a.t.file(QStringLiteral("saved.txt"));
    a.t.prompts.expectSaveFile(saved);
    w.N2->trigger();
    QTRY_VERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
    QCOMPARE(a.t.prompts.last().caption, QStringLiteral("设置接收后保存的路径："));

    a.t.prompts.expectConfirm(ClearQuestion, true);
    w.N3->trigger();
    QTRY_VERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
    QCOMPARE(w.RichEdit1->toPlainText(), QString());

    a.t.prompts.expectConfirm(LoadQuestion, true);
    a.t.prompts.expectOpenFile(saved);
    w.N5->trigger();
    QTRY_VERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
    QCOMPARE(w.log().entries(), shown);
    QCOMPARE(w.RichEdit1->document()->blockCount(), 3);

    // And across a restart through the log file.
    w.close();
    Assistant b;
    QFile::remove(b.t.file(LogName));
    QVERIFY(QFile::copy(a.t.file(LogName), b.t.file(LogName)));
    b.program.start();
    QCOMPARE(b.w().log().entries(), shown);
    QCOMPARE(b.w().RichEdit1->toPlainText(), shown.join(QLatin1Char('\n')));
}

void TestLanmateWindow::clearAndLoadAskFirst()
{
    Assistant a;
    a.program.start();
    TfrmMain& w = a.w();
    w.appendEntry(QStringLiteral("keep"));

    a.t.prompts.expectConfirm(ClearQuestion, false);
    w.N3->trigger();
    QTRY_VERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
    QCOMPARE(a.t.prompts.last().caption, QStringLiteral("提示"));
    QCOMPARE(a.t.prompts.last().icon, Prompts::Icon::Information);

    a.t.prompts.expectConfirm(LoadQuestion, false);
    w.N5->trigger();
    QTRY_VERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));

    a.t.prompts.expectConfirm(LoadQuestion, true);
    a.t.prompts.expectOpenFile(QString()); // the dialog cancelled
    w.N5->trigger();
    QTRY_VERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));

    a.t.prompts.expectSaveFile(QString());
    w.N2->trigger();
    QTRY_VERIFY2(a.t.prompts.done(), qPrintable(a.t.prompts.problems()));
    QCOMPARE(w.log().entries(), QStringList { QStringLiteral("keep") });
    QCOMPARE(w.RichEdit1->toPlainText(), QStringLiteral("keep"));
}

void TestLanmateWindow::foreignRtfLoads()
{
    Assistant a(false);
    a.t.writeFile(LogName,
        "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
        "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 \\'c4\\'e3\\'ba\\'c3\\line ok\\par\r\n"
        "\\u19990?\\u30028?\\par\r\n}\r\n");
    a.program.start();
    QCOMPARE(a.w().log().entries(), (QStringList { QStringLiteral("你好\nok"), QStringLiteral("世界") }));
    QCOMPARE(a.w().RichEdit1->toPlainText(), QStringLiteral("你好\nok\n世界"));
}

void TestLanmateWindow::entriesShowAsParagraphsWithLineBreaks()
{
    Assistant a;
    a.program.start();
    TfrmMain& w = a.w();
    w.appendEntry(QStringLiteral("(9:30:00)来自\"张三\"的信息：\r"));
    w.appendEntry(QStringLiteral("second\rentry"));
    QTextDocument* document = w.RichEdit1->document();
    QCOMPARE(document->blockCount(), 2);
    QCOMPARE(
        document->firstBlock().text(), QString(QStringLiteral("(9:30:00)来自\"张三\"的信息：") + QChar::LineSeparator));
    QCOMPARE(document->lastBlock().text(),
        QString(QStringLiteral("second") + QChar::LineSeparator + QStringLiteral("entry")));
}

void TestLanmateWindow::receivedFileEmptiesTheBoxes()
{
    Assistant a;
    TfrmMain& w = a.w();
    w.chooseContact(QStringLiteral("peer"), PeerIP);
    w.FileName->setText(QStringLiteral("/tmp/file"));
    emit a.program.session().gaugeChanged(1000, 500);
    QCOMPARE(w.Gauge->value(), 500);
    emit a.program.session().panelEnabledChanged(false);
    QVERIFY(!w.Panel1->isEnabled());
    emit a.program.session().fileReceived(QStringLiteral("/tmp/saved"));
    QCOMPARE(w.FileName->text(), QString());
    QCOMPARE(w.SendTo->text(), QString());
}

void TestLanmateWindow::clockPanelShowsLongTime()
{
    Assistant a;
    a.t.clock.set(QDateTime(QDate(2024, 2, 10), QTime(14, 5, 9)));
    a.w().Timer1Timer();
    QCOMPARE(a.w().StatusPanel1->text(), LanSession::longTime(QTime(14, 5, 9)));
    QCOMPARE(a.w().Timer1->interval(), 1000);
}

DAILORA_TEST_MAIN(TestLanmateWindow)
#include "TestLanmateWindow.moc"
