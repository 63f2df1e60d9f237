#include "common/DesktopOpener.h"

#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// Exit statuses of xdg-open.
constexpr int ExitNoTool = 3; // no method or application available for the file
constexpr int ExitActionFailed = 4;

const QString FailedStatus = u"打开文档的程序出错（状态 %1）"_s;

} // namespace

DesktopOpener::DesktopOpener(QString program, QObject* parent)
    : QObject(parent)
    , m_program(std::move(program))
{
}

DocumentOpener::Result DesktopOpener::resultOf(int exitCode, const QString& errorOutput)
{
    if (exitCode == 0)
        return { Outcome::Opened, {} };
    if (exitCode == ExitNoTool || exitCode == ExitActionFailed)
        return { Outcome::NoApplication, errorOutput };
    const QString message = errorOutput.isEmpty() ? FailedStatus.arg(exitCode) : errorOutput;
    return { Outcome::Failed, message };
}

void DesktopOpener::open(const QString& path, Done done)
{
    // The opener may stay until the application it started ends, so it is never waited for
    // on the user-interface thread.
    auto* process = new QProcess(this);
    process->setProgram(m_program);
    process->setArguments({ path });
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this, [process, done](int exitCode, QProcess::ExitStatus status) {
        const QString errorOutput = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
        process->deleteLater();
        if (status == QProcess::CrashExit)
            done({ Outcome::Failed, process->errorString() });
        else
            done(resultOf(exitCode, errorOutput));
    });
    connect(process, &QProcess::errorOccurred, this, [process, done](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // the finished signal follows and reports it
        process->deleteLater();
        done({ Outcome::NoApplication, process->errorString() });
    });
    process->start();
}
