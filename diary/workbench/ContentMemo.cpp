#include "diary/workbench/ContentMemo.h"

#include "common/CodePage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalBlocker>

ContentMemo::ContentMemo(int maxBytes, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_maxBytes(maxBytes)
{
    connect(this, &QPlainTextEdit::textChanged, this, &ContentMemo::keepWithinLimit);
}

void ContentMemo::keepWithinLimit()
{
    const QString text = toPlainText();
    const int total = CodePage::byteLength(text);
    if (total <= m_maxBytes) {
        m_accepted = text;
        return;
    }
    // The edit is what lies between the parts the text shares with the last accepted one.
    // Only that is cut: the text already there is never lost.
    const qsizetype shortest = qMin(text.size(), m_accepted.size());
    qsizetype head = 0;
    while (head < shortest && text.at(head) == m_accepted.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shortest - head && text.at(text.size() - 1 - tail) == m_accepted.at(m_accepted.size() - 1 - tail))
        ++tail;
    const QString inserted = text.mid(head, text.size() - head - tail);
    const int room = m_maxBytes - (total - CodePage::byteLength(inserted));
    const QString kept = room > 0 ? CodePage::cut(inserted, room) : QString();
    QString limited = text.left(head) + kept + text.right(tail);
    if (CodePage::byteLength(limited) > m_maxBytes) // not one insertion: keep the limit from the end
        limited = CodePage::cut(limited, m_maxBytes);
    const QSignalBlocker quiet(this);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(limited);
    m_accepted = limited;
    QTextCursor caret = textCursor();
    caret.setPosition(int(qMin(head + kept.size(), limited.size())));
    setTextCursor(caret);
}

void ContentMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    // Only leaving it for another control hides it: its own context menu, a message box or
    // another application taking the window's activation keep it open.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        hide();
}

void ContentMemo::showEvent(QShowEvent* event)
{
    QPlainTextEdit::showEvent(event);
    qApp->installEventFilter(this);
}

void ContentMemo::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    QPlainTextEdit::hideEvent(event);
}

bool ContentMemo::eventFilter(QObject* watched, QEvent* event)
{
    // A press anywhere else in its window hides it, also on controls that take no focus.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        const auto* target = static_cast<QWidget*>(watched);
        if (target->window() == window() && target != this && !isAncestorOf(target))
            hide();
    }
    return QPlainTextEdit::eventFilter(watched, event);
}
