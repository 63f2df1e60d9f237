#include "common/Application.h"
#include "common/Clock.h"
#include "common/Fonts.h"
#include "common/QtPrompts.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/shell/SaveDialog.h"
#include "diary/shell/SingleInstance.h"

#include <QFont>
#include <QLocale>

int main(int argc, char** argv)
{
    // On Wayland a program can neither place its windows nor see the pointer outside them, so
    // the borderless bar and its auto-hide need X11 (XWayland) unless the user chose otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    const QString title = QStringLiteral("Dailora");
    Application app(argc, argv, title);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    installFontSubstitutions();
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 10));
    QtPrompts prompts(title);
    app.setPrompts(&prompts);
    Clock clock;
    const AppContext context { programFolder(), prompts, clock };
    return runDailora(app, context, SingleInstance::defaultFolder(), [&prompts](DailoraProgram& program) {
        TSaveDialogForm* chooser = &program.SaveDialogForm();
        prompts.setFolderChooser([chooser](const QString& caption, const QString& prompt, const QString& start) {
            return chooser->choose(caption, prompt, start);
        });
    });
}
