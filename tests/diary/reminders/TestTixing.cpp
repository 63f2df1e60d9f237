#include "diary/reminders/ReminderSound.h"
#include "diary/reminders/ShapeButton.h"
#include "diary/reminders/add_tixing.h"
#include "diary/reminders/dbm1.h"
#include "diary/reminders/showTixingInf.h"
#include "diary/reminders/tixing.h"
#include "diary/store/dbm.h"
#include "diary/toolkit/ImageButton.h"
#include "diary/widgets/Magnetic.h"
#include "diary/widgets/MoxCalendar.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <functional>

namespace {

const QString kOnce = QStringLiteral("到时提醒一次");
const QString kDaily = QStringLiteral("每天提醒一次");
const QString kWeekly = QStringLiteral("每星期提醒一次");
const QDate kToday(2024, 2, 10); // a Saturday

class RecordingSound final : public ReminderSound
{
public:
    void play(const QString& path) override { plays.append(path); }
    QStringList plays;
};

// Scripted prompts that let a timer tick come while a notice is open, as a message box's own
// event loop would.
class TickingPrompts final : public Prompts
{
public:
    explicit TickingPrompts(ScriptedPrompts& script)
        : m_script(script)
    {
    }
    std::function<void()> duringNotice;

    void notice(const QString& text, const QString& caption, Icon icon) override
    {
        if (duringNotice)
            duringNotice();
        m_script.notice(text, caption, icon);
    }
    bool confirm(const QString& text, const QString& caption, Icon icon) override
    {
        return m_script.confirm(text, caption, icon);
    }
    void error(const QString& text) override { m_script.error(text); }
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& text) override
    {
        return m_script.input(caption, prompt, text);
    }
    std::optional<QString> password(const QString& caption, const QString& prompt, const QString& last) override
    {
        return m_script.password(caption, prompt, last);
    }
    std::optional<std::pair<QString, QString>> passwordChange(const QString& caption, const QString& oldLabel,
        const QString& newLabel, const QString& lastOld, const QString& lastNew) override
    {
        return m_script.passwordChange(caption, oldLabel, newLabel, lastOld, lastNew);
    }
    QString openFileName(const QString& c, const QString& f, const QString& x) override
    {
        return m_script.openFileName(c, f, x);
    }
    QString saveFileName(const QString& c, const QString& f, const QString& x) override
    {
        return m_script.saveFileName(c, f, x);
    }
    QString folder(const QString& caption, const QString& prompt, const QString& start) override
    {
        return m_script.folder(caption, prompt, start);
    }
    bool printDialog(QPrinter& printer) override { return m_script.printDialog(printer); }

private:
    ScriptedPrompts& m_script;
};

} // namespace

class TestTixing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dueReminderIsAnnouncedInItsMinute_data();
    void dueReminderIsAnnouncedInItsMinute();
    void announcedOnceWithAndWithoutTheSound_data();
    void announcedOnceWithAndWithoutTheSound();
    void timerRunsAndAnnouncesWithTheWindowNeverShown();
    void dailyReminderIsAnnouncedAgainTheNextDay();
    void changedToALaterMinuteIsAnnouncedThen();
    void todaysListInBetweenCausesNoSecondAnnouncement();
    void todaysListShowsOneEntryALine();
    void todaysListWhenNothingIsDue();
    void scanFailureMessageDoesNotStack();
    void addForAnotherDateShowsThatDateInTheGrid();
    void addAfterModifyStartsFromEmptyFields();
    void modifyChangesTheCurrentRow();
    void clickOnARowsLastPixelMakesItCurrent();
    void modifyAndDeleteWithoutARow_data();
    void modifyAndDeleteWithoutARow();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void kindBoxOnlyPicksFromItsList();
    void contentTakesAtMost254Characters();
    void showingResetsToTodayWithItsWeekday();
    void singleClickChangesTheCalendarNotTheGrid();
    void arrowButtonsStepTheCalendar();
    void hints_data();
    void hints();
    void pressGivesTheMainWindowToTheSnapping();
    void closeButtonHidesAndTheTimerGoesOn();

private:
    void addRow(const QString& date, const QString& time, const QString& kind, const QString& content);
    void tickAt(const QDate& day, const QTime& time);
    // Answers the next modal dialog: answer runs inside it, then OK or Cancel is pressed.
    void answerDialog(bool ok, const std::function<void()>& answer = {});

    std::unique_ptr<TestContext> m_t;
    std::unique_ptr<TickingPrompts> m_prompts;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<Tdm1> m_dm1;
    std::unique_ptr<QWidget> m_mainWindow;
    RecordingSound m_sound;
    std::unique_ptr<TTixingForm> m_form;
    std::unique_ptr<TAddMod_tixing_form> m_dialog;
    std::unique_ptr<TShowTixingInfForm> m_notice;
};

