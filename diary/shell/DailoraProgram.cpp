#include "diary/shell/DailoraProgram.h"

#include "common/Application.h"
#include "common/DesktopOpener.h"
#include "diary/browse/tongji_unit.h"
#include "diary/reminders/add_tixing.h"
#include "diary/reminders/dbm1.h"
#include "diary/reminders/showTixingInf.h"
#include "diary/reminders/tixing.h"
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

DailoraProgram::DailoraProgram(const AppContext& context, DocumentOpener* opener)
    : m_context(context)
    , m_ownOpener(opener ? nullptr : std::make_unique<DesktopOpener>())
    , m_opener(opener ? opener : m_ownOpener.get())
    , m_mainForm(std::make_unique<TMainForm>(context))
{
    // The diary's rows are counted once the password has been accepted, not before.
    m_dm = std::make_unique<TDM>(context, nullptr, TDM::Open::Later);
    QObject::connect(m_mainForm.get(), &TMainForm::gatePassed, m_dm.get(),
        [this] { reportFailures(m_context.prompts, [&] { m_dm->openDiary(); }); });
    m_dm1 = std::make_unique<Tdm1>(context, TDM::connectionName());
    SourceLists sources {
        [this] { return m_bumenRenyuan ? m_bumenRenyuan->SourceList() : QStringList(); },
        [this](const QString& source) { return m_bumenRenyuan ? m_bumenRenyuan->PersonList(source) : QStringList(); },
    };
    m_writeDaily = std::make_unique<TWriteDaily_fm>(context, *m_dm, std::move(sources));
    m_bumenRenyuan = std::make_unique<TBumenRenyuan_form>(context);
    m_tixing = std::make_unique<TTixingForm>(context, *m_dm1, m_mainForm.get());
    m_tongji = std::make_unique<TTongjiForm>(context, *m_dm, *m_opener);
    m_about = std::make_unique<TAboutForm1>();
    m_saveDialog = std::make_unique<TSaveDialogForm>();
    m_addTixing = std::make_unique<TAddMod_tixing_form>();
    m_showTixing = std::make_unique<TShowTixingInfForm>();
    m_tixing->setDialogs(m_addTixing.get(), m_showTixing.get());

    DataBackup::Hooks hooks { [this] { closeTables(); }, [this] { reopenTables(); }, [this] { reloadTrees(); } };
    m_backup = std::make_unique<DataBackup>(context, TDM::connectionName(),
        QList<TableLayout> { m_dm->daily_tb.layout(), m_dm->FoundDaily_tb.layout(), Tdm1::tixingLayout() },
        std::move(hooks));

    TMainForm::Windows windows;
    windows.workbench = m_writeDaily.get();
    windows.sources = m_bumenRenyuan.get();
    windows.browse = m_tongji.get();
    windows.reminders = m_tixing.get();
    windows.about = m_about.get();
    windows.backup = m_backup.get();
    windows.opener = m_opener;
    m_mainForm->attach(std::move(windows));
}

DailoraProgram::~DailoraProgram() = default;

void DailoraProgram::closeTables()
{
    m_dm->daily_tb.close();
    m_dm->FoundDaily_tb.close();
    m_dm1->closeTable();
}

void DailoraProgram::reopenTables()
{
    // The result list stays empty until the next search opens it; the reminder grid reads its
    // day again, so no reminder is addressed by a key of the replaced table.
    reportFailures(m_context.prompts, [&] { m_dm->daily_tb.open(); });
    reportFailures(m_context.prompts, [&] {
        m_dm1->reopenTable();
        m_dm1->OpenDay(m_tixing->dayViewDate());
    });
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
