#pragma once

#include <QLineEdit>

class QToolButton;

// A read-only edit box with a button at its right end: only the button (and the program) fill it,
// so neither typing, pasting, dropping nor an input method can change its text.
class ButtonEdit final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonEdit)

public:
    enum class Glyph
    {
        Ellipsis,
        Folder
    };

    explicit ButtonEdit(Glyph glyph, QWidget* parent = nullptr);

    QToolButton* button() const { return m_button; }

signals:
    void buttonClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QToolButton* m_button;
};
