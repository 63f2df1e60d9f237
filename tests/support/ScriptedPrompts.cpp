#include "tests/support/ScriptedPrompts.h"

#include <QTest>

namespace {

const char* kindName(ScriptedPrompts::Kind kind)
{
    static const char* names[] = { "notice", "confirm", "error", "input", "password", "password change",
        "open file", "save file", "folder", "print" };
    return names[int(kind)];
}

} // namespace

void ScriptedPrompts::expectNotice(const QString& text, bool partial)
{
    m_expected.append({ Kind::Notice, text, partial });
}

void ScriptedPrompts::expectConfirm(const QString& text, bool yes)
{
    m_expected.append({ Kind::Confirm, text, false, yes });
}

void ScriptedPrompts::expectError(const QString& text, bool partial)
{
    m_expected.append({ Kind::Error, text, partial });
}

void ScriptedPrompts::expectInput(const QString& prompt, std::optional<QString> answer)
{
    m_expected.append({ Kind::Input, prompt, false, answer.has_value(), answer.value_or(QString()) });
}

void ScriptedPrompts::expectPassword(std::optional<QString> answer)
{
    m_expected.append({ Kind::Password, {}, true, answer.has_value(), answer.value_or(QString()) });
}

void ScriptedPrompts::expectPasswordChange(std::optional<std::pair<QString, QString>> answer)
{
    Expectation e { Kind::PasswordChange, {}, true, answer.has_value() };
    if (answer) {
        e.answer1 = answer->first;
        e.answer2 = answer->second;
    }
    m_expected.append(e);
}

void ScriptedPrompts::expectOpenFile(const QString& answer)
{
    m_expected.append({ Kind::OpenFile, {}, true, true, answer });
}

void ScriptedPrompts::expectSaveFile(const QString& answer)
{
    m_expected.append({ Kind::SaveFile, {}, true, true, answer });
}

void ScriptedPrompts::expectFolder(const QString& answer)
{
    m_expected.append({ Kind::Folder, {}, true, true, answer });
}

void ScriptedPrompts::expectFolder(const QString& prompt, const QString& answer)
{
    m_expected.append({ Kind::Folder, prompt, false, true, answer });
}

void ScriptedPrompts::expectPrint(bool accept, PrinterSetup setup)
{
    Expectation e { Kind::Print, {}, true, accept };
    e.printerSetup = std::move(setup);
    m_expected.append(e);
}

bool ScriptedPrompts::done() const
{
    return m_problems.isEmpty() && m_expected.isEmpty();
}

QString ScriptedPrompts::problems() const
{
    QStringList all = m_problems;
    for (const Expectation& e : m_expected)
        all.append(QStringLiteral("expected %1 \"%2\" never came").arg(QLatin1String(kindName(e.kind)), e.text));
    return all.join(QLatin1Char('\n'));
}

void ScriptedPrompts::reset()
{
    m_expected.clear();
    m_records.clear();
    m_problems.clear();
}

std::optional<ScriptedPrompts::Expectation> ScriptedPrompts::take(Record record)
{
    m_records.append(record);
    QString problem;
    if (m_expected.isEmpty()) {
        problem = QStringLiteral("unexpected %1 \"%2\"").arg(QLatin1String(kindName(record.kind)), record.text);
    } else {
        const Expectation& e = m_expected.constFirst();
        const bool textMatches = e.partial ? record.text.contains(e.text) : record.text == e.text;
        if (e.kind != record.kind || !textMatches)
            problem
                = QStringLiteral("expected %1 \"%2\", got %3 \"%4\"")
                      .arg(QLatin1String(kindName(e.kind)), e.text, QLatin1String(kindName(record.kind)), record.text);
    }
    if (!problem.isEmpty()) {
        m_problems.append(problem);
        QTest::qFail(qPrintable(problem), __FILE__, __LINE__);
        return std::nullopt;
    }
    return m_expected.takeFirst();
}

void ScriptedPrompts::notice(const QString& text, const QString& caption, Icon icon)
{
    take({ Kind::Notice, caption, text, {}, icon });
}

bool ScriptedPrompts::confirm(const QString& text, const QString& caption, Icon icon)
{
    const auto e = take({ Kind::Confirm, caption, text, {}, icon });
    return e && e->accepted;
}

void ScriptedPrompts::error(const QString& text)
{
    take({ Kind::Error, {}, text });
}

std::optional<QString> ScriptedPrompts::input(const QString& caption, const QString& prompt, const QString& text)
{
    const auto e = take({ Kind::Input, caption, prompt, { text } });
    if (!e || !e->accepted)
        return std::nullopt;
    return e->answer1;
}

std::optional<QString> ScriptedPrompts::password(const QString& caption, const QString& prompt, const QString& lastText)
{
    const auto e = take({ Kind::Password, caption, prompt, { lastText } });
    if (!e || !e->accepted)
        return std::nullopt;
    return e->answer1;
}

std::optional<std::pair<QString, QString>> ScriptedPrompts::passwordChange(const QString& caption,
    const QString& oldLabel, const QString& newLabel, const QString& lastOld, const QString& lastNew)
{
    const auto e
        = take({ Kind::PasswordChange, caption, oldLabel + QLatin1Char('|') + newLabel, { lastOld, lastNew } });
    if (!e || !e->accepted)
        return std::nullopt;
    return std::make_pair(e->answer1, e->answer2);
}

QString ScriptedPrompts::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    const auto e = take({ Kind::OpenFile, caption, filter, { folder } });
    return e ? e->answer1 : QString();
}

QString ScriptedPrompts::saveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    const auto e = take({ Kind::SaveFile, caption, filter, { folder } });
    return e ? e->answer1 : QString();
}

QString ScriptedPrompts::folder(const QString& caption, const QString& prompt, const QString& start)
{
    const auto e = take({ Kind::Folder, caption, prompt, { start } });
    return e ? e->answer1 : QString();
}

bool ScriptedPrompts::printDialog(QPrinter& printer)
{
    const auto e = take({ Kind::Print, {}, {} });
    if (!e || !e->accepted)
        return false;
    if (e->printerSetup)
        e->printerSetup(printer);
    return true;
}
