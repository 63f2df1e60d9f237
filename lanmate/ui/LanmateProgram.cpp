#include "lanmate/ui/LanmateProgram.h"

#include "common/Application.h"
#include "common/LanmateContract.h"
#include "lanmate/ui/IPList.h"
#include "lanmate/ui/LocalCloseServer.h"
#include "lanmate/ui/Main.h"

#include <QDeadlineTimer>
#include <QTimer>

namespace {

// The diary waits 5 s for the reply; open dialogs get most of that to unwind.
constexpr int UnwindLimitMs = 3000;
constexpr int UnwindPollMs = 20;

} // namespace

LanmateProgram::LanmateProgram(const AppContext& context, NetIdentity identity, LanPorts ports, QString serverName)
    : m_prompts(context.prompts)
    , m_context { context.programDir, m_prompts, context.clock }
    , m_session(std::make_unique<LanSession>(m_prompts, context.clock, std::move(identity), ports))
    , m_frmMain(std::make_unique<TfrmMain>(m_context, *m_session))
    , m_frmIPList(std::make_unique<TfrmIPList>(m_frmMain.get()))
    , m_server(std::make_unique<LocalCloseServer>(std::move(serverName)))
{
    m_frmMain->attach(m_frmIPList.get());
    connect(m_frmIPList.get(), &TfrmIPList::probeRequested, m_session.get(), &LanSession::probe);
    connect(m_session.get(), &LanSession::contactsCleared, m_frmIPList.get(), &TfrmIPList::clearContacts);
    connect(m_session.get(), &LanSession::contactFound, m_frmIPList.get(), &TfrmIPList::addContact);
    connect(m_server.get(), &LocalCloseServer::closeRequested, this, &LanmateProgram::closeOnRequest);
    connect(m_frmMain.get(), &TfrmMain::closed, this, &LanmateProgram::windowClosed);
}

LanmateProgram::~LanmateProgram()
{
    // The contact list belongs to the main window's widget tree; free it before the window does.
    m_frmIPList.reset();
}

bool LanmateProgram::open()
{
    return m_session->open();
}

void LanmateProgram::start()
{
    m_frmMain->FormCreate();
    if (!m_server->listen())
        qWarning("The local server \"%s\" is held by another running copy.", qPrintable(m_server->fullServerName()));
    m_frmMain->show();
}

void LanmateProgram::closeOnRequest()
{
    // As if the user closed the window: but first every open question, dialog and modal window
    // ends as No / Cancel, once the event loops they run in have unwound.
    m_prompts.beginClosing();
    m_closeDeadline = QDeadlineTimer(UnwindLimitMs).deadline();
    QTimer::singleShot(0, this, &LanmateProgram::finishClosing);
}

void LanmateProgram::finishClosing()
{
    const bool unwound = m_prompts.openCount() == 0 && !QApplication::activeModalWidget();
    if (!unwound && QDeadlineTimer::current().deadline() < m_closeDeadline) {
        QTimer::singleShot(UnwindPollMs, this, &LanmateProgram::finishClosing);
        return;
    }
    m_frmMain->close();
}

void LanmateProgram::windowClosed()
{
    m_server->answerClosed();
    emit finished();
}

int runLanmate(Application& app, const AppContext& context, NetIdentity identity, LanPorts ports, QString serverName)
{
    LanmateProgram program(context, std::move(identity), ports, std::move(serverName));
    app.setPrompts(&program.prompts());
    if (!program.open()) {
        app.setPrompts(&context.prompts);
        return 1;
    }
    QObject::connect(&program, &LanmateProgram::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    program.start();
    const int code = app.exec();
    app.setPrompts(&context.prompts);
    return code;
}
