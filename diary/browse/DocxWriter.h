#pragma once

#include <QByteArray>

class DocDocument;

// Writes a document as WordprocessingML (.docx): an A4 page with the margins of a new
// document, tables with the single half-point grid of a new table.
class DocxWriter final
{
public:
    // The bytes of the .docx package; throws AppError when it cannot be packed.
    static QByteArray pack(const DocDocument& document);
    // The package's word/document.xml.
    static QByteArray documentXml(const DocDocument& document);
};
