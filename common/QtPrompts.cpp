#include "common/QtPrompts.h"

#include "common/PasswordDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon messageIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

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

void QtPrompts::notice(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, captionOr(caption), text, QMessageBox::Ok, parentWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool QtPrompts::confirm(const QString& text, const QString& caption, Icon icon)
{
    QMessageBox box(messageIcon(icon), captionOr(caption), text, QMessageBox::Yes | QMessageBox::No, parentWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::error(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, m_title, text, QMessageBox::Ok, parentWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

std::optional<QString> QtPrompts::input(const QString& caption, const QString& prompt, const QString& text)
{
    QInputDialog dialog(parentWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
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
