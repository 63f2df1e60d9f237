#pragma once

#include "common/AppContext.h"
#include "common/LanmateContract.h"
#include "lanmate/net/LanSession.h"
#include "lanmate/net/NetIdentity.h"
#include "lanmate/ui/ClosingPrompts.h"

#include <QObject>
#include <memory>

class Application;
class LocalCloseServer;
class TfrmIPList;
class TfrmMain;

// The assistant: its session on the network, the main window, the contact list and the local
// server through which the diary closes it, created in that order and owned until the end.
class LanmateProgram final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanmateProgram)

public:
    LanmateProgram(const AppContext& context, NetIdentity identity, LanPorts ports = {},
        QString serverName = LanmateContract::serverName());
    ~LanmateProgram() override;

    // Opens the ports; false (reported) when one cannot be had, and then nothing else was touched.
    bool open();
    // Loads the chat log, starts the local server and shows the main window.
    void start();

    TfrmMain& frmMain() const { return *m_frmMain; }
    TfrmIPList& frmIPList() const { return *m_frmIPList; }
    LanSession& session() const { return *m_session; }
    LocalCloseServer& server() const { return *m_server; }
    Prompts& prompts() { return m_prompts; }

signals:
    // The main window has closed and every close request is answered: the program may end.
    void finished();

private:
    void closeOnRequest();
    void finishClosing();
    void windowClosed();

    ClosingPrompts m_prompts;
    AppContext m_context;
    std::unique_ptr<LanSession> m_session;
    std::unique_ptr<TfrmMain> m_frmMain;
    std::unique_ptr<TfrmIPList> m_frmIPList;
    std::unique_ptr<LocalCloseServer> m_server;
    qint64 m_closeDeadline = 0;
};

// The program's entry: ports, start-up, event loop. Returns the exit code. A copy that cannot
// have its ports ends at once, without touching the chat log or the local server.
int runLanmate(Application& app, const AppContext& context, NetIdentity identity, LanPorts ports = {},
    QString serverName = LanmateContract::serverName());
