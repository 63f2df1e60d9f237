#include "lanmate/chatlog/RtfWriter.h"

namespace {

// Code page 936 and the font "宋体" (written in that code page), so that readers without
// Unicode support still pick a Chinese font.
constexpr char Header[] = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1"
                          "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\n"
                          "\\viewkind4\\pard\\f0\\fs18\n";

void appendEscaped(QByteArray& out, QChar c)
{
    const char16_t unit = c.unicode();
    switch (unit) {
    case u'\\':
        out += "\\\\";
        return;
    case u'{':
        out += "\\{";
        return;
    case u'}':
        out += "\\}";
        return;
    case u'\n':
        out += "\\line ";
        return;
    case u'\t':
        out += "\\tab ";
        return;
    default:
        break;
    }
    if (unit >= 0x20 && unit < 0x7f) {
        out += char(unit);
        return;
    }
    // RTF takes \u as a signed 16-bit number; '?' is the fallback for readers without Unicode.
    out += "\\u";
    out += QByteArray::number(qint16(unit));
    out += '?';
}

} // namespace

QByteArray writeRtf(const QStringList& paragraphs)
{
    QByteArray out(Header);
    for (const QString& paragraph : paragraphs) {
        for (const QChar c : paragraph)
            appendEscaped(out, c);
        out += "\\par\n";
    }
    out += "}\n";
    return out;
}
