#include "common/DesktopOpener.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using Outcome = DocumentOpener::Outcome;

Q_DECLARE_METATYPE(DocumentOpener::Outcome)

// The opener is replaced by small scripts that exit as xdg-open does; no viewer is started.
class TestDesktopOpener : public QObject
{
    Q_OBJECT

private slots:
    void exitStatus_data();
    void exitStatus();
    void missingOpener();

private:
    DocumentOpener::Result run(const QString& program, const QString& path);
    QTemporaryDir m_dir;
};

DocumentOpener::Result TestDesktopOpener::run(const QString& program, const QString& path)
{
    DesktopOpener opener(program);
    std::optional<DocumentOpener::Result> answer;
    opener.open(path, [&](const DocumentOpener::Result& result) { answer = result; });
    if (!QTest::qWaitFor([&] { return answer.has_value(); }, 20000))
        qFatal("the opener never answered");
    return *answer;
}

void TestDesktopOpener::exitStatus_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");
    QTest::newRow("opened") << u"exit 0"_s << Outcome::Opened << QString();
    QTest::newRow("no method for the file") << u"echo 'xdg-open: no method available' >&2; exit 3"_s
                                            << Outcome::NoApplication << u"xdg-open: no method available"_s;
    QTest::newRow("the action failed") << u"exit 4"_s << Outcome::NoApplication << QString();
    QTest::newRow("file missing") << u"echo 'xdg-open: file does not exist' >&2; exit 2"_s << Outcome::Failed
                                  << u"xdg-open: file does not exist"_s;
    QTest::newRow("silent failure") << u"exit 1"_s << Outcome::Failed << u"打开文档的程序出错（状态 1）"_s;
}

void TestDesktopOpener::exitStatus()
{
    QFETCH(QString, script);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    const QString program
        = QDir(m_dir.path()).filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // The script also proves it was given the file as its one argument.
    file.write(u"#!/bin/sh\n[ \"$#\" = 1 ] && [ \"$1\" = '/tmp/文档 1.docx' ] || exit 9\n%1\n"_s.arg(script).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const DocumentOpener::Result result = run(program, u"/tmp/文档 1.docx"_s);
    QCOMPARE(result.outcome, outcome);
    if (outcome != Outcome::Opened)
        QCOMPARE(result.message, message);
}

void TestDesktopOpener::missingOpener()
{
    const DocumentOpener::Result result = run(QDir(m_dir.path()).filePath(u"no-such-opener"_s), u"/tmp/a.docx"_s);
    QCOMPARE(result.outcome, Outcome::NoApplication);
}

DAILORA_TEST_MAIN(TestDesktopOpener)
#include "TestDesktopOpener.moc"
