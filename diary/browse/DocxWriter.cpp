#include "diary/browse/DocxWriter.h"

#include "common/AppError.h"
#include "diary/browse/DocDocument.h"

#include <QBuffer>
#include <QXmlStreamWriter>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

using namespace Qt::StringLiterals;

namespace {

const QString W = u"http://schemas.openxmlformats.org/wordprocessingml/2006/main"_s;

// A4 and the margins of a new document, in twentieths of a point; in landscape the page and
// its margins turn together.
constexpr int PageShort = 11906;
constexpr int PageLong = 16838;
constexpr int MarginNarrow = 1440;
constexpr int MarginWide = 1800;
// Vertical weekday names of three characters in 12 points need this much to show whole.
constexpr int VerticalRowHeight = 900;

// clang-format off
const QByteArray ContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
    R"(<Override PartName="/word/settings.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"/>)"
    R"(</Types>)";

const QByteArray PackageRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

const QByteArray DocumentRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings" Target="settings.xml"/>)"
    R"(</Relationships>)";

// No wavy underlines under the diary's texts, for this document only: the word processor's
// own settings stay as the user has them.
const QByteArray Settings =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:hideSpellingErrors/><w:hideGrammaticalErrors/>)"
    R"(</w:settings>)";

// Single spacing, no space after paragraphs, the default Chinese body font.
const QByteArray Styles = QString(uR"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    uR"(<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    uR"(<w:docDefaults><w:rPrDefault><w:rPr>)"
    uR"(<w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" w:eastAsia="宋体" w:cs="Times New Roman"/>)"
    uR"(<w:sz w:val="21"/><w:szCs w:val="21"/><w:lang w:val="en-US" w:eastAsia="zh-CN"/>)"
    uR"(</w:rPr></w:rPrDefault>)"
    uR"(<w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault>)"
    uR"(</w:docDefaults>)"
    uR"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>)"
    uR"(</w:styles>)"_s).toUtf8();
// clang-format on

class BodyWriter
{
public:
    explicit BodyWriter(QByteArray* out)
        : m_xml(out)
    {
    }

