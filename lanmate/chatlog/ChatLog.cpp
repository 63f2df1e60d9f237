#include "lanmate/chatlog/ChatLog.h"

#include "common/AppError.h"
#include "common/Clock.h"
#include "lanmate/chatlog/ChatLogFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString IncompleteLog
    = QStringLiteral("聊天记录文件\"%1\"不完整，只读出了前面的部分。原文件会保留下来，改名为\"%2\"。");

} // namespace

ChatLog::ChatLog(QString path, Clock& clock)
    : m_path(std::move(path))
    , m_clock(clock)
{
}

QString ChatLog::normalized(const QString& entry)
{
    QString text = entry;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void ChatLog::append(const QString& entry)
{
    m_entries.append(normalized(entry));
}

void ChatLog::clear()
{
    m_entries.clear();
}

void ChatLog::loadAtStart()
{
    m_entries.clear();
    m_keepFile = false;
    ChatLogFile::Loaded loaded;
    try {
        loaded = ChatLogFile::load(m_path);
    } catch (const AppError&) {
        m_keepFile = QFileInfo::exists(m_path) || QFileInfo(m_path).isSymLink();
        throw;
    }
    m_entries = std::move(loaded.entries);
    if (!loaded.complete) {
        m_keepFile = true;
        throw AppError(IncompleteLog.arg(
            QDir::toNativeSeparators(m_path), QFileInfo(m_path).fileName() + QStringLiteral(".damaged-…")));
    }
}

void ChatLog::saveAtClose()
{
    if (m_keepFile && (QFileInfo::exists(m_path) || QFileInfo(m_path).isSymLink()))
        ChatLogFile::moveAside(m_path, m_clock.now());
    m_keepFile = false;
    ChatLogFile::save(m_path, m_entries);
}

void ChatLog::saveTo(const QString& path) const
{
    ChatLogFile::save(path, m_entries);
}

void ChatLog::loadFrom(const QString& path)
{
    ChatLogFile::Loaded loaded = ChatLogFile::load(path);
    m_entries = std::move(loaded.entries);
}
