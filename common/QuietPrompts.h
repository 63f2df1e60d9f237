#pragma once

#include "common/Prompts.h"

// Prompts that show nothing: notices vanish, questions get a fixed answer and every chooser is
// cancelled. Benchmarks, fuzz targets and test peers derive from it and change what they need.
class QuietPrompts : public Prompts
{
public:
    explicit QuietPrompts(bool answerYes = true);

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

private:
    bool m_answerYes;
};
