#include "lanmate/chatlog/RtfReader.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {

constexpr qint64 MaxParameter = 1'000'000'000;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Windows character set numbers of the font table and their code pages; 0 means "the
// document's code page".
int charsetCodePage(qint64 charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

QByteArray codecName(int codePage)
{
    switch (codePage) {
    case 936:
        return "GB18030"; // superset of GBK: the same characters for every GBK sequence
    case 950:
        return "Big5";
    case 932:
        return "Shift_JIS";
    case 949:
        return "windows-949";
    case 10000:
        return "macintosh";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

// Destinations whose content is not part of the document's text.
bool isSkippedDestination(QByteArrayView word)
{
    static const char* const names[] = { "author", "buptim", "colortbl", "comment", "creatim", "doccomm", "footer",
        "footerf", "footerl", "footerr", "footnote", "ftncn", "ftnsep", "ftnsepc", "header", "headerf", "headerl",
        "headerr", "info", "keywords", "listtable", "listoverridetable", "object", "operator", "pict", "printim",
        "private", "revtim", "rsidtbl", "rxe", "stylesheet", "subject", "tc", "title", "txe", "xe", "filetbl", "revtbl",
        "fldinst", "themedata", "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "generator", "shpinst",
        "nonshppict", "bkmkstart", "bkmkend", "pn", "listtext" };
    return std::any_of(std::begin(names), std::end(names), [&](const char* name) { return word == name; });
}

// Control words that stand for one character of text.
QChar symbolWord(QByteArrayView word)
{
    struct Symbol
    {
        const char* word;
        char16_t character;
    };
    static const Symbol symbols[] = { { "tab", u'\t' }, { "cell", u'\t' }, { "emdash", u'\u2014' },
        { "endash", u'\u2013' }, { "bullet", u'\u2022' }, { "lquote", u'\u2018' }, { "rquote", u'\u2019' },
        { "ldblquote", u'\u201c' }, { "rdblquote", u'\u201d' }, { "emspace", u'\u2003' }, { "enspace", u'\u2002' },
        { "qmspace", u'\u2005' } };
    for (const Symbol& symbol : symbols) {
        if (word == symbol.word)
            return QChar(symbol.character);
    }
    return QChar();
}

QString withoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

bool RtfReader::isRtf(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

RtfReader::Result RtfReader::read(QByteArrayView bytes)
{
    RtfReader reader(bytes);
    reader.run();
    return std::move(reader.m_result);
}

RtfReader::RtfReader(QByteArrayView bytes)
    : m_in(bytes)
{
}

RtfReader::~RtfReader() = default;

void RtfReader::run()
{
    m_pos = m_in.indexOf('{');
    if (m_pos < 0)
        return;
    bool closed = false;
    while (m_pos < m_in.size() && !closed) {
        const char c = m_in[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            if (m_stack.size() <= 1) {
                closed = true; // the outer group; whatever follows is not part of the document
                break;
            }
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            ++m_pos;
            textByte(c);
            break;
        }
    }
    flushBytes();
    if (m_paragraphOpen || !m_paragraph.isEmpty())
        endParagraph();
    m_result.complete = closed;
}

void RtfReader::openGroup()
{
    flushBytes();
    m_fallbackLeft = 0;
    m_stack.push_back(m_state);
}

void RtfReader::closeGroup()
{
    flushBytes();
    m_fallbackLeft = 0;
    m_state = m_stack.back();
    m_stack.pop_back();
}

void RtfReader::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_in.size())
        return;
    const char first = m_in[m_pos];
    if (!isLetter(first)) {
        ++m_pos;
        controlSymbol(first);
        return;
    }
    const qsizetype wordStart = m_pos;
    while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
        ++m_pos;
    const QByteArrayView word = m_in.sliced(wordStart, m_pos - wordStart);

    bool negative = false;
    if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    std::optional<qint64> parameter;
    while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
        parameter = std::min(parameter.value_or(0) * 10 + (m_in[m_pos] - '0'), MaxParameter);
        ++m_pos;
    }
    if (negative && parameter)
        *parameter = -*parameter;
    if (m_pos < m_in.size() && m_in[m_pos] == ' ')
        ++m_pos; // the delimiter belongs to the control word
    controlWord(word, parameter);
}

void RtfReader::controlWord(QByteArrayView word, std::optional<qint64> given)
{
    const qint64 parameter = given.value_or(0);

    if (word == "bin") {
        // Binary data: skipped whatever the destination, never read as control words.
        m_pos += std::clamp<qint64>(parameter, 0, m_in.size() - m_pos);
        return;
    }
    if (word == "u" && given) {
        unicodeUnit(parameter);
        return;
    }
    if (consumeFallback())
        return;

    if (word == "fonttbl") {
        m_state.destination = Destination::FontTable;
        return;
    }
    if (isSkippedDestination(word)) {
        m_state.destination = Destination::Skipped;
        return;
    }
    if (word == "uc") {
        m_state.unicodeSkip = int(std::clamp<qint64>(given.value_or(1), 0, 16));
    } else if (word == "ansicpg") {
        m_documentCodePage = int(std::clamp<qint64>(parameter, 0, 65535));
    } else if (word == "ansi") {
        m_charsetCodePage = 1252;
    } else if (word == "mac") {
        m_charsetCodePage = 10000;
    } else if (word == "pc") {
        m_charsetCodePage = 437;
    } else if (word == "pca") {
        m_charsetCodePage = 850;
    } else if (word == "deff") {
        m_defaultFont = int(std::clamp<qint64>(parameter, 0, 1'000'000));
    } else if (word == "f") {
        const int font = int(std::clamp<qint64>(parameter, 0, 1'000'000));
        if (m_state.destination == Destination::FontTable)
            m_state.definedFont = font;
        else
            m_state.font = font;
    } else if (word == "fcharset" && m_state.destination == Destination::FontTable) {
        if (!m_fontCodePages.contains(m_state.definedFont))
            m_fontCodePages.insert(m_state.definedFont, charsetCodePage(parameter));
    } else if (word == "cpg" && m_state.destination == Destination::FontTable) {
        m_fontCodePages.insert(m_state.definedFont, int(std::clamp<qint64>(parameter, 0, 65535)));
    } else if (word == "plain") {
        m_state.font = -1;
    } else if (!emitting()) {
        return;
    } else if (word == "par" || word == "sect" || word == "page" || word == "row") {
        endParagraph();
    } else if (word == "line") {
        text(u"\n");
    } else if (const QChar symbol = symbolWord(word); !symbol.isNull()) {
        text(QStringView(&symbol, 1));
    }
}

void RtfReader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '*':
        // An ignorable destination: nothing of ours is in one.
        m_state.destination = Destination::Skipped;
        return;
    case '\'': {
        const int high = m_pos < m_in.size() ? hexValue(m_in[m_pos]) : -1;
        const int low = m_pos + 1 < m_in.size() ? hexValue(m_in[m_pos + 1]) : -1;
        if (high < 0 || low < 0) {
            m_pos += high < 0 ? 0 : 1; // a broken escape is dropped
            return;
        }
        m_pos += 2;
        codePageByte(char(high * 16 + low));
        return;
    }
    default:
        break;
    }
    if (consumeFallback())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        if (emitting()) {
            const QChar c = QLatin1Char(symbol);
            text(QStringView(&c, 1));
        }
        return;
    case '~':
        if (emitting())
            text(u"\u00a0");
        return;
    case '_':
        if (emitting())
            text(u"\u2011");
        return;
    case '\r':
    case '\n':
        if (emitting())
            endParagraph();
        return;
    case '\t':
        if (emitting())
            text(u"\t");
        return;
    default:
        return; // \- optional hyphen, \: index entries, and unknown symbols
    }
}

