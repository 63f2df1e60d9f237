#pragma once

#include <QPlainTextEdit>

// The content box of the write page: at most a field's width of code-page bytes, hidden again
// when the user turns to anything else in its window.
class ContentMemo final : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContentMemo)

public:
    explicit ContentMemo(int maxBytes, QWidget* parent = nullptr);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepWithinLimit();

    int m_maxBytes;
    QString m_accepted; // the text as it last kept the limit
};
