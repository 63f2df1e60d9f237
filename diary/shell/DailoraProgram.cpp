#include "diary/shell/DailoraProgram.h"

#include "common/Application.h"
#include "diary/shell/SingleInstance.h"
#include "diary/shell/main.h"

namespace {

const QString InstanceName = QStringLiteral("Dailora");
const QString RunningCaption = QStringLiteral("应用程序已经运行!");
const QString RunningText = QStringLiteral("非常感谢您的使用");

} // namespace

DailoraProgram::DailoraProgram(const AppContext& context)
    : m_mainForm(std::make_unique<TMainForm>(context))
{
}

DailoraProgram::~DailoraProgram() = default;

int runDailora(Application& app, const AppContext& context, const QString& lockFolder)
{
    SingleInstance instance(InstanceName, lockFolder);
    if (!instance.acquire()) {
        context.prompts.notice(RunningText, RunningCaption);
        return 0;
    }
    DailoraProgram program(context);
    TMainForm& mainForm = program.MainForm();
    QObject::connect(&mainForm, &TMainForm::closed, &app, &QCoreApplication::quit);
    mainForm.show();
    if (!mainForm.PasswordPassed())
        return 0; // refused or cancelled at the gate: end without writing anything
    return app.exec();
}