void TestTixing::init()
{
    m_t = std::make_unique<TestContext>();
    m_t->clock.set(QDateTime(kToday, QTime(8, 0)));
    m_t->writeFile("ringin.wav", "RIFF");
    m_prompts = std::make_unique<TickingPrompts>(m_t->prompts);
    m_context = std::make_unique<AppContext>(AppContext { m_t->dir.path(), *m_prompts, m_t->clock });
    m_dm = std::make_unique<TDM>(*m_context);
    m_dm1 = std::make_unique<Tdm1>(*m_context, TDM::connectionName());
    m_mainWindow = std::make_unique<QWidget>();
    m_sound.plays.clear();
    m_form = std::make_unique<TTixingForm>(*m_context, *m_dm1, m_mainWindow.get(), &m_sound);
    m_dialog = std::make_unique<TAddMod_tixing_form>();
    m_notice = std::make_unique<TShowTixingInfForm>();
    m_form->setDialogs(m_dialog.get(), m_notice.get());
}

void TestTixing::cleanup()
{
    m_notice.reset();
    m_dialog.reset();
    m_form.reset();
    m_dm1.reset();
    m_dm.reset();
    m_mainWindow.reset();
    QVERIFY2(m_t->prompts.done(), qPrintable(m_t->prompts.problems()));
    m_prompts.reset();
    m_context.reset();
    m_t.reset();
}

void TestTixing::addRow(const QString& date, const QString& time, const QString& kind, const QString& content)
{
    QVERIFY(m_dm1->AddReminder(kind, content, QDate::fromString(date, Qt::ISODate), QTime::fromString(time)));
}

void TestTixing::tickAt(const QDate& day, const QTime& time)
{
    m_t->clock.set(QDateTime(day, time));
    m_form->Timer1Timer();
}

void TestTixing::answerDialog(bool ok, const std::function<void()>& answer)
{
    QTimer::singleShot(0, this, [this, ok, answer] {
        QVERIFY(m_dialog->isVisible());
        if (answer)
            answer();
        QTest::mouseClick(ok ? m_dialog->Button1 : m_dialog->Button2, Qt::LeftButton);
    });
}

void TestTixing::dueReminderIsAnnouncedInItsMinute_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("announced");
    QTest::newRow("09:29:59") << QTime(9, 29, 59) << false;
    QTest::newRow("09:30:00") << QTime(9, 30, 0) << true;
    QTest::newRow("09:30:59") << QTime(9, 30, 59) << true;
    QTest::newRow("09:31:00") << QTime(9, 31, 0) << false;
}

void TestTixing::dueReminderIsAnnouncedInItsMinute()
{
    QFETCH(QTime, now);
    QFETCH(bool, announced);
    addRow("2024-02-10", "09:30:45", kOnce, "开会");
    tickAt(kToday, now);
    QCOMPARE(m_notice->isVisible(), announced);
    QCOMPARE(m_sound.plays.size(), announced ? 1 : 0);
    if (announced) {
        QCOMPARE(m_notice->Label2->text(), QString("当前事务提醒："));
        QCOMPARE(m_notice->AALabel1->text(), QString("开会"));
        QVERIFY(m_notice->AALabel1->isVisibleTo(m_notice.get()));
        QVERIFY(!m_notice->Label1->isVisibleTo(m_notice.get()));
    }
}

void TestTixing::announcedOnceWithAndWithoutTheSound_data()
{
    QTest::addColumn<bool>("soundFile");
    QTest::newRow("with ringin.wav") << true;
    QTest::newRow("without ringin.wav") << false;
}

void TestTixing::announcedOnceWithAndWithoutTheSound()
{
    QFETCH(bool, soundFile);
    if (!soundFile)
        QVERIFY(QFile::remove(m_t->file("ringin.wav")));
    addRow("2024-02-10", "09:30:00", kOnce, "a");
    addRow("2024-02-10", "09:30:00", kDaily, "b");
    tickAt(kToday, QTime(9, 30, 10));
    tickAt(kToday, QTime(9, 30, 40));
    QVERIFY(m_notice->isVisible());
    QCOMPARE(m_notice->AALabel1->text(), QString("b")); // the last of the minute
    QCOMPARE(m_sound.plays, soundFile ? QStringList(2, m_t->file("ringin.wav")) : QStringList());
}

