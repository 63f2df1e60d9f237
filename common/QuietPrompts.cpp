#include "common/QuietPrompts.h"

QuietPrompts::QuietPrompts(bool answerYes)
    : m_answerYes(answerYes)
{
}

void QuietPrompts::notice(const QString&, const QString&, Icon) { }

bool QuietPrompts::confirm(const QString&, const QString&, Icon)
{
    return m_answerYes;
}

void QuietPrompts::error(const QString&) { }

std::optional<QString> QuietPrompts::input(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<QString> QuietPrompts::password(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<std::pair<QString, QString>> QuietPrompts::passwordChange(
    const QString&, const QString&, const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

QString QuietPrompts::openFileName(const QString&, const QString&, const QString&)
{
    return {};
}

QString QuietPrompts::saveFileName(const QString&, const QString&, const QString&)
{
    return {};
}

QString QuietPrompts::folder(const QString&, const QString&, const QString&)
{
    return {};
}

bool QuietPrompts::printDialog(QPrinter&)
{
    return false;
}
