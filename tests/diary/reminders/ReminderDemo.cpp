// Shows the reminder window, its dialog and its notice with a few reminders of today, for
// looking at them (screenshots); not a test.
#include "common/AppContext.h"
#include "common/Application.h"
#include "common/Clock.h"
#include "common/Fonts.h"
#include "common/QtPrompts.h"
#include "diary/reminders/add_tixing.h"
#include "diary/reminders/dbm1.h"
#include "diary/reminders/showTixingInf.h"
#include "diary/reminders/tixing.h"
#include "diary/store/dbm.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimeEdit>

int main(int argc, char** argv)
{
    Application app(argc, argv, QStringLiteral("Dailora"));
    installFontSubstitutions();
    QTemporaryDir dir;
    QtPrompts prompts(QStringLiteral("Dailora"));
    Clock clock;
    const AppContext context { dir.path(), prompts, clock };
    TDM dm(context);
    Tdm1 dm1(context, TDM::connectionName());
    const QDate today = clock.today();
    dm1.AddReminder(QStringLiteral("到时提醒一次"), QStringLiteral("给张经理回电话"), today, QTime(9, 30));
    dm1.AddReminder(QStringLiteral("每天提醒一次"), QStringLiteral("整理今天的日记"), today, QTime(17, 0));
    dm1.AddReminder(QStringLiteral("每月提醒一次"), QStringLiteral("交月度报表"), today, QTime(10, 15));

    QWidget mainWindow;
    TTixingForm form(context, dm1, &mainWindow);
    TAddMod_tixing_form dialog;
    TShowTixingInfForm notice;
    form.setDialogs(&dialog, &notice);
    form.move(20, 20);
    form.show();

    dialog.setWindowTitle(QStringLiteral("添加提醒记录窗口"));
    dialog.DateTimePicker1->setDate(today);
    dialog.DateTimePicker2->setTime(QTime(14, 30));
    dialog.ComboBox1->setCurrentIndex(2);
    dialog.Memo1->setPlainText(QStringLiteral("每周一上午部门例会，准备上周的工作小结。"));
    dialog.move(380, 20);
    dialog.show();

    if (app.arguments().contains(QStringLiteral("announce"))) {
        dm1.AddReminder(QStringLiteral("到时提醒一次"),
            QStringLiteral("下午三点到会议室开项目评审会，带上打印好的方案。"), today, clock.now().time());
        form.Timer1Timer();
    } else {
        form.fcShapeBtn4Click();
    }
    notice.move(380, 300);
    return app.exec();
}