void TestTixing::timerRunsAndAnnouncesWithTheWindowNeverShown()
{
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_form->Timer1->isActive());
    QCOMPARE(m_form->Timer1->interval(), 30000);
    addRow("2024-02-10", "09:30:00", kWeekly, "周会");
    tickAt(kToday, QTime(9, 30, 20));
    QVERIFY(m_notice->isVisible());
    QCOMPARE(m_notice->AALabel1->text(), QString("周会"));
    QVERIFY(!m_form->isVisible());
}

void TestTixing::dailyReminderIsAnnouncedAgainTheNextDay()
{
    addRow("2024-02-10", "09:30:00", kDaily, "a");
    tickAt(kToday, QTime(9, 30, 1));
    tickAt(kToday, QTime(9, 30, 31));
    tickAt(kToday.addDays(1), QTime(9, 30, 1));
    tickAt(kToday.addDays(1), QTime(9, 30, 31));
    QCOMPARE(m_sound.plays.size(), 2);
}

void TestTixing::changedToALaterMinuteIsAnnouncedThen()
{
    addRow("2024-02-10", "09:30:00", kOnce, "a");
    tickAt(kToday, QTime(9, 30, 1));
    const qint64 seq = m_dm1->explorer_qy.field("Seq").toLongLong();
    QVERIFY(m_dm1->ChangeReminder(seq, kOnce, "a", kToday, QTime(9, 45)));
    tickAt(kToday, QTime(9, 44, 59));
    QCOMPARE(m_sound.plays.size(), 1);
    tickAt(kToday, QTime(9, 45, 29));
    tickAt(kToday, QTime(9, 45, 59));
    QCOMPARE(m_sound.plays.size(), 2);
}

void TestTixing::todaysListInBetweenCausesNoSecondAnnouncement()
{
    addRow("2024-02-10", "09:30:00", kOnce, "a");
    tickAt(kToday, QTime(9, 30, 10));
    QTest::mouseClick(m_form->fcShapeBtn4, Qt::LeftButton);
    QCOMPARE(m_notice->Label2->text(), QString("今日你的事项:"));
    tickAt(kToday, QTime(9, 30, 40));
    QCOMPARE(m_sound.plays.size(), 1);
    QCOMPARE(m_notice->Label2->text(), QString("今日你的事项:"));
}

void TestTixing::todaysListShowsOneEntryALine()
{
    addRow("2024-02-10", "09:30:00", kOnce, "a");
    addRow("2024-01-10", "10:00:00", QStringLiteral("每月提醒一次"), "b");
    addRow("2024-02-11", "11:00:00", kOnce, "tomorrow");
    m_form->fcShapeBtn4Click();
    QVERIFY(m_notice->isVisible());
    QCOMPARE(m_notice->Label2->text(), QString("今日你的事项:"));
    QVERIFY(m_notice->Label1->isVisibleTo(m_notice.get()));
    QVERIFY(!m_notice->AALabel1->isVisibleTo(m_notice.get()));
    QCOMPARE(m_notice->Label1->text(), QString("\n09:30:00 |*| 到时提醒一次 |*| a\n10:00:00|*|每月提醒一次|*|b"));
    QCOMPARE(m_sound.plays, QStringList());
}

void TestTixing::todaysListWhenNothingIsDue()
{
    m_form->fcShapeBtn4Click();
    QCOMPARE(m_notice->Label2->text(), QString("今日你的事项:"));
    QCOMPARE(m_notice->Label1->text(), QString());
    QCOMPARE(m_form->ListBox2, QStringList());
}

void TestTixing::scanFailureMessageDoesNotStack()
{
    m_t->writeFile("tixing.DB", QByteArray(4096, 'x'));
    int nestedTicks = 0;
    m_prompts->duringNotice = [&] {
        ++nestedTicks;
        m_form->Timer1Timer();
    };
    m_t->prompts.expectNotice("取当天提醒记录出错");
    m_form->Timer1Timer();
    QCOMPARE(nestedTicks, 1);
    // Shown again at the next tick once it was closed.
    m_prompts->duringNotice = {};
    m_t->prompts.expectNotice("取当天提醒记录出错");
    m_form->Timer1Timer();
    QVERIFY(!m_notice->isVisible());
}

