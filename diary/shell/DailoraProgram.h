#pragma once

#include "common/AppContext.h"

#include <memory>

class Application;
class TBumenRenyuan_form;
class TDM;
class TMainForm;
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

private:
    // Destroyed in reverse order: the windows before the data module they show.
    std::unique_ptr<TMainForm> m_mainForm;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TWriteDaily_fm> m_writeDaily;
    std::unique_ptr<TBumenRenyuan_form> m_bumenRenyuan;
};

// The program's entry: single copy, creation, password gate, event loop. Returns the exit code.
int runDailora(Application& app, const AppContext& context, const QString& lockFolder);
