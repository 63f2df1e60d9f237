#include "diary/browse/DocDocument.h"

#include "common/AppError.h"

#include <algorithm>

DocDocument::DocDocument()
    : m_blocks { Block(DocParagraph {}) }
{
}

void DocDocument::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
}

void DocDocument::setFontSize(int points)
{
    for (Block& block : m_blocks) {
        if (auto* p = std::get_if<DocParagraph>(&block))
            p->fontSize = points;
    }
}

void DocDocument::insertAfter(const QString& text)
{
    paragraph(paragraphCount()).text += text;
}

void DocDocument::insertParagraphAfter(int index)
{
    const auto at = paragraphBlock(index);
    DocParagraph next = std::get<DocParagraph>(*at);
    next.text.clear();
    m_blocks.insert(at + 1, Block(next));
}

DocParagraph& DocDocument::paragraph(int index)
{
    return std::get<DocParagraph>(*paragraphBlock(index));
}

int DocDocument::paragraphCount() const
{
    return int(std::count_if(m_blocks.begin(), m_blocks.end(),
        [](const Block& block) { return std::holds_alternative<DocParagraph>(block); }));
}

DocTable& DocDocument::addTable(int paragraphIndex, int rows, int columns)
{
    const auto at = paragraphBlock(paragraphIndex);
    const int fontSize = std::get<DocParagraph>(*at).fontSize;
    *at = Block(DocTable(rows, columns, fontSize));
    return std::get<DocTable>(*at);
}

DocTable& DocDocument::table(int index)
{
    int seen = 0;
    for (Block& block : m_blocks) {
        if (auto* t = std::get_if<DocTable>(&block); t && ++seen == index)
            return *t;
    }
    throw AppError(QStringLiteral("文档中没有第 %1 个表格").arg(index));
}

std::vector<DocDocument::Block>::iterator DocDocument::paragraphBlock(int index)
{
    int seen = 0;
    for (auto it = m_blocks.begin(); it != m_blocks.end(); ++it) {
        if (std::holds_alternative<DocParagraph>(*it) && ++seen == index)
            return it;
    }
    throw AppError(QStringLiteral("文档中没有第 %1 段").arg(index));
}