void TestTixing::addForAnotherDateShowsThatDateInTheGrid()
{
    m_form->show();
    const QDate other(2024, 3, 5);
    answerDialog(true, [&] {
        QCOMPARE(m_dialog->windowTitle(), QString("添加提醒记录窗口"));
        m_dialog->DateTimePicker1->setDate(other);
        m_dialog->DateTimePicker2->setTime(QTime(14, 20, 33));
        m_dialog->ComboBox1->setCurrentIndex(1);
        m_dialog->Memo1->setPlainText("出差");
    });
    m_form->fcShapeBtn1Click();
    QCOMPARE(m_form->MoxCalendar1->Date(), kToday);
    QAbstractItemModel* grid = m_form->DBGrid1->model();
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->index(0, 0).data().toString(), QLocale::system().toString(other, QLocale::ShortFormat));
    QCOMPARE(grid->index(0, 1).data().toString(), QString("14:20:00"));
    QCOMPARE(grid->index(0, 2).data().toString(), kDaily);
    QCOMPARE(grid->index(0, 3).data().toString(), QString("出差"));
}

void TestTixing::addAfterModifyStartsFromEmptyFields()
{
    addRow("2024-02-10", "07:15:00", kWeekly, "abc");
    m_form->show();
    answerDialog(false, [&] {
        QCOMPARE(m_dialog->windowTitle(), QString("编辑事物提醒记录窗口"));
        QCOMPARE(m_dialog->Memo1->toPlainText(), QString("abc"));
        QCOMPARE(m_dialog->ComboBox1->currentText(), kWeekly);
        QCOMPARE(m_dialog->DateTimePicker2->time(), QTime(7, 15));
    });
    m_form->fcShapeBtn2Click();
    m_t->clock.set(QDateTime(kToday, QTime(8, 5, 6)));
    answerDialog(false, [&] {
        QCOMPARE(m_dialog->Memo1->toPlainText(), QString());
        QCOMPARE(m_dialog->ComboBox1->currentText(), kOnce);
        QCOMPARE(m_dialog->DateTimePicker1->date(), kToday);
        QCOMPARE(m_dialog->DateTimePicker2->time(), QTime(8, 5, 6));
    });
    m_form->fcShapeBtn1Click();
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 1); // cancelled: nothing added
}

void TestTixing::modifyChangesTheCurrentRow()
{
    addRow("2024-02-10", "07:00:00", kOnce, "first");
    addRow("2024-02-10", "08:00:00", kOnce, "second");
    m_form->show();
    m_form->DBGrid1->selectRow(1);
    answerDialog(true, [&] {
        QCOMPARE(m_dialog->Memo1->toPlainText(), QString("second"));
        m_dialog->Memo1->setPlainText("changed");
        m_dialog->DateTimePicker2->setTime(QTime(9, 30, 45));
    });
    m_form->fcShapeBtn2Click();
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 2);
    QCOMPARE(m_dm1->explorer_qy.value(1, "neirong").toString(), QString("changed"));
    QCOMPARE(m_dm1->explorer_qy.value(1, "tixingtime").toTime(), QTime(9, 30));
    QCOMPARE(m_dm1->explorer_qy.value(0, "neirong").toString(), QString("first"));
}

void TestTixing::clickOnARowsLastPixelMakesItCurrent()
{
    addRow("2024-02-10", "07:00:00", kOnce, "first");
    addRow("2024-02-10", "08:00:00", kOnce, "second");
    addRow("2024-02-10", "09:00:00", kOnce, "third");
    m_form->show();
    QCOMPARE(m_dm1->explorer_qy.currentRow(), 0);
    const int x = m_form->DBGrid1->columnViewportPosition(3) + 10;
    const int third = m_form->DBGrid1->rowViewportPosition(2);
    QTest::mouseClick(m_form->DBGrid1->viewport(), Qt::LeftButton, {}, { x, third - 1 });
    QCOMPARE(m_dm1->explorer_qy.field("neirong").toString(), QString("second"));
    QTest::mouseClick(m_form->DBGrid1->viewport(), Qt::LeftButton, {}, { x, third });
    QCOMPARE(m_dm1->explorer_qy.field("neirong").toString(), QString("third"));
    m_t->prompts.expectConfirm("确实要删除这条记录吗？", true);
    m_form->fcShapeBtn3Click();
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 2);
    QCOMPARE(m_dm1->explorer_qy.value(1, "neirong").toString(), QString("second"));
}

