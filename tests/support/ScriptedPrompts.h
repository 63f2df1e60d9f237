#pragma once

#include "common/Prompts.h"

#include <QList>
#include <QStringList>

#include <functional>

// Prompts answered from a script. Each prompt must match the next expectation (kind and
// text); an unexpected prompt fails the running test and is answered with No / Cancel.
class ScriptedPrompts final : public Prompts
{
public:
    enum class Kind { Notice, Confirm, Error, Input, Password, PasswordChange, OpenFile, SaveFile, Folder, Print };
    // Sets up the printer the print dialog hands back (a PDF file, say).
    using PrinterSetup = std::function<void(QPrinter&)>;

    struct Record
    {
        Kind kind;
        QString caption;
        QString text; // message, or the prompt of an input box
        QStringList fields; // pre-filled texts of input and password dialogs
        Icon icon = Icon::None;
    };

    // text is compared exactly unless partial is set, then it must be contained.
    void expectNotice(const QString& text, bool partial = false);
    void expectConfirm(const QString& text, bool yes);
    void expectError(const QString& text, bool partial = false);
    void expectInput(const QString& prompt, std::optional<QString> answer);
    void expectPassword(std::optional<QString> answer);
    void expectPasswordChange(std::optional<std::pair<QString, QString>> answer);
    void expectOpenFile(const QString& answer);
    void expectSaveFile(const QString& answer);
    void expectFolder(const QString& answer);
    // The chooser's prompt is compared exactly; an empty answer cancels.
    void expectFolder(const QString& prompt, const QString& answer);
    // The print dialog: accepted runs setup on the printer first; refused cancels.
    void expectPrint(bool accept, PrinterSetup setup = {});

    const QList<Record>& records() const { return m_records; }
    const Record& last() const { return m_records.constLast(); }
    // True when every expectation was met and nothing unexpected came.
    bool done() const;
    QString problems() const;
    void reset();

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
    struct Expectation
    {
        Kind kind;
        QString text;
        bool partial = false;
        bool accepted = false;
        QString answer1;
        QString answer2;
        PrinterSetup printerSetup;
    };

    // Records the prompt and returns the matching expectation, or nullopt after failing.
    std::optional<Expectation> take(Record record);

    QList<Expectation> m_expected;
    QList<Record> m_records;
    QStringList m_problems;
};
