#pragma once

#include "common/Prompts.h"

#include <functional>

class QWidget;

// The prompts shown to the user as Qt dialogs.
class QtPrompts final : public Prompts
{
public:
    explicit QtPrompts(QString title);

    void notice(const QString& text, const QString& caption = {}, Icon icon = Icon::None) override;
    bool confirm(const QString& text, const QString& caption = {}, Icon icon = Icon::Question) override;
    void error(const QString& text) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& text = {}) override;
    std::optional<QString> password(const QString& caption, const QString& prompt, const QString& lastText) override;
    std::optional<std::pair<QString, QString>> passwordChange(const QString& caption, const QString& oldLabel,
        const QString& newLabel, const QString& lastOld, const QString& lastNew) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString folder(const QString& caption, const QString& prompt, const QString& start) override;
    bool printDialog(QPrinter& printer) override;

    // The program's own folder chooser; without one a plain folder dialog is shown.
    using FolderChooser = std::function<QString(const QString& caption, const QString& prompt, const QString& start)>;
    void setFolderChooser(FolderChooser chooser);

private:
    QString captionOr(const QString& caption) const;
    static QWidget* parentWindow();

    QString m_title;
    FolderChooser m_folderChooser;
};
