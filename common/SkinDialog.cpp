#include "common/SkinDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QColor BandTop(0x3A, 0x7B, 0xD5);
const QColor BandBottom(0x1F, 0x4F, 0xA8);
const QColor BodyTop(0xEA, 0xF2, 0xFC);
const QColor BodyBottom(0xC9, 0xDC, 0xF3);

const char* ButtonStyle = "QPushButton { min-width: 72px; min-height: 24px; padding: 2px 12px;"
                          " border: 1px solid #1F4FA8; border-radius: 4px;"
                          " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #D6E4F7); }"
                          "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                          " stop:0 #FFFFFF, stop:1 #BCD3F2); }"
                          "QPushButton:pressed { background: #A9C6EE; }"
                          "QPushButton:default { border: 2px solid #1F4FA8; }";

} // namespace

SkinDialog::SkinDialog(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(caption);
    setModal(true);
    setStyleSheet(QString::fromLatin1(ButtonStyle));

    m_body = new QVBoxLayout;
    m_body->setSpacing(12);
    m_buttons = new QHBoxLayout;
    m_buttons->setSpacing(10);
    m_buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, CaptionHeight + 18, Margin, 16);
    layout->setSpacing(18);
    layout->addLayout(m_body);
    layout->addLayout(m_buttons);
}

QPushButton* SkinDialog::addButton(const QString& text, int result)
{
    auto* button = new QPushButton(text, this);
    const bool first = m_buttons->count() == 1;
    button->setDefault(first);
    button->setAutoDefault(first);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    m_buttons->addWidget(button);
    return button;
}

void SkinDialog::setCentredOnScreen(bool onScreen)
{
    m_centredOnScreen = onScreen;
}

void SkinDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, BodyTop);
    gradient.setColorAt(1, BodyBottom);
    painter.fillRect(rect(), gradient);

    QLinearGradient band(0, 0, 0, CaptionHeight);
    band.setColorAt(0, BandTop);
    band.setColorAt(1, BandBottom);
    painter.fillRect(QRect(0, 0, width(), CaptionHeight), band);
    QFont captionFont(QStringLiteral("楷体_GB2312"));
    captionFont.setPixelSize(17);
    painter.setFont(captionFont);
    painter.setPen(Qt::white);
    painter.drawText(QRect(12, 0, width() - 24, CaptionHeight), Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
    painter.setPen(BandBottom);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SkinDialog::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        placeOnShow();
    }
    QDialog::showEvent(event);
}

void SkinDialog::placeOnShow()
{
    adjustSize();
    setFixedSize(size());
    QRect area;
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!m_centredOnScreen && owner && owner->isVisible())
        area = owner->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
}

void SkinDialog::mousePressEvent(QMouseEvent* event)
{
    m_dragging = event->button() == Qt::LeftButton && event->position().y() < CaptionHeight;
    if (m_dragging)
        m_dragOffset = event->globalPosition().toPoint() - pos();
    QDialog::mousePressEvent(event);
}

void SkinDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void SkinDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
