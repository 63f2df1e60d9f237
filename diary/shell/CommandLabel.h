#pragma once

#include <QLabel>

// A command of the main window: a label with a text shadow that follows the pointer (on when
// it enters or a button is released, off when it leaves or a button is pressed) and reports
// clicks. A double click is one click: the release that ends it is not a second one.
class CommandLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommandLabel)

public:
    explicit CommandLabel(const QString& caption, QWidget* parent = nullptr);

    bool shadow() const { return m_shadow; }
    void setShadow(bool on);

    void MouseEnter();
    void MouseLeave();
    void MouseDown();
    void MouseUp();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_shadow = true;
    bool m_hovered = false;
    bool m_pressed = false;
    bool m_endsDoubleClick = false;
};
