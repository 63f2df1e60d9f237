#pragma once

#include "common/AppContext.h"

#include <memory>

class Application;
class TMainForm;

// Creates every window and data module of the diary, hidden, in their fixed order, and owns
// them until the program ends.
class DailoraProgram final
{
public:
    explicit DailoraProgram(const AppContext& context);
    ~DailoraProgram();
    Q_DISABLE_COPY_MOVE(DailoraProgram)

    TMainForm& MainForm() const { return *m_mainForm; }

private:
    std::unique_ptr<TMainForm> m_mainForm;
};

// The program's entry: single copy, creation, password gate, event loop. Returns the exit code.
int runDailora(Application& app, const AppContext& context, const QString& lockFolder);
