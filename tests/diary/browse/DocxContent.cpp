#include "tests/diary/browse/DocxContent.h"

#include <QTest>
#include <QXmlStreamReader>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

using namespace Qt::StringLiterals;

namespace {

QString attr(const QXmlStreamReader& xml, const QString& name)
{
    return xml.attributes().value(u"w:"_s + name).toString();
}

DocxContent::Paragraph readParagraph(QXmlStreamReader& xml)
{
    DocxContent::Paragraph p;
    int markSize = 0;
    bool inRun = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.qualifiedName();
        if (xml.isEndElement()) {
            if (name == u"w:p"_s)
                break;
            if (name == u"w:r"_s)
                inRun = false;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (name == u"w:r"_s) {
            inRun = true;
        } else if (name == u"w:jc"_s) {
            p.alignment = attr(xml, u"val"_s);
        } else if (name == u"w:sz"_s) {
            (inRun ? p.halfPoints : markSize) = attr(xml, u"val"_s).toInt();
        } else if (name == u"w:t"_s) {
            p.preserved = p.preserved && xml.attributes().value(u"xml:space"_s) == u"preserve"_s;
            p.text += xml.readElementText();
        }
    }
    if (p.halfPoints == 0)
        p.halfPoints = markSize;
    return p;
}

} // namespace

QStringList DocxContent::Cell::texts() const
{
    QStringList texts;
    for (const Paragraph& p : paragraphs)
        texts.append(p.text);
    return texts;
}

QByteArray DocxContent::entry(const QString& path, const QString& name)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name))
        return {};
    QuaZipFile file(&zip);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DocxContent DocxContent::read(const QString& path)
{
    DocxContent content;
    QXmlStreamReader xml(entry(path, u"word/document.xml"_s));
    int depth = 0; // table nesting
    Cell* cell = nullptr;
    bool inBorders = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.qualifiedName() == u"w:tbl"_s)
            --depth;
        if (xml.isEndElement() && xml.qualifiedName() == u"w:tblBorders"_s)
            inBorders = false;
        if (!xml.isStartElement())
            continue;
        const auto name = xml.qualifiedName();
        if (name == u"w:tbl"_s) {
            content.body.append(u"tbl"_s);
            ++depth;
        } else if (name == u"w:p"_s) {
            const Paragraph p = readParagraph(xml);
            if (depth == 0) {
                content.body.append(u"p"_s);
                content.paragraphs.append(p);
            } else {
                cell->paragraphs.append(p);
            }
        } else if (name == u"w:tr"_s) {
            content.rows.append(QList<Cell>());
            content.rowHeights.append(0);
        } else if (name == u"w:trHeight"_s) {
            content.rowHeights.last() = attr(xml, u"val"_s).toInt();
        } else if (name == u"w:tc"_s) {
            content.rows.last().append(Cell());
            cell = &content.rows.last().last();
        } else if (name == u"w:shd"_s) {
            cell->fill = attr(xml, u"fill"_s);
        } else if (name == u"w:textDirection"_s) {
            cell->textDirection = attr(xml, u"val"_s);
        } else if (name == u"w:gridCol"_s) {
            content.gridColumns.append(attr(xml, u"w"_s).toInt());
        } else if (name == u"w:tblBorders"_s) {
            inBorders = true;
        } else if (inBorders) {
            content.borders.append(u"%1:%2:%3"_s.arg(name.mid(2), attr(xml, u"val"_s), attr(xml, u"sz"_s)));
        } else if (name == u"w:pgSz"_s) {
            content.pageWidth = attr(xml, u"w"_s).toInt();
            content.pageHeight = attr(xml, u"h"_s).toInt();
            content.orientation = attr(xml, u"orient"_s);
        }
    }
    if (xml.hasError())
        qWarning("document.xml: %s", qPrintable(xml.errorString()));
    return content;
}
