#include "common/QtPrompts.h"

#include "common/PasswordDialog.h"

#include "common/SkinInputDialog.h"
#include "common/SkinMessageBox.h"

#include <QApplication>
#include <QFileDialog>
#include <QtPrintSupport/QPrintDialog>

QtPrompts::QtPrompts(QString title)
    : m_title(std::move(title))
{
}

QString QtPrompts::captionOr(const QString& caption) const
{
    return caption.isEmpty() ? m_title : caption;
}

QWidget* QtPrompts::parentWindow()
{
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : nullptr;
}

void QtPrompts::notice(const QString& text, const QString& caption, Icon icon)
{
    SkinMessageBox box(captionOr(caption), text, icon, parentWindow());
    box.addButton(QStringLiteral("确定"), QDialog::Accepted);
    box.exec();
}

bool QtPrompts::confirm(const QString& text, const QString& caption, Icon icon)
{
    SkinMessageBox box(captionOr(caption), text, icon, parentWindow());
    box.addButton(QStringLiteral("是"), QDialog::Accepted);
    box.addButton(QStringLiteral("否"), QDialog::Rejected);
    return box.exec() == QDialog::Accepted;
}

void QtPrompts::error(const QString& text)
{
    SkinMessageBox box(m_title, text, Icon::Critical, parentWindow());
    box.addButton(QStringLiteral("确定"), QDialog::Accepted);
    box.exec();
}

std::optional<QString> QtPrompts::input(const QString& caption, const QString& prompt, const QString& text)
{
    SkinInputDialog dialog(captionOr(caption), prompt, text, parentWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

std::optional<QString> QtPrompts::password(const QString& caption, const QString& prompt, const QString& lastText)
{
    PasswordDialog dialog(caption, { prompt }, { lastText }, parentWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.texts().constFirst();
}

std::optional<std::pair<QString, QString>> QtPrompts::passwordChange(const QString& caption, const QString& oldLabel,
    const QString& newLabel, const QString& lastOld, const QString& lastNew)
{
    PasswordDialog dialog(caption, { oldLabel, newLabel }, { lastOld, lastNew }, parentWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList texts = dialog.texts();
    return std::make_pair(texts.at(0), texts.at(1));
}

QString QtPrompts::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parentWindow(), caption, folder, filter);
}

QString QtPrompts::saveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(parentWindow(), caption, folder, filter);
}

QString QtPrompts::folder(const QString& caption, const QString& prompt, const QString& start)
{
    if (m_folderChooser)
        return m_folderChooser(caption, prompt, start);
    return QFileDialog::getExistingDirectory(parentWindow(), caption + QLatin1Char(' ') + prompt.trimmed(), start);
}

void QtPrompts::setFolderChooser(FolderChooser chooser)
{
    m_folderChooser = std::move(chooser);
}

bool QtPrompts::printDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parentWindow());
    return dialog.exec() == QDialog::Accepted;
}
