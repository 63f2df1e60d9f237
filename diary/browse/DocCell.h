#pragma once

#include "diary/browse/DocParagraph.h"

#include <QColor>
#include <QList>
#include <optional>

// A table cell as the word processor's cell object sees it: a range of paragraphs (never
// fewer than one), a shading and a text orientation.
class DocCell final
{
public:
    enum class Orientation
    {
        Horizontal = 0,
        VerticalEastAsian = 1
    };

    explicit DocCell(int fontSize);

    // Range.Font.Size: every paragraph of the cell, and the text inserted later.
    void setFontSize(int points);
    // Range.InsertAfter: each CR LF ends a paragraph; the next text starts a new one in the
    // same size.
    void insertAfter(const QString& text);
    // Range.Paragraphs.Item(index), counted from 1.
    DocParagraph& paragraph(int index);
    // Shading.BackgroundPatternColor, a colour value with red in the low byte.
    void setBackgroundPatternColor(quint32 colorValue);
    // Range.Orientation.
    void setOrientation(Orientation orientation);

    const QList<DocParagraph>& paragraphs() const { return m_paragraphs; }
    std::optional<QColor> shading() const { return m_shading; }
    Orientation orientation() const { return m_orientation; }

    // The colour a colour value with red in the low byte stands for.
    static QColor colorOf(quint32 colorValue);

private:
    QList<DocParagraph> m_paragraphs;
    std::optional<QColor> m_shading;
    Orientation m_orientation = Orientation::Horizontal;
    bool m_ended = false; // the last inserted text ended with CR LF
};
