#pragma once

#include "common/Prompts.h"

#include <functional>

// Prompts without a user: every question is answered Yes, every received file is saved into one
// folder, other dialogs are cancelled; what would be shown goes to a callback as one line.
class YesPrompts final : public Prompts
{
public:
    using Shown = std::function<void(const QString& line)>;

    explicit YesPrompts(QString folder, Shown shown = {});

    void notice(const QString& text, const QString& caption, Icon icon) override;
    bool confirm(const QString& text, const QString& caption, Icon icon) override;
    void error(const QString& text) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& text) override;
    std::optional<QString> password(const QString& caption, const QString& prompt, const QString& lastText) override;
    std::optional<std::pair<QString, QString>> passwordChange(const QString& caption, const QString& oldLabel,
        const QString& newLabel, const QString& lastOld, const QString& lastNew) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString folder(const QString& caption, const QString& start) override;
    bool printDialog(QPrinter& printer) override;

private:
    void show(const QString& line) const;

    QString m_folder;
    Shown m_shown;
};
