#include "lanmate/ui/ButtonEdit.h"

#include <QInputMethodEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace {

QIcon ellipsisIcon()
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    for (const int x : { 1, 5, 9 })
        painter.drawRect(x, 8, 2, 2);
    return QIcon(pixmap);
}

} // namespace

ButtonEdit::ButtonEdit(Glyph glyph, QWidget* parent)
    : QLineEdit(parent)
    , m_button(new QToolButton(this))
{
    setReadOnly(true);
    setAcceptDrops(false);
    m_button->setCursor(Qt::ArrowCursor);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setIcon(glyph == Glyph::Folder ? style()->standardIcon(QStyle::SP_DirOpenIcon) : ellipsisIcon());
    connect(m_button, &QToolButton::clicked, this, &ButtonEdit::buttonClicked);
}

void ButtonEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    const int side = height() - 2;
    m_button->setGeometry(width() - side - 1, 1, side, side);
    setTextMargins(0, 0, side, 0);
}

void ButtonEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // A read-only line edit still takes committed input-method text.
    event->ignore();
}
