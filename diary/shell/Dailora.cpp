#include "common/Application.h"
#include "common/Clock.h"
#include "common/Fonts.h"
#include "common/QtPrompts.h"

#include <QFont>
#include <QLocale>
#include "diary/shell/DailoraProgram.h"
#include "diary/shell/SingleInstance.h"

int main(int argc, char** argv)
{
    const QString title = QStringLiteral("Dailora");
    Application app(argc, argv, title);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    installFontSubstitutions();
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 10));
    QtPrompts prompts(title);
    app.setPrompts(&prompts);
    Clock clock;
    const AppContext context { programFolder(), prompts, clock };
    return runDailora(app, context, SingleInstance::defaultFolder());
}
