#include "diary/browse/DocCell.h"

#include <QStringList>

DocCell::DocCell(int fontSize)
    : m_paragraphs { DocParagraph { {}, fontSize } }
{
}

void DocCell::setFontSize(int points)
{
    for (DocParagraph& p : m_paragraphs)
        p.fontSize = points;
}

void DocCell::insertAfter(const QString& text)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QStringList lines = text.split(lineEnd);
    const bool ends = text.endsWith(lineEnd);
    if (ends)
        lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0 || m_ended) {
            DocParagraph next = m_paragraphs.constLast();
            next.text.clear();
            m_paragraphs.append(next);
        }
        m_paragraphs.last().text += lines.at(i);
    }
    if (!lines.isEmpty() || ends)
        m_ended = ends;
}

DocParagraph& DocCell::paragraph(int index)
{
    return m_paragraphs[index - 1];
}

void DocCell::setBackgroundPatternColor(quint32 colorValue)
{
    m_shading = colorOf(colorValue);
}

void DocCell::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
}

QColor DocCell::colorOf(quint32 colorValue)
{
    return QColor(int(colorValue & 0xff), int((colorValue >> 8) & 0xff), int((colorValue >> 16) & 0xff));
}
