#include "lanmate/ui/ClosingPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

ClosingPrompts::ClosingPrompts(Prompts& inner)
    : m_inner(inner)
{
}

void ClosingPrompts::beginClosing()
{
    m_closing = true;
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QList<QPointer<QDialog>> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog && dialog->isVisible())
            open.append(dialog);
    }
    // Innermost first: each one's loop ends as the stack unwinds.
    for (auto it = open.crbegin(); it != open.crend(); ++it) {
        if (*it)
            (*it)->reject();
    }
}

template <typename Result, typename Show> Result ClosingPrompts::pass(Result refused, Show&& show)
{
    if (m_closing)
        return refused;
    ++m_open;
    struct Done
    {
        int& open;
        ~Done() { --open; }
    } done { m_open };
    Result answer = show();
    return m_closing ? refused : answer;
}

void ClosingPrompts::notice(const QString& text, const QString& caption, Icon icon)
{
    pass(0, [&] {
        m_inner.notice(text, caption, icon);
        return 0;
    });
}

bool ClosingPrompts::confirm(const QString& text, const QString& caption, Icon icon)
{
    return pass(false, [&] { return m_inner.confirm(text, caption, icon); });
}

void ClosingPrompts::error(const QString& text)
{
    if (m_closing)
        qWarning("%s", qPrintable(text)); // nobody is there to see a box any more
    pass(0, [&] {
        m_inner.error(text);
        return 0;
    });
}

std::optional<QString> ClosingPrompts::input(const QString& caption, const QString& prompt, const QString& text)
{
    return pass(std::optional<QString>(), [&] { return m_inner.input(caption, prompt, text); });
}

std::optional<QString> ClosingPrompts::password(const QString& caption, const QString& prompt, const QString& lastText)
{
    return pass(std::optional<QString>(), [&] { return m_inner.password(caption, prompt, lastText); });
}

std::optional<std::pair<QString, QString>> ClosingPrompts::passwordChange(const QString& caption,
    const QString& oldLabel, const QString& newLabel, const QString& lastOld, const QString& lastNew)
{
    return pass(std::optional<std::pair<QString, QString>>(),
        [&] { return m_inner.passwordChange(caption, oldLabel, newLabel, lastOld, lastNew); });
}

QString ClosingPrompts::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return pass(QString(), [&] { return m_inner.openFileName(caption, folder, filter); });
}

QString ClosingPrompts::saveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return pass(QString(), [&] { return m_inner.saveFileName(caption, folder, filter); });
}

QString ClosingPrompts::folder(const QString& caption, const QString& prompt, const QString& start)
{
    return pass(QString(), [&] { return m_inner.folder(caption, prompt, start); });
}

bool ClosingPrompts::printDialog(QPrinter& printer)
{
    return pass(false, [&] { return m_inner.printDialog(printer); });
}