void TestTixing::modifyAndDeleteWithoutARow_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("modify, day view closed") << false << 2 << "没有记录可以修改";
    QTest::newRow("modify, empty day") << true << 2 << "没有记录可以修改";
    QTest::newRow("delete, day view closed") << false << 3 << "没有记录可以删除";
    QTest::newRow("delete, empty day") << true << 3 << "没有记录可以删除";
}

void TestTixing::modifyAndDeleteWithoutARow()
{
    QFETCH(bool, shown);
    QFETCH(int, button);
    QFETCH(QString, message);
    addRow("2024-02-11", "07:00:00", kOnce, "another day");
    if (shown)
        m_form->show();
    else
        m_dm1->explorer_qy.close();
    m_t->prompts.expectNotice(message);
    QTest::mouseClick(button == 2 ? m_form->fcShapeBtn2 : m_form->fcShapeBtn3, Qt::LeftButton);
    QVERIFY(!m_dialog->isVisible());
}

void TestTixing::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestTixing::deleteAsksFirst()
{
    QFETCH(bool, yes);
    addRow("2024-02-10", "07:00:00", kOnce, "gone");
    m_form->show();
    m_t->prompts.expectConfirm("确实要删除这条记录吗？", yes);
    m_form->fcShapeBtn3Click();
    QCOMPARE(m_t->prompts.last().icon, Prompts::Icon::Warning);
    QCOMPARE(m_dm1->explorer_qy.rowCount(), yes ? 0 : 1);
}

void TestTixing::kindBoxOnlyPicksFromItsList()
{
    m_dialog->show();
    QCOMPARE(m_dialog->ComboBox1->count(), 4);
    QCOMPARE(m_dialog->ComboBox1->itemText(3), QString("每月提醒一次"));
    m_dialog->ComboBox1->setFocus();
    QTest::keyClicks(m_dialog->ComboBox1, "abc ");
    QKeyEvent chinese(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("每"));
    QCoreApplication::sendEvent(m_dialog->ComboBox1, &chinese);
    QCOMPARE(m_dialog->ComboBox1->currentText(), kOnce);
    QTest::keyClick(m_dialog->ComboBox1, Qt::Key_Backspace);
    QCOMPARE(m_dialog->ComboBox1->currentText(), kOnce);
    QTest::keyClick(m_dialog->ComboBox1, Qt::Key_Down);
    QCOMPARE(m_dialog->ComboBox1->currentText(), kDaily);
    m_dialog->hide();
}

void TestTixing::contentTakesAtMost254Characters()
{
    m_dialog->show();
    m_dialog->Memo1->setFocus();
    m_dialog->Memo1->setPlainText(QString(250, QChar(0x4E2D)));
    m_dialog->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_dialog->Memo1, "abcdef");
    QCOMPARE(m_dialog->Memo1->toPlainText(), QString(250, QChar(0x4E2D)) + "abcd");
    m_dialog->hide();
}

void TestTixing::showingResetsToTodayWithItsWeekday()
{
    const QDate sunday(2024, 2, 11);
    addRow("2024-02-11", "07:00:00", kOnce, "sunday");
    m_form->MoxCalendar1->setDate(QDate(2023, 5, 5));
    m_t->clock.set(QDateTime(sunday, QTime(7, 0)));
    m_form->show();
    QCOMPARE(m_form->MoxCalendar1->Date(), sunday);
    QCOMPARE(m_form->weekdayPanel->text(), QString("今天星期日"));
    QCOMPARE(m_dm1->explorer_qy.field("neirong").toString(), QString("sunday"));
    QCOMPARE(m_form->size(), QSize(329, 554));
}

void TestTixing::singleClickChangesTheCalendarNotTheGrid()
{
    addRow("2024-02-12", "07:00:00", kOnce, "monday");
    m_form->show();
    const QRect cell = m_form->MoxCalendar1->CellRectOf(QDate(2024, 2, 12));
    QTest::mouseClick(m_form->MoxCalendar1, Qt::LeftButton, {}, cell.center());
    QCOMPARE(m_form->MoxCalendar1->Date(), QDate(2024, 2, 12));
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 0);
    QTest::mouseDClick(m_form->MoxCalendar1, Qt::LeftButton, {}, cell.center());
    QCOMPARE(m_dm1->explorer_qy.field("neirong").toString(), QString("monday"));
}

