#include "diary/workbench/PrintGrid.h"

#include "common/Clock.h"
#include "common/LocaleTexts.h"
#include "common/Prompts.h"
#include "diary/store/CursorModel.h"
#include "diary/store/TableCursor.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QTableView>
#include <QtPrintSupport/QPrinter>

namespace {

const QString NotReady = QStringLiteral("打印机没有准备好！");
const QString NotReadyCaption = QStringLiteral("提示！");

struct PrintedColumn
{
    int column = 0; // of the model
    int width = 0; // printer pixels
};

// Page metrics of one job, in printer pixels.
struct PageMetrics
{
    int L = 0; // left margin
    int T = 0; // top margin, also the bottom one
    int H = 0; // line height
    double S = 1;
    int W = 0;
    int P = 0;
};

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

QString displayText(const QVariant& value)
{
    const QLocale locale;
    if (isNumber(value))
        return locale.toString(value.toDouble(), 'f', 2); // ",##0.00"
    if (value.typeId() == QMetaType::QDate)
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    return value.toString();
}

// Prints one job page by page, moving the list's cursor through its rows.
class Job
{
public:
    Job(QPainter& painter, QTableView* grid, TableCursor& cursor, const PageMetrics& m)
        : p(painter)
        , m_model(*grid->model())
        , m_cursor(cursor)
        , m(m)
    {
        const QHeaderView* header = grid->horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) {
            const int column = header->logicalIndex(visual);
            if (!grid->isColumnHidden(column))
                m_columns.append({ column, int(grid->columnWidth(column) * m.S) });
        }
        m_alignments.resize(m_columns.size(), Qt::AlignLeft);
        if (m_cursor.currentRow() >= 0)
            for (qsizetype i = 0; i < m_columns.size(); ++i)
                if (isNumber(m_model.index(m_cursor.currentRow(), m_columns.at(i).column).data()))
                    m_alignments[i] = Qt::AlignRight;
    }

    void title(const QString& text)
    {
        QFont font(QStringLiteral("楷体_GB2312"));
        font.setPointSize(20);
        font.setBold(true);
        p.setFont(font);
        draw(QRect(0, 0, m.W, m.T), Qt::AlignHCenter, text);
        rule(m.T);
    }

    void header()
    {
        QFont font = p.font();
        font.setFamily(QStringLiteral("黑体"));
        font.setPointSize(9);
        p.setFont(font);
        int x = m.L;
        for (qsizetype i = 0; i < m_columns.size(); ++i) {
            const QRect box(x, m.T, m_columns.at(i).width, m.H);
            const QString text = m_model.headerData(m_columns.at(i).column, Qt::Horizontal).toString();
            Qt::Alignment align = m_alignments.at(i);
            if (align == Qt::AlignRight && p.fontMetrics().horizontalAdvance(text) > box.width())
                align = Qt::AlignLeft;
            draw(box, align, text);
            x += box.width();
        }
    }

    // Prints rows while they fit; false when the table is past its last row.
    bool rows()
    {
        QFont font = p.font();
        font.setFamily(QStringLiteral("宋体"));
        font.setBold(false);
        p.setFont(font);
        for (int y = m.T + m.H; y < m.P - m.T; y += m.H) {
            int x = m.L;
            for (qsizetype i = 0; i < m_columns.size(); ++i) {
                const QRect box(x, y, m_columns.at(i).width, m.H);
                draw(box, m_alignments.at(i),
                    displayText(m_model.index(m_cursor.currentRow(), m_columns.at(i).column).data()));
                x += box.width();
            }
            m_cursor.next();
            if (m_cursor.eof())
                return false;
        }
        return true;
    }

    void footer(const QDateTime& now, int page)
    {
        const int y = m.P - m.T + m.H;
        rule(y);
        const QLocale locale;
        draw(QRect(m.L, y, m.W - m.L, m.H), Qt::AlignLeft,
            locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                + LocaleTexts::timeText(now.time(), locale));
        draw(QRect(m.L, y, m.W - 2 * m.L, m.H), Qt::AlignRight, QStringLiteral("#%1").arg(page));
    }

private:
    void draw(const QRect& box, Qt::Alignment align, const QString& text)
    {
        // Cut at the box's edges: the clip shows part of the last glyph, and what lies past
        // the edge is left out of the page altogether.
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
        p.drawText(box, int(align | Qt::AlignVCenter | Qt::TextSingleLine),
            align == Qt::AlignLeft ? startingInside(text, box.width()) : text);
        p.restore();
    }

    // The characters that start inside width.
    QString startingInside(const QString& text, int width) const
    {
        const QFontMetrics metrics = p.fontMetrics();
        qsizetype n = 0;
        while (n < text.size() && metrics.horizontalAdvance(text.left(n)) < width)
            n += text.at(n).isHighSurrogate() ? 2 : 1;
        return text.left(n);
    }

    void rule(int y) { p.drawRect(QRect(m.L, y, m.W - 2 * m.L, 1)); }

    QPainter& p;
    const QAbstractItemModel& m_model;
    TableCursor& m_cursor;
    const PageMetrics& m;
    QList<PrintedColumn> m_columns;
    QList<Qt::Alignment> m_alignments;
};

} // namespace

PrintGrid::PrintGrid(Prompts& prompts, const Clock& clock)
    : m_prompts(prompts)
    , m_clock(clock)
{
}

void PrintGrid::print(QTableView* grid, const QString& title)
{
    auto* model = qobject_cast<CursorModel*>(grid->model());
    Q_ASSERT(model);
    TableCursor& cursor = model->cursor();
    QPrinter printer(QPrinter::HighResolution);
    if (!m_prompts.printDialog(printer))
        return;
    // A pending edit is saved before the job begins: a refused save prints nothing at all.
    if (!cursor.post() || !cursor.first() || cursor.currentRow() < 0)
        return;

    PageMetrics m;
    m.L = printer.logicalDpiX() / 6;
    m.T = printer.logicalDpiY() / 5 * 4;
    m.H = int(printer.logicalDpiY() * 13.5 / 72);
    m.S = double(printer.logicalDpiX()) / grid->logicalDpiX();
    m.W = printer.width();
    m.P = printer.height();

    QPainter painter;
    if (!painter.begin(&printer)) {
        m_prompts.notice(NotReady, NotReadyCaption, Prompts::Icon::Information);
        return;
    }
    painter.setPen(QPen(Qt::black, 0));
    Job job(painter, grid, cursor, m);
    for (int page = 1;; ++page) {
        job.title(title);
        job.header();
        const bool more = job.rows();
        job.footer(m_clock.now(), page);
        if (!more)
            break;
        if (!printer.newPage()) {
            printer.abort();
            m_prompts.notice(NotReady, NotReadyCaption, Prompts::Icon::Information);
            return;
        }
    }
    if (!painter.end())
        m_prompts.notice(NotReady, NotReadyCaption, Prompts::Icon::Information);
}
