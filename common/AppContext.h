#pragma once

#include <QString>

class Clock;
class Prompts;

// What every window and module of a program is handed: its program folder, the prompts and
// the clock.
struct AppContext
{
    QString programDir;
    Prompts& prompts;
    Clock& clock;

    // Path of a file in the program folder.
    QString file(const QString& name) const;
};

// The folder that holds the running program file.
QString programFolder();
