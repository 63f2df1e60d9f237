// Saves pictures of the main window with each group open, the About window and the folder
// chooser, for looking at them: shell_shots OUTPUT_FOLDER
#include "diary/shell/AboutForm.h"
#include "diary/shell/OutlookBar.h"
#include "diary/shell/SaveDialog.h"
#include "diary/shell/main.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>

int main(int argc, char** argv)
{
    Application app(argc, argv, QStringLiteral("Dailora"));
    installFontSubstitutions();
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 10));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    TestContext t;
    TMainForm main(t.context);
    for (int group = 0; group < 4; ++group) {
        main.fcOutlookBar1->open(group, false);
        main.grab().save(out.filePath(QStringLiteral("main-group%1.png").arg(group)));
    }
    TAboutForm1 about;
    about.show();
    for (int i = 0; i < 60; ++i)
        about.scrollStep();
    about.grab().save(out.filePath(QStringLiteral("about.png")));
    TSaveDialogForm chooser;
    chooser.Label1->setText(QStringLiteral("请选择保存的位置：           "));
    chooser.show();
    chooser.openAt(QStringLiteral("/usr/share"));
    QTest::qWait(800);
    chooser.openAt(QStringLiteral("/usr/share/fonts"));
    QTest::qWait(800);
    chooser.grab().save(out.filePath(QStringLiteral("chooser.png")));
    return 0;
}
