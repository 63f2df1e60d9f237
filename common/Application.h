#pragma once

#include "common/AppError.h"
#include "common/Prompts.h"

#include <QApplication>

// The application object of both programs. Its notify() is the general error display: a
// failure that no handler caught is shown in a message box and the event loop goes on.
class Application final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    Application(int& argc, char** argv, const QString& title);

    void setPrompts(Prompts* prompts);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Prompts* m_prompts = nullptr;
};

// Runs step; a failure is shown on the general error display instead of leaving it.
template <typename Step> void reportFailures(Prompts& prompts, Step&& step)
{
    try {
        step();
    } catch (const AppError& failure) {
        prompts.error(failure.message());
    } catch (const std::exception& failure) {
        prompts.error(QString::fromUtf8(failure.what()));
    }
}