    void write(const DocDocument& document)
    {
        m_xml.writeStartDocument(u"1.0"_s, true);
        m_xml.writeNamespace(W, u"w"_s);
        m_xml.writeStartElement(W, u"document"_s);
        m_xml.writeStartElement(W, u"body"_s);
        const bool landscape = document.orientation() == DocDocument::Orientation::Landscape;
        const int textWidth = (landscape ? PageLong : PageShort) - 2 * (landscape ? MarginNarrow : MarginWide);
        for (const DocDocument::Block& block : document.blocks()) {
            if (const auto* p = std::get_if<DocParagraph>(&block))
                paragraph(*p);
            else
                table(std::get<DocTable>(block), textWidth);
        }
        section(landscape);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void empty(const QString& name, std::initializer_list<std::pair<QString, QString>> attributes)
    {
        m_xml.writeEmptyElement(W, name);
        for (const auto& [key, value] : attributes)
            m_xml.writeAttribute(W, key, value);
    }

    void size(int points)
    {
        const QString halfPoints = QString::number(points * 2);
        empty(u"sz"_s, { { u"val"_s, halfPoints } });
        empty(u"szCs"_s, { { u"val"_s, halfPoints } });
    }

    void paragraph(const DocParagraph& p)
    {
        m_xml.writeStartElement(W, u"p"_s);
        m_xml.writeStartElement(W, u"pPr"_s);
        if (p.alignment == DocParagraph::Alignment::Center)
            empty(u"jc"_s, { { u"val"_s, u"center"_s } });
        m_xml.writeStartElement(W, u"rPr"_s); // the paragraph mark
        size(p.fontSize);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        if (!p.text.isEmpty()) {
            m_xml.writeStartElement(W, u"r"_s);
            m_xml.writeStartElement(W, u"rPr"_s);
            size(p.fontSize);
            m_xml.writeEndElement();
            m_xml.writeStartElement(W, u"t"_s);
            m_xml.writeAttribute(u"xml:space"_s, u"preserve"_s); // the title's leading blanks
            m_xml.writeCharacters(p.text);
            m_xml.writeEndElement();
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void table(const DocTable& t, int textWidth)
    {
        QList<int> widths;
        for (int c = 1; c <= t.columns(); ++c) {
            const std::optional<double> points = t.columnWidth(c);
            widths.append(points ? qRound(*points * 20) : textWidth / t.columns());
        }
        int total = 0;
        for (int w : widths)
            total += w;

        m_xml.writeStartElement(W, u"tbl"_s);
        m_xml.writeStartElement(W, u"tblPr"_s);
        empty(u"tblW"_s, { { u"w"_s, QString::number(total) }, { u"type"_s, u"dxa"_s } });
        m_xml.writeStartElement(W, u"tblBorders"_s);
        for (const QString& edge : { u"top"_s, u"left"_s, u"bottom"_s, u"right"_s, u"insideH"_s, u"insideV"_s })
            empty(edge,
                { { u"val"_s, u"single"_s }, { u"sz"_s, u"4"_s }, { u"space"_s, u"0"_s }, { u"color"_s, u"auto"_s } });
        m_xml.writeEndElement();
        empty(u"tblLayout"_s, { { u"type"_s, u"fixed"_s } });
        m_xml.writeStartElement(W, u"tblCellMar"_s);
        empty(u"left"_s, { { u"w"_s, u"108"_s }, { u"type"_s, u"dxa"_s } });
        empty(u"right"_s, { { u"w"_s, u"108"_s }, { u"type"_s, u"dxa"_s } });
        m_xml.writeEndElement();
        m_xml.writeEndElement();

        m_xml.writeStartElement(W, u"tblGrid"_s);
        for (int w : widths)
            empty(u"gridCol"_s, { { u"w"_s, QString::number(w) } });
        m_xml.writeEndElement();

        for (int r = 1; r <= t.rows(); ++r) {
            m_xml.writeStartElement(W, u"tr"_s);
            if (hasVerticalText(t, r)) {
                m_xml.writeStartElement(W, u"trPr"_s);
                empty(
                    u"trHeight"_s, { { u"val"_s, QString::number(VerticalRowHeight) }, { u"hRule"_s, u"atLeast"_s } });
                m_xml.writeEndElement();
            }
            for (int c = 1; c <= t.columns(); ++c)
                cell(t.Cell(r, c), widths.at(c - 1));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    static bool hasVerticalText(const DocTable& t, int row)
    {
        for (int c = 1; c <= t.columns(); ++c) {
            if (t.Cell(row, c).orientation() == DocCell::Orientation::VerticalEastAsian)
                return true;
        }
        return false;
    }

    void cell(const DocCell& c, int width)
    {
        m_xml.writeStartElement(W, u"tc"_s);
        m_xml.writeStartElement(W, u"tcPr"_s);
        empty(u"tcW"_s, { { u"w"_s, QString::number(width) }, { u"type"_s, u"dxa"_s } });
        if (const std::optional<QColor> fill = c.shading()) {
            const QString rgb = fill->name(QColor::HexRgb).mid(1).toUpper();
            empty(u"shd"_s, { { u"val"_s, u"clear"_s }, { u"color"_s, u"auto"_s }, { u"fill"_s, rgb } });
        }
        if (c.orientation() == DocCell::Orientation::VerticalEastAsian)
            empty(u"textDirection"_s, { { u"val"_s, u"tbRlV"_s } });
        m_xml.writeEndElement();
        for (const DocParagraph& p : c.paragraphs())
            paragraph(p);
        m_xml.writeEndElement();
    }

    void section(bool landscape)
    {
        m_xml.writeStartElement(W, u"sectPr"_s);
        const int width = landscape ? PageLong : PageShort;
        const int height = landscape ? PageShort : PageLong;
        m_xml.writeEmptyElement(W, u"pgSz"_s);
        m_xml.writeAttribute(W, u"w"_s, QString::number(width));
        m_xml.writeAttribute(W, u"h"_s, QString::number(height));
        if (landscape)
            m_xml.writeAttribute(W, u"orient"_s, u"landscape"_s);
        const int vertical = landscape ? MarginWide : MarginNarrow;
        const int horizontal = landscape ? MarginNarrow : MarginWide;
        empty(u"pgMar"_s,
            { { u"top"_s, QString::number(vertical) }, { u"right"_s, QString::number(horizontal) },
                { u"bottom"_s, QString::number(vertical) }, { u"left"_s, QString::number(horizontal) },
                { u"header"_s, u"851"_s }, { u"footer"_s, u"992"_s }, { u"gutter"_s, u"0"_s } });
        m_xml.writeEndElement();
    }

    QXmlStreamWriter m_xml;
};

void addEntry(QuaZip& zip, const QString& name, const QByteArray& bytes)
{
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) || file.write(bytes) != bytes.size())
        throw AppError(file.errorString());
    file.close();
    if (file.getZipError() != 0)
        throw AppError(file.errorString());
}

} // namespace

QByteArray DocxWriter::documentXml(const DocDocument& document)
{
    QByteArray xml;
    BodyWriter(&xml).write(document);
    return xml;
}

QByteArray DocxWriter::pack(const DocDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    {
        QuaZip zip(&buffer);
        if (!zip.open(QuaZip::mdCreate))
            throw AppError(QStringLiteral("无法建立文档包（%1）").arg(zip.getZipError()));
        addEntry(zip, u"[Content_Types].xml"_s, ContentTypes);
        addEntry(zip, u"_rels/.rels"_s, PackageRels);
        addEntry(zip, u"word/_rels/document.xml.rels"_s, DocumentRels);
        addEntry(zip, u"word/styles.xml"_s, Styles);
        addEntry(zip, u"word/settings.xml"_s, Settings);
        addEntry(zip, u"word/document.xml"_s, documentXml(document));
        zip.close();
        if (zip.getZipError() != 0)
            throw AppError(QStringLiteral("无法建立文档包（%1）").arg(zip.getZipError()));
    }
    return buffer.data();
}
