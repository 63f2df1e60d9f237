#include "diary/shell/DailoraProgram.h"

#include "common/Application.h"
#include "diary/shell/AboutForm.h"
#include "diary/shell/DataBackup.h"
#include "diary/shell/SaveDialog.h"
#include "diary/shell/SingleInstance.h"
#include "diary/shell/main.h"
#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/store/dbm.h"
#include "diary/workbench/TypeTree.h"
#include "diary/workbench/WriteDaily_unit.h"

namespace {

const QString InstanceName = QStringLiteral("Dailora");
const QString RunningCaption = QStringLiteral("应用程序已经运行!");
const QString RunningText = QStringLiteral("非常感谢您的使用");

} // namespace

DailoraProgram::DailoraProgram(const AppContext& context)
    : m_context(context)
    , m_mainForm(std::make_unique<TMainForm>(context))
{
    // The diary's rows are counted once the password has been accepted, not before.
    m_dm = std::make_unique<TDM>(context, nullptr, TDM::Open::Later);
    QObject::connect(m_mainForm.get(), &TMainForm::gatePassed, m_dm.get(),
        [this] { reportFailures(m_context.prompts, [&] { m_dm->openDiary(); }); });
    SourceLists sources {
        [this] { return m_bumenRenyuan ? m_bumenRenyuan->SourceList() : QStringList(); },
        [this](const QString& source) { return m_bumenRenyuan ? m_bumenRenyuan->PersonList(source) : QStringList(); },
    };
    m_writeDaily = std::make_unique<TWriteDaily_fm>(context, *m_dm, std::move(sources));
    m_bumenRenyuan = std::make_unique<TBumenRenyuan_form>(context);
    m_about = std::make_unique<TAboutForm1>();
    m_saveDialog = std::make_unique<TSaveDialogForm>();

    DataBackup::Hooks hooks { [this] { closeTables(); }, [this] { reopenTables(); }, [this] { reloadTrees(); } };
    m_backup = std::make_unique<DataBackup>(context, TDM::connectionName(),
        QList<TableLayout> { m_dm->daily_tb.layout(), m_dm->FoundDaily_tb.layout() }, std::move(hooks));

    TMainForm::Windows windows;
    windows.workbench = m_writeDaily.get();
    windows.sources = m_bumenRenyuan.get();
    windows.about = m_about.get();
    windows.backup = m_backup.get();
    m_mainForm->attach(std::move(windows));
}

DailoraProgram::~DailoraProgram() = default;

void DailoraProgram::closeTables()
{
    m_dm->daily_tb.close();
    m_dm->FoundDaily_tb.close();
}

void DailoraProgram::reopenTables()
{
    // The result list stays empty until the next search opens it.
    reportFailures(m_context.prompts, [&] { m_dm->daily_tb.open(); });
}

void DailoraProgram::reloadTrees()
{
    // Read at once, so that no later save writes the old trees over the restored files.
    m_bumenRenyuan->FormCreate();
    m_writeDaily->typeTree->LoadTypeTree();
}

int runDailora(Application& app, const AppContext& context, const QString& lockFolder,
    const std::function<void(DailoraProgram&)>& created)
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
    if (created)
        created(*program);
    TMainForm& mainForm = program->MainForm();
    QObject::connect(&mainForm, &TMainForm::closed, &app, &QCoreApplication::quit);
    mainForm.show();
    if (!mainForm.PasswordPassed())
        return 0; // refused or cancelled at the gate: end without writing anything
    return app.exec();
}