void TestTixing::arrowButtonsStepTheCalendar()
{
    m_form->show();
    m_form->MoxCalendar1->setDate(QDate(2024, 3, 31));
    QTest::mouseClick(m_form->PreMonBtn, Qt::LeftButton);
    QCOMPARE(m_form->MoxCalendar1->Date(), QDate(2024, 2, 29));
    QTest::mouseClick(m_form->NextYearBtn, Qt::LeftButton);
    QCOMPARE(m_form->MoxCalendar1->Date(), QDate(2025, 2, 28));
    QTest::mouseClick(m_form->PreYearBtn, Qt::LeftButton);
    QTest::mouseClick(m_form->NextMonBtn, Qt::LeftButton);
    QCOMPARE(m_form->MoxCalendar1->Date(), QDate(2024, 3, 28));
}

void TestTixing::hints_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("hint");
    QTest::newRow("calendar") << "MoxCalendar1"
                              << "双击一个日期显示本天所写的所有提醒";
    QTest::newRow("grid") << "DBGrid1"
                          << "这里放的是本天写的所有提醒";
    QTest::newRow("new") << "fcShapeBtn1"
                         << "新建一个提醒";
    QTest::newRow("modify") << "fcShapeBtn2"
                            << " 对当前的提醒进行修改";
    QTest::newRow("delete") << "fcShapeBtn3"
                            << " 对当前的提醒进行删除";
    QTest::newRow("today") << "fcShapeBtn4"
                           << "浏览今天要提醒的所有内容";
    QTest::newRow("panel") << "fcPanel1"
                           << "";
    QTest::newRow("clock centre") << "Image1"
                                  << "";
}

void TestTixing::hints()
{
    QFETCH(QString, widget);
    QFETCH(QString, hint);
    const QHash<QString, QWidget*> widgets { { "MoxCalendar1", m_form->MoxCalendar1 }, { "DBGrid1", m_form->DBGrid1 },
        { "fcShapeBtn1", m_form->fcShapeBtn1 }, { "fcShapeBtn2", m_form->fcShapeBtn2 },
        { "fcShapeBtn3", m_form->fcShapeBtn3 }, { "fcShapeBtn4", m_form->fcShapeBtn4 },
        { "fcPanel1", m_form->fcPanel1 }, { "Image1", m_form->Image1 } };
    m_form->show();
    m_form->hintPanel->setText("before");
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(widgets.value(widget), &enter);
    QCOMPARE(m_form->hintPanel->text(), hint);
    // Leaving a button for the panel around it empties the hint.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(m_form->fcShapeBtn2, &leave);
    QCOMPARE(m_form->hintPanel->text(), QString());
}

void TestTixing::pressGivesTheMainWindowToTheSnapping()
{
    m_form->show();
    QCOMPARE(m_form->Magnetic1->CustomHandle(), nullptr);
    QCOMPARE(m_form->Magnetic1->MagEffect(), 20);
    QVERIFY(!m_form->Magnetic1->CanResize());
    QVERIFY(!m_form->Magnetic1->MagOption().MagTray);
    m_mainWindow->setGeometry(100, 100, 300, 400);
    m_mainWindow->show();
    const QRect frame = m_mainWindow->frameGeometry();
    const int right = frame.x() + frame.width();
    m_form->move(right + 30, 120);
    // Dragged by the panel around the buttons, 15 pixels left: within 20 of the right edge.
    QTest::mousePress(m_form->fcPanel1, Qt::LeftButton, {}, { 170, 130 });
    QCOMPARE(m_form->Magnetic1->CustomHandle(), m_mainWindow.get());
    QVERIFY(m_form->Magnetic1->MagOption().MagCustom);
    QTest::mouseMove(m_form->fcPanel1, { 155, 130 });
    QTest::mouseRelease(m_form->fcPanel1, Qt::LeftButton, {}, { 155, 130 });
    QCOMPARE(m_form->pos(), QPoint(right, 120));
}

void TestTixing::closeButtonHidesAndTheTimerGoesOn()
{
    m_form->show();
    // Pressed, then released off the button: the window stays.
    QTest::mousePress(m_form->fcImageBtn1, Qt::LeftButton);
    QTest::mouseRelease(m_form->fcImageBtn1, Qt::LeftButton, {}, { -20, 40 });
    QVERIFY(m_form->isVisible());
    QTest::mouseClick(m_form->fcImageBtn1, Qt::LeftButton);
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_form->Timer1->isActive());
    QCOMPARE(m_form->Magnetic1->CustomHandle(), m_mainWindow.get());
}

DAILORA_TEST_MAIN(TestTixing)
#include "TestTixing.moc"
