#include "diary/shell/DailoraProgram.h"

#include "common/Application.h"
#include "diary/shell/SingleInstance.h"
#include "diary/shell/main.h"
#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/store/dbm.h"
#include "diary/workbench/WriteDaily_unit.h"

namespace {

const QString InstanceName = QStringLiteral("Dailora");
const QString RunningCaption = QStringLiteral("应用程序已经运行!");
const QString RunningText = QStringLiteral("非常感谢您的使用");

} // namespace

DailoraProgram::DailoraProgram(const AppContext& context)
    : m_mainForm(std::make_unique<TMainForm>(context))
{
    m_dm = std::make_unique<TDM>(context);
    SourceLists sources {
        [this] { return m_bumenRenyuan ? m_bumenRenyuan->SourceList() : QStringList(); },
        [this](const QString& source) { return m_bumenRenyuan ? m_bumenRenyuan->PersonList(source) : QStringList(); },
    };
    m_writeDaily = std::make_unique<TWriteDaily_fm>(context, *m_dm, std::move(sources));
    m_bumenRenyuan = std::make_unique<TBumenRenyuan_form>(context);
    m_mainForm->attach(m_writeDaily.get(), m_bumenRenyuan.get());
}

DailoraProgram::~DailoraProgram() = default;

int runDailora(Application& app, const AppContext& context, const QString& lockFolder)
{
    SingleInstance instance(InstanceName, lockFolder);
    if (!instance.acquire()) {
        if (!instance.heldByAnother()) {
            context.prompts.error(instance.failure());
            return 1;
        }
        context.prompts.notice(RunningText, RunningCaption);
        return 0;
    }
    std::unique_ptr<DailoraProgram> program;
    try {
        program = std::make_unique<DailoraProgram>(context);
    } catch (const AppError& failure) {
        // Without its database the diary cannot run.
        context.prompts.error(failure.message());
        return 1;
    }
    TMainForm& mainForm = program->MainForm();
    QObject::connect(&mainForm, &TMainForm::closed, &app, &QCoreApplication::quit);
    mainForm.show();
    if (!mainForm.PasswordPassed())
        return 0; // refused or cancelled at the gate: end without writing anything
    return app.exec();
}
