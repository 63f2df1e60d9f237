#pragma once

#include "common/AppContext.h"

#include <functional>
#include <memory>

class Application;
class DataBackup;
class DocumentOpener;
class TAddMod_tixing_form;
class TShowTixingInfForm;
class TTixingForm;
class TTongjiForm;
class Tdm1;
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
    // opener: how documents are opened; the desktop's own opener when none is given.
    explicit DailoraProgram(const AppContext& context, DocumentOpener* opener = nullptr);
    ~DailoraProgram();
    Q_DISABLE_COPY_MOVE(DailoraProgram)

    TMainForm& MainForm() const { return *m_mainForm; }
    TDM& DM() const { return *m_dm; }
    Tdm1& dm1() const { return *m_dm1; }
    TTixingForm& TixingForm() const { return *m_tixing; }
    TTongjiForm& TongjiForm() const { return *m_tongji; }
    TAddMod_tixing_form& AddMod_tixing_form() const { return *m_addTixing; }
    TShowTixingInfForm& ShowTixingInfForm() const { return *m_showTixing; }
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
    std::unique_ptr<DocumentOpener> m_ownOpener;
    DocumentOpener* m_opener;
    // Created in this order and destroyed in reverse: the windows before the data modules.
    std::unique_ptr<TMainForm> m_mainForm;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<Tdm1> m_dm1;
    std::unique_ptr<TWriteDaily_fm> m_writeDaily;
    std::unique_ptr<TBumenRenyuan_form> m_bumenRenyuan;
    std::unique_ptr<TTixingForm> m_tixing;
    std::unique_ptr<TTongjiForm> m_tongji;
    std::unique_ptr<TAboutForm1> m_about;
    std::unique_ptr<TSaveDialogForm> m_saveDialog;
    std::unique_ptr<TAddMod_tixing_form> m_addTixing;
    std::unique_ptr<TShowTixingInfForm> m_showTixing;
    std::unique_ptr<DataBackup> m_backup;
};

// The program's entry: single copy, creation, password gate, event loop. Returns the exit code.
// created runs once every window exists, before the gate.
int runDailora(Application& app, const AppContext& context, const QString& lockFolder,
    const std::function<void(DailoraProgram&)>& created = {});
