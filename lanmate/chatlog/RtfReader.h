#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QStringDecoder;

// Reads the text of a Rich Text Format document as paragraphs ('\n' inside a paragraph is a
// line break). Formatting, pictures and every destination that is not text are skipped. The
// reader never fails: a damaged document gives what could be read and says it was incomplete.
// It works without recursion and in one pass, so no input can exhaust the stack or loop.
class RtfReader final
{
public:
    struct Result
    {
        QStringList paragraphs;
        // False when the document ended before its outer group was closed.
        bool complete = false;
    };

    // Whether bytes start like an RTF document ("{\rtf", after blanks).
    static bool isRtf(QByteArrayView bytes);
    static Result read(QByteArrayView bytes);

    ~RtfReader();

private:
    enum class Destination
    {
        Text,
        FontTable,
        Skipped
    };

    struct State
    {
        Destination destination = Destination::Text;
        int font = -1; // -1: the default font
        int definedFont = 0; // the font the font table is describing
        int unicodeSkip = 1; // \ucN
    };

    explicit RtfReader(QByteArrayView bytes);

    void run();
    void openGroup();
    void closeGroup();
    void readControl();
    void controlWord(QByteArrayView word, std::optional<qint64> parameter);
    void controlSymbol(char symbol);
    void textByte(char byte);
    void codePageByte(char byte);
    void unicodeUnit(qint64 value);
    void text(QStringView chars);
    void endParagraph();
    bool consumeFallback();
    bool emitting() const { return m_state.destination == Destination::Text; }
    int codePage() const;
    void flushBytes();
    QStringDecoder& decoder(int codePage);

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    State m_state;
    std::vector<State> m_stack;
    int m_fallbackLeft = 0;

    int m_documentCodePage = 0; // \ansicpg; 0 when not given
    int m_charsetCodePage = 1252;
    int m_defaultFont = 0;
    QHash<int, int> m_fontCodePages;
    QHash<int, std::shared_ptr<QStringDecoder>> m_decoders;

    QByteArray m_bytes; // \'xx bytes not yet decoded
    int m_bytesCodePage = 0;
    QString m_paragraph;
    bool m_paragraphOpen = false;
    Result m_result;
};
