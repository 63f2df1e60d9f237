#pragma once

#include <QString>
#include <optional>
#include <utility>

class QPrinter;

// Every modal interaction of the programs goes through this interface, so that tests can
// answer each one and check its caption and text. An empty caption means the program's title.
class Prompts
{
public:
    enum class Icon { None, Information, Question, Warning, Critical };

    virtual ~Prompts() = default;

    // Plain notice with an OK button.
    virtual void notice(const QString& text, const QString& caption = {}, Icon icon = Icon::None) = 0;
    // Yes/No question; true for Yes.
    virtual bool confirm(const QString& text, const QString& caption = {}, Icon icon = Icon::Question) = 0;
    // The general error display.
    virtual void error(const QString& text) = 0;
    // Input box with OK/Cancel; nullopt when cancelled.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt, const QString& text = {}) = 0;
    // Masked single-field entry, pre-filled with lastText.
    virtual std::optional<QString> password(const QString& caption, const QString& prompt, const QString& lastText) = 0;
    // Masked two-field change dialog (old, new), pre-filled with the last confirmed texts.
    virtual std::optional<std::pair<QString, QString>> passwordChange(const QString& caption,
        const QString& oldLabel, const QString& newLabel, const QString& lastOld, const QString& lastNew)
        = 0;
    // File and folder choosers; an empty result means cancelled.
    virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    // Folder chooser with its prompt above the folder tree; start empty for the chooser's own last folder.
    virtual QString folder(const QString& caption, const QString& prompt, const QString& start) = 0;
    // The system print dialog: fills printer with the user's choice; false when cancelled.
    virtual bool printDialog(QPrinter& printer) = 0;
};
