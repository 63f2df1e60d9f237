#include "diary/workbench/ContentMemo.h"

#include "common/CodePage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTextBlock>

ContentMemo::ContentMemo(int maxBytes, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_maxBytes(maxBytes)
{
    connect(document(), &QTextDocument::contentsChange, this, &ContentMemo::noteChange);
    connect(this, &QPlainTextEdit::textChanged, this, &ContentMemo::keepWithinLimit);
}

void ContentMemo::noteChange(int position, int, int added)
{
    m_changeAt = position;
    m_changeAdded = added;
}

void ContentMemo::keepWithinLimit()
{
    const QString text = toPlainText();
    const int total = CodePage::byteLength(text);
    if (total <= m_maxBytes)
        return;
    // Only what was just typed or pasted is cut: the text already there is never lost.
    const int at = qBound(0, m_changeAt, int(text.size()));
    const int added = qBound(0, m_changeAdded, int(text.size()) - at);
    const QString inserted = text.mid(at, added);
    const int room = m_maxBytes - (total - CodePage::byteLength(inserted));
    const QString kept = room > 0 ? CodePage::cut(inserted, room) : QString();
    const QSignalBlocker quiet(this);
    QTextCursor cursor(document());
    cursor.setPosition(at + int(kept.size()));
    cursor.setPosition(at + added, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    // Should the change not have been where it was reported, keep the limit from the end.
    if (CodePage::byteLength(toPlainText()) > m_maxBytes)
        setPlainText(CodePage::cut(toPlainText(), m_maxBytes));
    QTextCursor caret = textCursor();
    caret.setPosition(qMin(at + int(kept.size()), int(toPlainText().size())));
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
