#pragma once

#include "common/AppContext.h"

#include <functional>
#include <memory>

class Application;
class DataBackup;
class TAboutForm1;
class TBumenRenyuan_form;
class TDM;
class TMainForm;
class TSaveDialogForm;
class TWriteDaily_fm;

// Creates every window and data module of the diary, hidden, in their fixed order, and owns
// them until the program ends.
class DailoraProgram final
{
public:
    explicit DailoraProgram(const AppContext& context);
    ~DailoraProgram();
    Q_DISABLE_COPY_MOVE(DailoraProgram)

    TMainForm& MainForm() const { return *m_mainForm; }
    TDM& DM() const { return *m_dm; }
    TWriteDaily_fm& WriteDaily_fm() const { return *m_writeDaily; }
    TBumenRenyuan_form& BumenRenyuan_form() const { return *m_bumenRenyuan; }
    TAboutForm1& AboutForm1() const { return *m_about; }
    TSaveDialogForm& SaveDialogForm() const { return *m_saveDialog; }
    DataBackup& Backup() const { return *m_backup; }

private:
    void closeTables();
    void reopenTables();
    void reloadTrees();

    AppContext m_context;
    // Destroyed in reverse order: the windows before the data module they show.
    std::unique_ptr<TMainForm> m_mainForm;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TWriteDaily_fm> m_writeDaily;
    std::unique_ptr<TBumenRenyuan_form> m_bumenRenyuan;
    std::unique_ptr<TAboutForm1> m_about;
    std::unique_ptr<TSaveDialogForm> m_saveDialog;
    std::unique_ptr<DataBackup> m_backup;
};

// The program's entry: single copy, creation, password gate, event loop. Returns the exit code.
// created runs once every window exists, before the gate.
int runDailora(Application& app, const AppContext& context, const QString& lockFolder,
    const std::function<void(DailoraProgram&)>& created = {});
