#include "tests/lanmate/net/YesPrompts.h"

#include <QDir>

YesPrompts::YesPrompts(QString folder, Shown shown)
    : m_folder(std::move(folder))
    , m_shown(std::move(shown))
{
}

void YesPrompts::show(const QString& line) const
{
    if (m_shown)
        m_shown(line);
}

void YesPrompts::notice(const QString& text, const QString& caption, Icon)
{
    show(QStringLiteral("box ") + caption + QLatin1Char(' ') + text);
}

bool YesPrompts::confirm(const QString& text, const QString& caption, Icon)
{
    show(QStringLiteral("question ") + caption + QLatin1Char(' ') + text);
    return true;
}

void YesPrompts::error(const QString& text)
{
    show(QStringLiteral("error ") + text);
}

std::optional<QString> YesPrompts::input(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<QString> YesPrompts::password(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<std::pair<QString, QString>> YesPrompts::passwordChange(
    const QString&, const QString&, const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

QString YesPrompts::openFileName(const QString&, const QString&, const QString&)
{
    return {};
}

QString YesPrompts::saveFileName(const QString&, const QString&, const QString&)
{
    return QDir(m_folder).filePath(QStringLiteral("typed-name"));
}

QString YesPrompts::folder(const QString&, const QString&)
{
    return {};
}

bool YesPrompts::printDialog(QPrinter&)
{
    return false;
}
