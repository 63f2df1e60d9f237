#pragma once

#include "common/DocumentOpener.h"

#include <QObject>

// The desktop's own opener (xdg-open), judged by its exit status: starting it says nothing
// about whether an application could take the file.
class DesktopOpener final : public QObject, public DocumentOpener
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopOpener)

public:
    // program: the opener to run with the file as its one argument.
    explicit DesktopOpener(QString program = QStringLiteral("xdg-open"), QObject* parent = nullptr);

    void open(const QString& path, Done done) override;

    // How an exit status of the opener reads.
    static Result resultOf(int exitCode, const QString& errorOutput);

private:
    QString m_program;
};
