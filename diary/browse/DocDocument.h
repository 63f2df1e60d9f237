#pragma once

#include "diary/browse/DocParagraph.h"
#include "diary/browse/DocTable.h"

#include <variant>
#include <vector>

// A word-processor document built by the calls the export makes on the word processor's
// document object; DocxWriter writes it out. A new document holds one empty paragraph.
class DocDocument final
{
public:
    enum class Orientation
    {
        Portrait = 0,
        Landscape = 1
    };
    using Block = std::variant<DocParagraph, DocTable>;

    DocDocument();

    // PageSetup.Orientation.
    void setOrientation(Orientation orientation);
    Orientation orientation() const { return m_orientation; }
    // Range().Font.Size: every paragraph outside the tables.
    void setFontSize(int points);
    // Range().InsertAfter: appended to the last paragraph.
    void insertAfter(const QString& text);
    // Paragraphs.Item(index).Range.InsertParagraphAfter(): a new empty paragraph after it,
    // formatted like it.
    void insertParagraphAfter(int index);
    // Paragraphs.Item(index), counted from 1 over the paragraphs outside the tables.
    DocParagraph& paragraph(int index);
    int paragraphCount() const;
    // Tables.Add(Paragraphs.Item(index).Range, rows, columns): the paragraph becomes the table.
    DocTable& addTable(int paragraphIndex, int rows, int columns);
    // Tables.Item(index), counted from 1.
    DocTable& table(int index);

    const std::vector<Block>& blocks() const { return m_blocks; }

private:
    std::vector<Block>::iterator paragraphBlock(int index);

    std::vector<Block> m_blocks;
    Orientation m_orientation = Orientation::Portrait;
};
