#include "diary/workbench/ContentMemo.h"

#include "common/CodePage.h"

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
    if (CodePage::byteLength(text) <= m_maxBytes)
        return;
    const int cursorAt = textCursor().position();
    const QSignalBlocker quiet(this);
    setPlainText(CodePage::cut(text, m_maxBytes));
    QTextCursor cursor = textCursor();
    cursor.setPosition(qMin(cursorAt, int(toPlainText().size())));
    setTextCursor(cursor);
}

void ContentMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    // Only leaving it for another control hides it: its own context menu, a message box or
    // another application taking the window's activation keep it open.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        hide();
}
