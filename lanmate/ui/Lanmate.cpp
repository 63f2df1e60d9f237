#include "common/Application.h"
#include "common/Clock.h"
#include "common/Fonts.h"
#include "common/LanmateContract.h"
#include "common/QtPrompts.h"
#include "lanmate/ui/LanmateProgram.h"

#include <QFont>
#include <QLocale>

int main(int argc, char** argv)
{
    // On Wayland a window cannot place itself; X11 (XWayland) unless the user chose otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    const QString title = QStringLiteral("Lanmate");
    Application app(argc, argv, title);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    installFontSubstitutions();
    QtPrompts prompts(title);
    app.setPrompts(&prompts);
    Clock clock;
    const AppContext context { programFolder(), prompts, clock };
    return runLanmate(app, context, NetIdentity::detect(), {}, LanmateContract::serverName());
}
