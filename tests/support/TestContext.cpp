#include "tests/support/TestContext.h"

#include "common/Application.h"

#include <QDir>
#include <QFile>

TestContext::TestContext()
    : context { dir.path(), prompts, clock }
{
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
        app->setPrompts(&prompts);
}

TestContext::~TestContext()
{
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
        app->setPrompts(nullptr);
}

QString TestContext::file(const QString& name) const
{
    return QDir(dir.path()).filePath(name);
}

void TestContext::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(name));
}

QByteArray TestContext::readFile(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
