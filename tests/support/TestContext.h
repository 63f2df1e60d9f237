#pragma once

#include "common/AppContext.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedPrompts.h"

#include <QTemporaryDir>

// A temporary program folder with scripted prompts and a fixed clock, installed as the
// application's general error display for the test's lifetime.
class TestContext
{
public:
    TestContext();
    ~TestContext();
    Q_DISABLE_COPY_MOVE(TestContext)

    QString file(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    ScriptedPrompts prompts;
    FixedClock clock;
    QTemporaryDir dir;
    AppContext context;
};