void RtfReader::textByte(char byte)
{
    if (consumeFallback() || !emitting())
        return;
    const auto value = uchar(byte);
    if (value >= 0x80) {
        codePageByte(byte); // raw code page bytes, as some writers leave them
        return;
    }
    if (value == '\t') {
        text(u"\t");
        return;
    }
    if (value < 0x20)
        return;
    const QChar c = QLatin1Char(byte);
    text(QStringView(&c, 1));
}

void RtfReader::codePageByte(char byte)
{
    if (consumeFallback() || !emitting())
        return;
    const int page = codePage();
    if (!m_bytes.isEmpty() && page != m_bytesCodePage)
        flushBytes();
    m_bytesCodePage = page;
    m_bytes += byte;
}

void RtfReader::unicodeUnit(qint64 value)
{
    // Fallback characters of an earlier \u that were not there yet are not owed any more.
    m_fallbackLeft = 0;
    if (emitting()) {
        if (value < 0)
            value += 65536;
        const QChar c = (value >= 0 && value <= 0xffff) ? QChar(char16_t(value)) : QChar(QChar::ReplacementCharacter);
        text(QStringView(&c, 1));
    }
    m_fallbackLeft = m_state.unicodeSkip;
}

bool RtfReader::consumeFallback()
{
    if (m_fallbackLeft <= 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void RtfReader::text(QStringView chars)
{
    flushBytes();
    m_paragraph += chars;
    m_paragraphOpen = true;
}

void RtfReader::endParagraph()
{
    flushBytes();
    m_result.paragraphs.append(withoutLoneSurrogates(m_paragraph));
    m_paragraph.clear();
    m_paragraphOpen = false;
}

int RtfReader::codePage() const
{
    const int font = m_state.font >= 0 ? m_state.font : m_defaultFont;
    const int fontPage = m_fontCodePages.value(font, 0);
    if (fontPage != 0)
        return fontPage;
    return m_documentCodePage != 0 ? m_documentCodePage : m_charsetCodePage;
}

void RtfReader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString decoded = decoder(m_bytesCodePage).decode(m_bytes);
    m_bytes.clear();
    m_paragraph += decoded;
    m_paragraphOpen = true;
}

QStringDecoder& RtfReader::decoder(int codePage)
{
    auto& slot = m_decoders[codePage];
    if (!slot) {
        // Stateless: each run is decoded on its own, a half character at its end is replaced.
        slot = std::make_shared<QStringDecoder>(codecName(codePage).constData(), QStringConverter::Flag::Stateless);
        if (!slot->isValid())
            slot = std::make_shared<QStringDecoder>(QStringDecoder::Latin1, QStringConverter::Flag::Stateless);
    }
    return *slot;
}
