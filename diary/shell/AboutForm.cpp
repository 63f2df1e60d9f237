#include "diary/shell/AboutForm.h"

#include <QAbstractButton>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>
#include <QTimer>

namespace {

constexpr int ClientWidth = 330;
constexpr int ClientHeight = 223;
constexpr qreal StepPixels = 0.5;
constexpr int StepMs = 30;

const char* const AboutHtml = R"(
<h3>版本历史</h3>
<p><b>1.0</b>　写日记、查询、浏览与导出、自动提醒、来源维护、数据备份与恢复、网络助手。</p>
<p><b>0.9</b>　农历与二十四节气月历，按月、按周导出日记文档。</p>
<p><b>0.8</b>　类型与项目树、来源与人员树，表格内直接修改。</p>
<h3>完成日期</h3>
<p>2026年12月</p>
<h3>主要功能</h3>
<p>● 按日期、类型、项目、来源、人员记录工作日记<br>
● 按日期范围和多种条件查询、修改、删除、打印日记<br>
● 以月历形式浏览日记，导出一个月或一周的日记<br>
● 到时、每天、每星期、每月的自动提醒<br>
● 来源与人员、类型与项目的维护<br>
● 数据备份与恢复、密码保护<br>
● 局域网内的消息与文件传送（网络助手）</p>
<h3>使用说明</h3>
<p>见帮助</p>
)";

// The image button that closes the window: a round glossy button with a cross.
class CloseImageButton final : public QAbstractButton
{
public:
    explicit CloseImageButton(QWidget* parent)
        : QAbstractButton(parent)
    {
        setCursor(Qt::PointingHandCursor);
        setToolTip(QStringLiteral("关闭"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, isDown() ? QColor(0x2A, 0x5C, 0xAA) : QColor(0x7E, 0xB4, 0xF0));
        fill.setColorAt(1, isDown() ? QColor(0x1A, 0x3E, 0x7C) : QColor(0x2D, 0x65, 0xBE));
        painter.setPen(QPen(QColor(0x14, 0x33, 0x6B), 1));
        painter.setBrush(fill);
        painter.drawEllipse(r);
        painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = r.center();
        const qreal d = r.width() / 5;
        painter.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        painter.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
    }
};

} // namespace

TAboutForm1::TAboutForm1(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_text(new QTextDocument(this))
    , m_scroll(new QTimer(this))
{
    setObjectName(QStringLiteral("AboutForm1"));
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(ClientWidth, ClientHeight);

    QFont textFont(QStringLiteral("宋体"));
    textFont.setPixelSize(12);
    m_text->setDefaultFont(textFont);
    m_text->setDefaultStyleSheet(
        QStringLiteral("h3 { color: #1d4a9a; font-size: 14px; margin-top: 8px; margin-bottom: 2px; }"
                       "p { color: #10244a; margin: 0px; }"));
    m_text->setHtml(QString::fromUtf8(AboutHtml));
    m_text->setTextWidth(textArea().width());

    fcImageBtn1 = new CloseImageButton(this);
    fcImageBtn1->setObjectName(QStringLiteral("fcImageBtn1"));
    fcImageBtn1->setGeometry(ClientWidth - 38, ClientHeight - 36, 28, 28);
    connect(fcImageBtn1, &QAbstractButton::clicked, this, &QWidget::close);

    m_scroll->setInterval(StepMs);
    connect(m_scroll, &QTimer::timeout, this, &TAboutForm1::scrollStep);
}

TAboutForm1::~TAboutForm1() = default;

QString TAboutForm1::scrollText() const
{
    return m_text->toPlainText();
}

QRect TAboutForm1::textArea() const
{
    return { 20, 66, ClientWidth - 70, ClientHeight - 78 };
}

void TAboutForm1::scrollStep()
{
    // The text rises from below the area and starts again once it has left it at the top.
    const qreal span = m_text->size().height() + textArea().height();
    m_offset += StepPixels;
    if (m_offset > span)
        m_offset = 0;
    update(textArea());
}

void TAboutForm1::showEvent(QShowEvent*)
{
    m_offset = textArea().height() / 3.0;
    m_scroll->start();
}

void TAboutForm1::hideEvent(QHideEvent*)
{
    m_scroll->stop();
}

void TAboutForm1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient panel(0, 0, 0, height());
    panel.setColorAt(0, QColor(0xE4, 0xF0, 0xFF));
    panel.setColorAt(1, QColor(0xB9, 0xD5, 0xF7));
    painter.fillRect(rect(), panel);
    paintTitle(painter);
    paintScroller(painter);
}

void TAboutForm1::paintTitle(QPainter& painter)
{
    QFont title(QStringLiteral("Noto Serif CJK SC"));
    title.setPixelSize(40);
    title.setBold(true);
    title.setItalic(true);
    QPainterPath text;
    text.addText(0, 0, title, QStringLiteral("Dailora"));
    const QRectF bounds = text.boundingRect();
    text.translate((width() - bounds.width()) / 2 - bounds.left(), 50);
    // Extruded: the same outline stepped down and right in darker shades, then lit on top.
    for (int depth = 5; depth >= 1; --depth)
        painter.fillPath(text.translated(depth, depth), QColor(0x10 + depth * 6, 0x2C + depth * 8, 0x66 + depth * 10));
    QLinearGradient face(0, 12, 0, 52);
    face.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    face.setColorAt(0.5, QColor(0x9F, 0xCB, 0xFF));
    face.setColorAt(1, QColor(0x3C, 0x7C, 0xD8));
    painter.fillPath(text, face);
    painter.setPen(QPen(QColor(0x12, 0x30, 0x70), 0.8));
    painter.drawPath(text);
}

void TAboutForm1::paintScroller(QPainter& painter)
{
    const QRect area = textArea();
    painter.save();
    painter.setPen(QColor(0x7F, 0xA8, 0xE0));
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawRoundedRect(QRectF(area).adjusted(-6.5, -4.5, 6.5, 4.5), 6, 6);
    painter.setClipRect(area);
    painter.translate(area.left(), area.bottom() - m_offset);
    m_text->drawContents(&painter);
    painter.restore();
    // The text fades in and out at the edges of its area.
    for (const bool top : { true, false }) {
        const QRectF band(area.left(), top ? area.top() : area.bottom() - 14, area.width(), 15);
        QLinearGradient fade(band.topLeft(), band.bottomLeft());
        QColor edge(0xD4, 0xE6, 0xFC, 255);
        QColor clear(0xD4, 0xE6, 0xFC, 0);
        fade.setColorAt(0, top ? edge : clear);
        fade.setColorAt(1, top ? clear : edge);
        painter.fillRect(band, fade);
    }
}
