#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a written .docx holds, read back from its word/document.xml.
struct DocxContent
{
    struct Paragraph
    {
        QString text;
        int halfPoints = 0; // the size of its runs (of its mark when it has none)
        QString alignment; // w:jc, empty for the default
        bool preserved = true; // every text element keeps its blanks
    };
    struct Cell
    {
        QList<Paragraph> paragraphs;
        QString fill;
        QString textDirection;
        QStringList texts() const;
    };

    QStringList body; // "p" and "tbl" in order
    QList<Paragraph> paragraphs; // outside the table
    QList<QList<Cell>> rows; // the table, rows of cells
    QList<int> gridColumns; // twentieths of a point
    QList<int> rowHeights; // 0 where none is set
    QStringList borders; // "edge:val:sz"
    int pageWidth = 0;
    int pageHeight = 0;
    QString orientation;

    const Cell& cell(int row, int column) const { return rows.at(row - 1).at(column - 1); }

    static DocxContent read(const QString& path);
    static QByteArray entry(const QString& path, const QString& name);
};
