#pragma once

#include "common/Prompts.h"

// Passes prompts on to the real ones until the program is asked to close; from then on every
// open dialog is ended as No / Cancel and no new one is shown, so that closing can go on at once.
class ClosingPrompts final : public Prompts
{
public:
    explicit ClosingPrompts(Prompts& inner);

    // Ends the open dialogs (including any other modal window) and answers every later prompt
    // with No / Cancel.
    void beginClosing();
    bool isClosing() const { return m_closing; }
    // Prompts being shown right now.
    int openCount() const { return m_open; }

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
    // Shows one prompt through the inner prompts; refused is the answer while closing.
    template <typename Result, typename Show> Result pass(Result refused, Show&& show);

    Prompts& m_inner;
    bool m_closing = false;
    int m_open = 0;
};
