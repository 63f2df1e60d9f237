#pragma once

#include <QPlainTextEdit>

// The content box of the write page: at most a field's width of code-page bytes, hidden again
// when it loses the focus.
class ContentMemo final : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContentMemo)

public:
    explicit ContentMemo(int maxBytes, QWidget* parent = nullptr);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void keepWithinLimit();

    int m_maxBytes;
};
