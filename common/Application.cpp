#include "common/Application.h"

#include "common/AppError.h"
#include "common/Prompts.h"

Application::Application(int& argc, char** argv, const QString& title)
    : QApplication(argc, argv)
{
    setApplicationName(title);
    setApplicationDisplayName(title);
}

void Application::setPrompts(Prompts* prompts)
{
    m_prompts = prompts;
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    QString failure;
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        failure = error.message();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    if (m_prompts)
        m_prompts->error(failure);
    else
        qWarning("%s", qPrintable(failure));
    return false;
}
